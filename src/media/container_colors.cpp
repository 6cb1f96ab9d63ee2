// Table of the named colours and interface (system) colours accepted in the containers.
#include "media/container_colors.h"

#include <algorithm>
#include <array>

#include "media/container_text.h"

namespace {

struct TNamedColor {
  std::string_view Name;
  TColor Value;
};

constexpr TColor System(int index) {
  return static_cast<TColor>(0x80000000u | index);
}

constexpr std::array<TNamedColor, 49> kNamedColors = {{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clNone", clNone},
    {"clDefault", clDefault},
    {"clScrollBar", System(0)},
    {"clBackground", System(1)},
    {"clActiveCaption", System(2)},
    {"clInactiveCaption", System(3)},
    {"clMenu", System(4)},
    {"clWindow", System(5)},
    {"clWindowFrame", System(6)},
    {"clMenuText", System(7)},
    {"clWindowText", System(8)},
    {"clCaptionText", System(9)},
    {"clActiveBorder", System(10)},
    {"clInactiveBorder", System(11)},
    {"clAppWorkSpace", System(12)},
    {"clHighlight", System(13)},
    {"clHighlightText", System(14)},
    {"clBtnFace", System(15)},
    {"clBtnShadow", System(16)},
    {"clGrayText", System(17)},
    {"clBtnText", System(18)},
    {"clInactiveCaptionText", System(19)},
    {"clBtnHighlight", System(20)},
    {"cl3DDkShadow", System(21)},
    {"cl3DLight", System(22)},
    {"clInfoText", System(23)},
    {"clInfoBk", System(24)},
    {"clGradientActiveCaption", System(27)},
    {"clGradientInactiveCaption", System(28)},
}};

}  // namespace

std::optional<TColor> ColorFromIdentifier(std::string_view identifier) {
  for (const auto& named : kNamedColors) {
    if (SameIgnoringAsciiCase(named.Name, identifier)) return named.Value;
  }
  return std::nullopt;
}

std::optional<std::string_view> IdentifierFromColor(TColor color) {
  for (const auto& named : kNamedColors) {
    if (named.Value == color) return named.Name;
  }
  return std::nullopt;
}
