#include "replay/replay_check.h"

#include <exception>

#include "media/media_events.h"
#include "platform/null_backend.h"
#include "replay/replay_player.h"
#include "shell/main_form.h"
#include "store/random.h"

struct TReplayCheck::TMachine {
  TStillClock Clock;
  TNoPicture Display;
  TNoKeys Keyboard;
  TMainForm Form{TPlatform{Clock, Display, Keyboard, nullptr}};
};

TReplayCheck::TReplayCheck(const TReplay& replay) : machine_(std::make_unique<TMachine>()) {
  TMainForm& form = machine_->Form;
  form.DXDraw.SurfaceWidth = form.DXDraw.SurfaceHeight = 1;
  // Start-up draws nothing from the clock; the player seeds the generator itself.
  RandSeed(replay.Start.Seed);
  form.FormCreate();
  TReplayPlayer player(form, replay);
  player.Start();
  while (player.Step()) {
  }
  reached_ = player.Reached();
  difference_ = player.Difference();
}

TReplayCheck::~TReplayCheck() {
  try {
    machine_->Form.Close();
  } catch (const std::exception& error) {
    RecordMediaEvent(std::string("error ") + error.what());
  }
}

TMainForm& TReplayCheck::Form() {
  return machine_->Form;
}
