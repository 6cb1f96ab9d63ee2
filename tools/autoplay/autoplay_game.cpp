#include "autoplay_game.h"

#include <ostream>
#include <stdexcept>

#include "hand_model.h"
#include "media/media_events.h"
#include "platform/headless/headless_platform.h"
#include "play/game_state.h"
#include "play/start_game.h"
#include "script_line.h"
#include "shell/daily_start.h"
#include "shell/main_form.h"
#include "shell/screen_state.h"
#include "store/level_params.h"
#include "store/random.h"

namespace {
// A 60 Hz display: three frames every 50 ms.
constexpr std::array<int32_t, 3> kFrameLags = {17, 17, 16};

int CountNewBlasts() {
  int count = 0;
  for (int col = 1; col <= 12; ++col) {
    for (int row = 1; row <= 10; ++row) {
      const TBoardCell& cell = Game.Board[col][row];
      count += cell.Kind > 100 && cell.BlastRadius == 0.0 ? 1 : 0;
    }
  }
  return count;
}

void ReleaseAllLatches() {
  LatchUp = LatchDown = LatchLeft = LatchRight = LatchConfirm = LatchBack = 0;
}

// The game as the briefing leaves it when its text has slid away: the level's clock at zero.
void SkipBriefing() {
  Game.Phase = phPlay;
  Game.StateTime = 0;
  Game.OverlaySlide = 0;
  ReleaseAllLatches();
}

bool StillPlaying() {
  return ScreenState == ssPlay && Game.Phase == phPlay;
}
}  // namespace

uint32_t ArcadeSeed(uint32_t run, int level) {
  return run * 20 + static_cast<uint32_t>(level - 1);
}

struct TAutoplayTable::TMachine {
  TScriptClock Clock;
  THeadlessDisplay Display;
  THeadlessKeyboard Keyboard;
  TMainForm Form{TPlatform{Clock, Display, Keyboard, nullptr}};
};

TAutoplayTable::TAutoplayTable() : machine_(std::make_unique<TMachine>()) {
  machine_->Display.Drawable = false;
  machine_->Form.FormCreate();
  const TMainForm& form = machine_->Form;
  if (form.ConfigFailed) throw std::runtime_error("cannot load nexoda.cfg");
  if (form.GraphicsFailed) throw std::runtime_error("cannot load grafika.dat");
  if (form.SoundsFailed) throw std::runtime_error("cannot load zvuky.dat");
  if (form.MusicFailed) throw std::runtime_error("cannot load the songs in mod/");
  TakeMediaEvents();
}

TAutoplayTable::~TAutoplayTable() {
  machine_->Form.Close();
}

TGameOutcome TAutoplayTable::Play(const TGameSetup& setup) {
  RandSeed(setup.Seed);
  ReleaseAllLatches();
  StartGame(setup.Mode);
  if (setup.Mode == 1) {
    Game.LevelNumber = setup.Level;
    Game.Level = ArcadeLevels.at(setup.Level);
    if (setup.TimeLimitMs > 0) Game.Level.TimeLimit = setup.TimeLimitMs;
    if (setup.MoleculeGoal > 0) Game.Level.MoleculeGoal = setup.MoleculeGoal;
    if (setup.SupplyIntervalMs > 0) Game.Level.SupplyInterval = setup.SupplyIntervalMs;
  }
  SkipBriefing();

  THandModel hand(setup.Profile, setup.Seed);
  TGameOutcome outcome;
  int32_t now = 0;
  for (size_t frame = 0; StillPlaying() && now < kLongestModeGameMs; ++frame) {
    const int32_t lag = kFrameLags[frame % kFrameLags.size()];
    machine_->Keyboard.Hold(hand.KeysFor(now));
    const int32_t moleculesBefore = Game.MoleculesMade;
    machine_->Clock.Advance(static_cast<uint32_t>(lag));
    machine_->Form.DXTimer.Tick();
    if (!StillPlaying()) break;
    now += lag;
    const int blasts = CountNewBlasts();
    if (Game.MoleculesMade > moleculesBefore) {
      outcome.Molecules += Game.MoleculesMade - moleculesBefore;
    } else {
      outcome.AtomsWasted += blasts;
    }
    if (frame % 64 == 0) TakeMediaEvents();
  }
  TakeMediaEvents();
  outcome.PlayedMs = now;
  outcome.AtomsPlaced = hand.Decisions();
  outcome.Exchanges = hand.Exchanges();
  outcome.Slips = hand.Slips();
  const bool result = ScreenState == ssPlay && Game.Phase == phResult;
  if (setup.Mode == 1 && result) {
    outcome.Won = true;
    outcome.TimeLeftMs = Game.Level.TimeLimit - Game.ResultTime;
  }
  if (setup.Mode == 3) outcome.Won = result && Game.ResultTime > 0;
  // Leaves the table quiet for the next game: the play screen ends and no key stays down.
  ScreenState = ssMainMenu;
  return outcome;
}

TGameOutcome TAutoplayTable::PlayDaily(const TDailyDate& date, const TPlayerProfile& profile,
                                       uint32_t seed, std::ostream* script) {
  // The end screen moves on to the menu only on frames that draw.
  machine_->Display.Drawable = true;
  ReleaseAllLatches();
  StartDailyChallenge(machine_->Form, date);
  THandModel hand(profile, seed);
  TGameOutcome outcome;
  int32_t playStart = -1;
  int32_t now = 0;
  int32_t enterHeld = 0;
  for (size_t frame = 0; ScreenState == ssPlay || ScreenState == ssGameOver; ++frame) {
    if (now > kLongestModeGameMs) break;
    const int32_t lag = kFrameLags[frame % kFrameLags.size()];
    std::array<bool, 256> keys{};
    if (ScreenState == ssPlay && Game.Phase == phBriefing && Game.OverlaySlide == 0 &&
        Game.StateTime > Game.Level.BriefingDelay + 400 && enterHeld < 6) {
      keys[13] = true;  // read the briefing, then Enter for about 100 ms
      ++enterHeld;
    } else if (StillPlaying()) {
      if (playStart < 0) playStart = now;
      keys = hand.KeysFor(now - playStart);
    }
    machine_->Keyboard.Hold(keys);
    if (script != nullptr) *script << ScriptFrameLine(lag, keys) << '\n';
    machine_->Clock.Advance(static_cast<uint32_t>(lag));
    machine_->Form.DXTimer.Tick();
    now += lag;
    if (StillPlaying()) outcome.PlayedMs = now - playStart;
    if (ScreenState == ssPlay && Game.Phase == phResult) outcome.Won = Game.BoardCleared != 0;
    if (frame % 64 == 0) TakeMediaEvents();
  }
  TakeMediaEvents();
  machine_->Display.Drawable = false;
  outcome.Score = Game.Score;
  outcome.AtomsPlaced = hand.Decisions();
  outcome.Exchanges = hand.Exchanges();
  outcome.Slips = hand.Slips();
  ScreenState = ssMainMenu;
  return outcome;
}
