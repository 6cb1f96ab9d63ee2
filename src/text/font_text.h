// Text drawn with the two bitmap fonts of the picture list ("font1" large, "font2" small).
#pragma once
#include <cstdint>
#include <string>

class TDirectDrawSurface;
class TPictureCollection;

// Draws opaque onto the main window's back surface; first glyph's top-left corner at (x, y).
void DrawFontText(const std::string& fontName, int32_t x, int32_t y, std::string text);
// Draws blended with the given alpha (0 draws nothing, 255 opaque).
void DrawFontTextAlpha(const std::string& fontName, int32_t x, int32_t y, std::string text,
                       uint8_t alpha);

// The same onto any surface with the fonts of any picture list. Find raises
// EPictureCollectionError for a missing font, which abandons the caller's frame.
void DrawFontText(TPictureCollection& pictures, TDirectDrawSurface& dest,
                  const std::string& fontName, int32_t x, int32_t y, std::string text);
void DrawFontTextAlpha(TPictureCollection& pictures, TDirectDrawSurface& dest,
                       const std::string& fontName, int32_t x, int32_t y, std::string text,
                       uint8_t alpha);
