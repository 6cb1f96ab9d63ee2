#include "replay/replay_watch.h"

#include <exception>
#include <utility>

#include "media/input.h"
#include "media/media_events.h"
#include "play/play_drawing.h"
#include "replay/replay_player.h"
#include "shell/main_form.h"
#include "shell/screen_state.h"
#include "store/random.h"
#include "text/catalogue.h"
#include "text/font_text.h"

namespace {
constexpr int32_t kFastFactor = 4;
constexpr int32_t kEndShownMs = 3000;
// A slow machine plays at most this many recorded frames per shown one and falls behind instead.
constexpr int kMostFramesAtOnce = 2 * kFastFactor;
}  // namespace

// What the watch borrows from the player's own session.
struct TReplayWatch::TSaved {
  std::array<uint8_t, 4> SavedSettings;
  uint32_t Seed;
  uint64_t Draws;
  int32_t TopLine;
};

TReplayWatch::TReplayWatch(TMainForm& form, TReplay replay, TWatchReturn back)
    : form_(form),
      saved_(new TSaved{Settings, RandomSeedInUse(), RandomDrawCount(), InfoTopLine}),
      back_(back),
      claimed_(replay.Claimed),
      cheatKeysUsed_(replay.CheatKeysUsed()) {
  player_ = std::make_unique<TReplayPlayer>(form_, std::move(replay));
  player_->Start();
  form_.FrameOverride = [this](int32_t lagCount) { Frame(lagCount); };
}

TReplayWatch::~TReplayWatch() {
  if (!finished_ && MainForm == &form_) Leave();
}

void TReplayWatch::PlayDueFrames(int32_t lagCount) {
  due_ += int64_t{lagCount} * (fast_ ? kFastFactor : 1);
  bool drew = false;
  form_.DXDraw.PresentHeld = true;
  for (int played = 0; played < kMostFramesAtOnce && !player_->Ended(); ++played) {
    const int32_t lag = player_->Replay().Frames[player_->FramesPlayed()].Lag;
    if (due_ < lag) break;
    due_ -= lag;
    player_->Step();
    drew = drew || player_->Replay().Frames[player_->FramesPlayed() - 1].Drew;
  }
  form_.DXDraw.PresentHeld = false;
  if (player_->Ended()) {
    playedToEnd_ = true;
    verified_ = !player_->Difference().has_value();
  }
  if (!drew && !player_->Ended()) return;
  if (cheatKeysUsed_ && form_.DXDraw.CanDraw()) {
    const std::string& text = Text("replay.cheat");
    DrawFontText("font2", CentredX(640, text), 6, text);
  }
  form_.DXDraw.Flip();
}

void TReplayWatch::Frame(int32_t lagCount) {
  // The watcher's own keys: the window's keyboard, read past the recorded keys.
  TKeyboard& keyboard = form_.DXInput.Keyboard;
  const auto* forced = keyboard.ForcedKeys;
  keyboard.ForcedKeys = nullptr;
  form_.DXInput.Update();
  const bool esc = keyboard.Keys(VK_ESCAPE);
  const bool space = keyboard.Keys(VK_SPACE);
  keyboard.ForcedKeys = forced;
  const bool escPressed = esc && !escDown_;
  if (space && !spaceDown_) fast_ = !fast_;
  escDown_ = esc;
  spaceDown_ = space;
  if (escPressed) return Leave();

  try {
    if (!player_->Ended()) return PlayDueFrames(lagCount);
  } catch (const std::exception& error) {
    RecordMediaEvent(std::string("error ") + error.what());
  }
  heldFor_ += lagCount;
  if (heldFor_ >= kEndShownMs) Leave();
}

void TReplayWatch::Leave() {
  finished_ = true;
  form_.FrameOverride = nullptr;
  form_.DXDraw.PresentHeld = false;
  player_.reset();  // the keyboard and display are the window's again
  Settings = saved_->SavedSettings;
  RandSeedAt(saved_->Seed, saved_->Draws);
  InfoTopLine = saved_->TopLine;
  // Keys still held from watching act only once released.
  LatchUp = LatchDown = LatchLeft = LatchRight = LatchConfirm = LatchBack = 1;
  if (back_ == TWatchReturn::HallOfFame) {
    ScreenState = ssHallOfFame;
  } else {
    ScreenState = ssMainMenu;
    ShowMenu(MainLabels, 5, 1);
  }
}
