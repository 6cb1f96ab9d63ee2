// Screen state, latches, menu labels and settings of the process.
#include "shell/screen_state.h"

TScreenState ScreenState = ssIntro;
uint8_t LatchUp = 0;
uint8_t LatchDown = 0;
uint8_t LatchLeft = 0;
uint8_t LatchRight = 0;
uint8_t LatchConfirm = 0;
uint8_t LatchBack = 0;

THlMenu HlMenu;

const TMenuType StartLabels = {"", "START", "NASTAVENI", "SIN SLAVY", "INFORMACE", "KONEC"};
const TMenuType MainLabels = {"", "start", "nastaveni", "sin slavy", "informace", "konec"};
const TMenuType ModeLabels = {"", "arkada", "bitva", "destrukce", "trenink a", "trenink b"};
const TMenuType SettingsLabels = {"", "hudba", "zvuky", "cisla", "", ""};

void ShowMenu(const TMenuType& labels, uint8_t itemCount, uint8_t selected) {
  HlMenu.Items = labels;
  HlMenu.ItemCount = itemCount;
  HlMenu.Selected = selected;
}

std::array<uint8_t, 4> Settings = {0, 1, 1, 1};
int32_t InfoTopLine = 1;
