// The named pictures of the game, generated from code.
#pragma once
#include <vector>

#include "media/container_writer.h"

// Bitmap fonts: codes 32..95 as patterns, 16 to a row.
TPictureEntry MakeLargeFont();  // "font1", 31 x 31 cells
TPictureEntry MakeSmallFont();  // "font2", 11 x 14 cells with keyboard and scroll symbols

std::vector<TPictureEntry> MakeAtomPictures();  // "atom1".."atom5", "vazbaH", "vazbaV", "elektron"
std::vector<TPictureEntry>
MakeFramePictures();  // "plochaL", "plochaH", "plochaD", "plochaS", "plochaP"
// "DK-napis", "DK-logo", "DK-uvadi" and the English "DK-uvadi-en"
std::vector<TPictureEntry> MakeIntroPictures();
TPictureEntry MakeMenuPicture();  // "menu", stored as JPEG

// The atoms' glass-sphere shading at (px, py) for a sphere at (cx, cy); `prism` paints the
// wildcard's rainbow instead of `base`. The application icon reuses it.
struct TShade;
TShade SphereShade(float px, float py, float cx, float cy, float radius, bool prism,
                   const TShade& base);

// Every picture the game looks up, in a stable order.
std::vector<TPictureEntry> MakeAllPictures();
