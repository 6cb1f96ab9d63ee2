// The named pictures and sounds the game looks up: the one list the reskin packer checks a pack
// against.
#pragma once
#include <array>
#include <string_view>

inline constexpr std::array<std::string_view, 19> kGamePictureNames = {
    "menu",    "font1",   "font2",   "DK-napis", "DK-logo", "DK-uvadi", "atom1",
    "atom2",   "atom3",   "atom4",   "atom5",    "vazbaH",  "vazbaV",   "elektron",
    "plochaL", "plochaH", "plochaD", "plochaS",  "plochaP"};

inline constexpr std::array<std::string_view, 11> kGameSoundNames = {
    "menu_ok", "menu_pohyb", "menu_zpet", "mezihra",  "vymena", "bum",
    "uspech",  "neuspech",   "alert",     "padatomu", "rekord"};
