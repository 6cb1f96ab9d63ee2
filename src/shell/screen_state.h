// Screen states, the key latches shared by every screen, the menu list on show and the settings.
#pragma once
#include <array>
#include <cstdint>
#include <string>

using TScreenState = uint8_t;
constexpr TScreenState ssIntro = 0;
constexpr TScreenState ssMainMenu = 1;
constexpr TScreenState ssModeChoice = 2;
constexpr TScreenState ssSettings = 3;
constexpr TScreenState ssHallOfFame = 4;
constexpr TScreenState ssInformation = 5;
constexpr TScreenState ssQuitQuestion = 6;
constexpr TScreenState ssPlay = 10;
constexpr TScreenState ssGameOver = 11;
constexpr TScreenState ssNameEntry = 12;

extern TScreenState ScreenState;

// A key acts when down with its latch clear; acting sets the latch; a frame with it up clears it.
extern uint8_t LatchUp;
extern uint8_t LatchDown;
extern uint8_t LatchLeft;
extern uint8_t LatchRight;
extern uint8_t LatchConfirm;  // Enter and Space together
extern uint8_t LatchBack;     // Esc

// Labels 1..5; entry 0 unused.
using TMenuType = std::array<std::string, 6>;

struct THlMenu {
  uint8_t ItemCount = 5;
  TMenuType Items;
  uint8_t Selected = 1;
};

extern THlMenu HlMenu;

// In the chosen language, filled by TakeMenuLabelsFromCatalogue.
extern TMenuType StartLabels;     // the main list in capitals, shown until the intro ends
extern TMenuType MainLabels;      // "start", "nastaveni", "sin slavy", "informace", "konec"
extern TMenuType ModeLabels;      // "arkada" .. "trenink b"
extern TMenuType SettingsLabels;  // "hudba", "zvuky", "cisla", "", ""
void TakeMenuLabelsFromCatalogue();

// Copies a label list into HlMenu.
void ShowMenu(const TMenuType& labels, uint8_t itemCount, uint8_t selected);

// [1] "hudba", [2] "zvuky", [3] "cisla"; 1 = on. Entry 0 unused.
extern std::array<uint8_t, 4> Settings;

// First information line on show, 1..10.
extern int32_t InfoTopLine;
