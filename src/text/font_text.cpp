// Text drawn glyph by glyph from a font picture of the picture list onto a surface.
#include "text/font_text.h"

#include "media/picture_list.h"
#include "media/rect.h"
#include "shell/main_form.h"
#include "text/font_layout.h"
#include "text/strings.h"

std::string PrepareFontText(std::string text) {
  return ReplaceChar(UpperCaseAscii(std::move(text)), '|', '\\');
}

void DrawFontText(TPictureCollection& pictures, TDirectDrawSurface& dest,
                  const std::string& fontName, int32_t x, int32_t y, std::string text) {
  TPictureCollectionItem& font = pictures.Find(fontName);
  // The stored field, not the effective width: a font with PatternWidth 0 has no advance.
  const int32_t advance = font.PatternWidth;
  PlaceGlyphs(PrepareFontText(std::move(text)), x, advance, font.PatternCount(),
              [&](int32_t pattern, int32_t left) { font.Draw(dest, left, y, pattern); });
}

void DrawFontTextAlpha(TPictureCollection& pictures, TDirectDrawSurface& dest,
                       const std::string& fontName, int32_t x, int32_t y, std::string text,
                       uint8_t alpha) {
  TPictureCollectionItem& font = pictures.Find(fontName);
  const int32_t advance = font.PatternWidth;
  PlaceGlyphs(PrepareFontText(std::move(text)), x, advance, font.PatternCount(),
              [&](int32_t pattern, int32_t left) {
                // The cell is square, advance by advance, whatever the pattern height is.
                const TRect cell{left, y, left + advance, y + advance};
                font.DrawBlended(dest, cell, pattern, alpha);
              });
}

void DrawFontText(const std::string& fontName, int32_t x, int32_t y, std::string text) {
  DrawFontText(MainForm->DXImageList.Items, MainForm->DXDraw.Surface(), fontName, x, y,
               std::move(text));
}

void DrawFontTextAlpha(const std::string& fontName, int32_t x, int32_t y, std::string text,
                       uint8_t alpha) {
  DrawFontTextAlpha(MainForm->DXImageList.Items, MainForm->DXDraw.Surface(), fontName, x, y,
                    std::move(text), alpha);
}
