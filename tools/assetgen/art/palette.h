// The shared colours of the artwork: one dark lab theme for every picture.
#pragma once
#include <cstdint>

#include "paint/layer.h"

// Every keyed picture is keyed on pure black; opaque art never uses that exact colour.
inline constexpr uint32_t kKeyPixel = 0x000000;

// What fonts are drawn on: the board's black and the menu's calm dark blue.
inline constexpr uint32_t kTextBackdrop = PackPixel(5, 8, 16);

// The frame metal and its glowing accents.
inline const TShade kMetalLight = Rgb(46, 58, 82);
inline const TShade kMetalDark = Rgb(16, 21, 33);
inline const TShade kInsetColor = Rgb(4, 8, 14);
inline const TShade kAccentCyan = Rgb(70, 200, 255);
inline const TShade kAccentAmber = Rgb(255, 170, 60);

// Atom colours by number of bond electrons (index 1..4); 5 is the wildcard.
inline const TShade kAtomColors[6] = {Rgb(0, 0, 0),      Rgb(255, 78, 70),  Rgb(255, 196, 48),
                                      Rgb(70, 222, 110), Rgb(64, 140, 255), Rgb(220, 220, 235)};
