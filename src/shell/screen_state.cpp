// Screen state, latches, menu labels and settings of the process.
#include "shell/screen_state.h"

#include "text/catalogue.h"
#include "text/strings.h"

TScreenState ScreenState = ssIntro;
uint8_t LatchUp = 0;
uint8_t LatchDown = 0;
uint8_t LatchLeft = 0;
uint8_t LatchRight = 0;
uint8_t LatchConfirm = 0;
uint8_t LatchBack = 0;

THlMenu HlMenu;

namespace {
TMenuType Labels(const std::string& prefix, size_t count, bool capitals = false) {
  TMenuType labels;
  for (size_t k = 1; k <= count; ++k) {
    labels[k] = Text(prefix + std::to_string(k));
    if (capitals) labels[k] = UpperCaseAscii(labels[k]);
  }
  return labels;
}
}  // namespace

// Czech from the start, so screens shown before the catalogue is read have their labels.
TMenuType StartLabels = Labels("menu.", 5, true);
TMenuType MainLabels = Labels("menu.", 5);
TMenuType ModeLabels = Labels("mode.", 5);
TMenuType SettingsLabels = Labels("settings.", 3);

void TakeMenuLabelsFromCatalogue() {
  StartLabels = Labels("menu.", 5, true);
  MainLabels = Labels("menu.", 5);
  ModeLabels = Labels("mode.", 5);
  SettingsLabels = Labels("settings.", 3);
}

void ShowMenu(const TMenuType& labels, uint8_t itemCount, uint8_t selected) {
  HlMenu.Items = labels;
  HlMenu.ItemCount = itemCount;
  HlMenu.Selected = selected;
}

std::array<uint8_t, 4> Settings = {0, 1, 1, 1};
int32_t InfoTopLine = 1;
