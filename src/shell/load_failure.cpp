// Temporary placeholder; replaced by the real load-failure screen.
#include "shell/load_failure.h"

#include "play/game_state.h"
#include "shell/main_form.h"

void LoadFailureFrame(TMainForm& form, int32_t lagCount) {
  Game.StateTime += lagCount;
  form.DXInput.Keyboard.Update();
}
