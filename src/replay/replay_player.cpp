#include "replay/replay_player.h"

#include <cstdio>
#include <exception>
#include <utility>

#include "media/media_events.h"
#include "play/daily_challenge.h"
#include "play/game_state.h"
#include "play/start_game.h"
#include "replay/frame_recorder.h"
#include "replay/game_digest.h"
#include "replay/gameplay_fingerprint.h"
#include "shell/main_form.h"
#include "shell/screen_state.h"
#include "store/random.h"

TReplayPlayer::TReplayPlayer(TMainForm& form, TReplay replay)
    : form_(form), replay_(std::move(replay)) {
  SetReplayPlayback(true);
  form_.DXInput.Keyboard.ForcedKeys = &keys_;
}

TReplayPlayer::~TReplayPlayer() {
  SetReplayPlayback(false);
  // A watch held past its window's life (the game closed while watching) has nothing to give back.
  if (MainForm != &form_) return;
  form_.DXInput.Keyboard.ForcedKeys = nullptr;
  form_.DXDraw.ForcedDrawable.reset();
}

void TReplayPlayer::Start() {
  if (form_.ConfigFailed) throw EReplayError("cannot load the levels (nexoda.cfg)");
  if (form_.GraphicsFailed || form_.SoundsFailed || form_.MusicFailed)
    throw EReplayError("cannot load the game's data set");
  if (GameplayFingerprint() != replay_.GameplayFingerprint)
    throw EReplayError("the replay was made with other gameplay data (the level table differs)");

  const TReplayStart& start = replay_.Start;
  RandSeedAt(start.Seed, start.DrawsBefore);
  Settings = {0, start.Settings[0], start.Settings[1], start.Settings[2]};
  ScreenState = ssModeChoice;
  ShowMenu(ModeLabels, 5, start.Selected);
  LatchUp = start.Latches & 1;
  LatchDown = (start.Latches >> 1) & 1;
  LatchLeft = (start.Latches >> 2) & 1;
  LatchRight = (start.Latches >> 3) & 1;
  LatchConfirm = (start.Latches >> 4) & 1;
  LatchBack = (start.Latches >> 5) & 1;
  // The day's game starts at its briefing: its first frame is already one of the game.
  if (replay_.DailyDate != 0) {
    const auto date = TDailyDate::FromNumber(replay_.DailyDate);
    if (!date) throw EReplayError("the replay is damaged (date)");
    StartDailyGame(*date);
  }
}

bool TReplayPlayer::Step() {
  if (Ended()) return false;
  const TReplayFrame& frame = replay_.Frames[played_];
  keys_.fill(0);
  for (size_t i = 0; i < kReplayKeys.size(); ++i) {
    if ((frame.Keys >> i) & 1) keys_[static_cast<size_t>(kReplayKeys[i])] = 0x80;
  }
  form_.DXDraw.ForcedDrawable = frame.Drew;
  SetPlaybackMusicDraw(frame.MusicDrew);
  try {
    form_.RunFrame(frame.Lag);
  } catch (const std::exception& error) {
    RecordMediaEvent(std::string("error ") + error.what());
  }
  ++played_;
  digest_ = FoldFrameIntoDigest(digest_, form_.DXInput.Keyboard);
  // The first frame leaves the mode choice; the game ends on the frame that leaves play.
  if (ScreenState != ssPlay || form_.Closed()) ended_ = true;
  return true;
}

TReplayResult TReplayPlayer::Reached() const {
  return {Game.GameMode, Game.LevelNumber, Game.Score, ScreenState, FinishDigest(digest_)};
}

std::optional<std::string> TReplayPlayer::Difference() const {
  const TReplayResult got = Reached();
  const TReplayResult& claimed = replay_.Claimed;
  const auto differs = [](const char* field, int64_t value, int64_t claim) {
    return std::string(field) + " " + std::to_string(value) + " (claimed " + std::to_string(claim) +
           ")";
  };
  if (got.GameMode != claimed.GameMode) return differs("GameMode", got.GameMode, claimed.GameMode);
  if (got.LevelNumber != claimed.LevelNumber)
    return differs("LevelNumber", got.LevelNumber, claimed.LevelNumber);
  if (got.Score != claimed.Score) return differs("Score", got.Score, claimed.Score);
  if (played_ != replay_.Frames.size())
    return differs("Frames", static_cast<int64_t>(played_),
                   static_cast<int64_t>(replay_.Frames.size()));
  if (got.EndScreen != claimed.EndScreen)
    return differs("ScreenState", got.EndScreen, claimed.EndScreen);
  if (got.StateDigest != claimed.StateDigest) {
    char text[64];
    std::snprintf(text, sizeof text, "Digest %016llx (claimed %016llx)",
                  static_cast<unsigned long long>(got.StateDigest),
                  static_cast<unsigned long long>(claimed.StateDigest));
    return std::string(text);
  }
  return std::nullopt;
}
