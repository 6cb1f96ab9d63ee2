// Temporary stand-ins so the tree links; replaced by the menu screens.
#include "screens/intro.h"
#include "shell/screen_frames.h"

TIntro Intro;
void ResetIntro() {}
bool IntroFrame(int32_t) { return false; }
bool MainMenuFrame(int32_t) { return false; }
bool ModeChoiceFrame(int32_t) { return false; }
bool SettingsFrame(int32_t) { return false; }
bool HallOfFameFrame(int32_t) { return false; }
bool InformationFrame(int32_t) { return false; }
bool QuitQuestionFrame(int32_t) { return false; }
