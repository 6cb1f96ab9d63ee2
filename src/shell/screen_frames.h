// One frame of each screen: input, logic and, when the display can be drawn, the drawing.
// Each returns true when it drew (so the common tail of music control and flip runs).
#pragma once
#include <cstdint>

bool IntroFrame(int32_t lagCount);
bool MainMenuFrame(int32_t lagCount);
bool ModeChoiceFrame(int32_t lagCount);
bool SettingsFrame(int32_t lagCount);
bool HallOfFameFrame(int32_t lagCount);
bool InformationFrame(int32_t lagCount);
bool QuitQuestionFrame(int32_t lagCount);
bool PlayFrame(int32_t lagCount);
bool GameOverFrame(int32_t lagCount);
bool NameEntryFrame(int32_t lagCount);
