#include "replay/replay_check.h"

#include <exception>

#include "media/media_events.h"
#include "platform/backend.h"
#include "replay/replay_player.h"
#include "shell/main_form.h"
#include "store/random.h"

namespace {
struct TStillClock : IClock {
  uint32_t Milliseconds() override { return 0; }
};
struct TNoPicture : IDisplayBackend {
  bool Open(int32_t, int32_t, bool) override { return true; }
  void Close() override {}
  bool CanPresent() override { return true; }
  void Present(const TDirectDrawSurface&) override {}
};
struct TNoKeys : IKeyboardBackend {
  bool IsForeground() override { return true; }
  void ReadKeys(std::array<uint8_t, 256>&) override {}
};
}  // namespace

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
