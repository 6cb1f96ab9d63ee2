// brunival.js/.wasm: the game in a web page. The browser's animation frame drives the frame
// timer; the page's scripts call the exported functions below for keys, focus, sound and state.
#include <emscripten.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "media/display.h"
#include "media/mixer.h"
#include "media/music_library.h"
#include "platform/headless/state_json.h"
#include "platform/store_written.h"
#include "platform/web/idle_rest.h"
#include "platform/web/web_backend.h"
#include "platform/web/web_daily.h"
#include "play/daily_challenge.h"
#include "replay/replay_codec.h"
#include "replay/replay_shelf.h"
#include "replay/replay_watch.h"
#include "shell/daily_start.h"
#include "shell/main_form.h"
#include "shell/screen_state.h"
#include "store/daily_record.h"
#include "store/random.h"
#include "store/registry.h"
#include "text/catalogue.h"

namespace {
// The page mounts its persistent folder here (IndexedDB behind it) before the program starts.
constexpr const char* kStorePath = "/persist/hall-of-fame.store";
struct TWebGame {
  TMixer Mixer{44100};
  TWebClock Clock;
  TWebDisplay Display;
  TWebKeyboard Keyboard;
  TMainForm Form{TPlatform{Clock, Display, Keyboard, &Mixer}};
  bool AudioRunning = false;
  uint32_t LastAdvance = 0;
  std::vector<float> AudioBlock;
  std::string State;
  std::unique_ptr<TReplayWatch> Watch;  // a replay opened by the page
  std::string ReplayBytes;              // the page writes a replay here before opening it
  std::string ReplayMessage;
  std::string ReplayResult = "null";
  int PersistedGames = 0;
  TIdleRest Rest;
  bool OnTimer = false;  // resting without animation frames
};

TWebGame* Game = nullptr;

void ReportError(const std::exception& error) {
  static std::set<std::string> told;
  if (told.insert(error.what()).second) std::fprintf(stderr, "brunival: %s\n", error.what());
}

EM_JS(int, brunival_page_storage_available, (),
      { return Module.brunivalStorageAvailable ? 1 : 0; });
EM_JS(void, brunival_page_store_written, (int written),
      { Module.brunivalStoreWritten(!!written); });
EM_JS(void, brunival_page_closed, (), { Module.brunivalClosed(); });
// A test asked, before the page loaded, to play every frame itself (brunival_test_frame).
EM_JS(int, brunival_page_frames_by_hand, (), { return globalThis.brunivalFramesByHand ? 1 : 0; });
EM_JS(int, brunival_page_pads_connected, (),
      { return Module.brunivalPadsConnected && Module.brunivalPadsConnected() ? 1 : 0; });

// With no game pad to read every animation frame, a resting page asks for no animation frames at
// all (the browser's own cost of them is most of an idle page's): a timer runs the game's frames.
void RestOnTimer(bool onTimer) {
  if (Game->OnTimer == onTimer) return;
  Game->OnTimer = onTimer;
  if (onTimer) {
    emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, TIdleRest::kRestingPeriodMs);
  } else {
    emscripten_set_main_loop_timing(EM_TIMING_RAF, 1);
  }
}

// Frames played by hand (tests) never rest: each is the one asked for.
bool MayRest() {
  return ScreenState != ssPlay && !Game->Watch && !Game->Clock.ByHand();
}

// Outside the main loop: the next animation frame runs the game's frame, not the pending timer.
void WakeUp() {
  Game->Rest.Wake(emscripten_get_now());
  if (!Game->OnTimer || Game->Clock.ByHand()) return;
  RestOnTimer(false);
  emscripten_pause_main_loop();
  emscripten_resume_main_loop();
}

// The store reaches the browser's storage as part of every write, not some frames later: a tab
// closed right after a record must not lose it.
void CarryStoreToPage(const std::string&, bool written) {
  brunival_page_store_written(written ? 1 : 0);
}

void Frame() {
  TWebGame& game = *Game;
  const double frameStart = emscripten_get_now();
  const bool resting = game.Rest.Resting(frameStart, MayRest());
  if (!game.Rest.FrameDue(frameStart, resting && !game.OnTimer)) return;
  game.Clock.Advance();
  const uint32_t picturesShown = game.Display.PicturesShown();
  try {
    game.Form.DXTimer.Tick();
  } catch (const std::exception& error) {
    ReportError(error);
  }
  if (game.Display.PicturesShown() != picturesShown) game.Rest.Wake(frameStart);
  RestOnTimer(game.Rest.Resting(frameStart, MayRest()) && !brunival_page_pads_connected());
  if (!game.AudioRunning) {
    // Until the first key lets the page play sound, the music's time still passes.
    const uint32_t now = game.Clock.Milliseconds();
    game.Mixer.Advance(static_cast<int32_t>(now - game.LastAdvance));
    game.LastAdvance = now;
  }
  if (game.Watch && game.Watch->PlayedToEnd() && game.ReplayResult == "null") {
    const TReplayResult& claimed = game.Watch->Claimed();
    game.ReplayResult = "{\"verified\":" + std::string(game.Watch->Verified() ? "true" : "false") +
                        ",\"mode\":" + std::to_string(claimed.GameMode) +
                        ",\"level\":" + std::to_string(claimed.LevelNumber) +
                        ",\"score\":" + std::to_string(ScoreReached()) + "}";
  }
  if (game.Watch && game.Watch->Finished()) game.Watch.reset();
  // A finished game is kept beside the store: persist it too.
  if (ShelvedGameCount() != game.PersistedGames) {
    game.PersistedGames = ShelvedGameCount();
    if (brunival_page_storage_available()) brunival_page_store_written(1);
  }
  if (game.Form.Closed()) {
    emscripten_cancel_main_loop();
    brunival_page_closed();
  }
}

bool ParseSeed(const char* text, uint32_t& seed) {
  const char* end = text + std::strlen(text);
  const auto [last, error] = std::from_chars(text, end, seed);
  return error == std::errc() && last == end && end != text;
}
}  // namespace

extern "C" {
EMSCRIPTEN_KEEPALIVE void brunival_key(int32_t virtualKey, int32_t down) {
  if (Game == nullptr) return;
  Game->Keyboard.SetKey(virtualKey, down != 0);
  WakeUp();
}

EMSCRIPTEN_KEEPALIVE void brunival_foreground(int32_t foreground) {
  if (Game == nullptr) return;
  WakeUp();
  Game->Keyboard.SetForeground(foreground != 0);
  Game->Form.DXTimer.SetApplicationActive(foreground != 0);
}

EMSCRIPTEN_KEEPALIVE int32_t brunival_sample_rate() {
  return Game != nullptr ? Game->Mixer.SampleRate() : 44100;
}

// The page's audio callback: `frames` interleaved stereo float frames, valid until the next call.
EMSCRIPTEN_KEEPALIVE const float* brunival_audio_render(int32_t frames) {
  if (Game == nullptr || frames <= 0) return nullptr;
  Game->AudioRunning = true;
  Game->AudioBlock.resize(static_cast<size_t>(frames) * 2);
  Game->Mixer.Render(Game->AudioBlock.data(), frames);
  return Game->AudioBlock.data();
}

// Room for a replay of `size` bytes, which the page fills before brunival_open_replay.
EMSCRIPTEN_KEEPALIVE char* brunival_replay_buffer(int32_t size) {
  if (Game == nullptr || size < 0) return nullptr;
  Game->ReplayBytes.assign(static_cast<size_t>(size), '\0');
  return Game->ReplayBytes.data();
}

// Watches the replay in the buffer; "" when it plays, else why it cannot.
EMSCRIPTEN_KEEPALIVE const char* brunival_open_replay() {
  if (Game == nullptr) return "the game has not started";
  Game->ReplayMessage.clear();
  WakeUp();
  try {
    Game->Watch.reset();
    Game->ReplayResult = "null";
    Game->Watch = std::make_unique<TReplayWatch>(Game->Form, DecodeReplay(Game->ReplayBytes),
                                                 TWatchReturn::MainMenu);
  } catch (const std::exception& error) {
    Game->ReplayMessage = error.what();
  }
  return Game->ReplayMessage.c_str();
}

// {verified, mode, level, score} once an opened replay has played to its end (the score this
// browser reached), else null.
EMSCRIPTEN_KEEPALIVE const char* brunival_replay_result() {
  return Game != nullptr ? Game->ReplayResult.c_str() : "null";
}

// Games finished so far, and the replay file of the latest, for the page's link.
EMSCRIPTEN_KEEPALIVE int32_t brunival_games_finished() {
  return ShelvedGameCount();
}
EMSCRIPTEN_KEEPALIVE const char* brunival_latest_game() {
  return LatestShelvedGame().data();
}
EMSCRIPTEN_KEEPALIVE int32_t brunival_latest_game_size() {
  return static_cast<int32_t>(LatestShelvedGame().size());
}

// Tests: one frame of `lag` ms with the keys held now, through the page's own frame and timer;
// from the first call on, the animation frame no longer ticks and the clock moves only here.
EMSCRIPTEN_KEEPALIVE void brunival_test_frame(int32_t lag) {
  if (Game == nullptr) return;
  if (!Game->Clock.ByHand()) {
    emscripten_pause_main_loop();
    Game->Clock.TakeByHand();
  }
  Game->Clock.MoveByHand(lag);
  Frame();
}

// The game's state as one line of JSON, as the headless runner's `state` prints it.
EMSCRIPTEN_KEEPALIVE const char* brunival_state() {
  if (Game == nullptr) return "null";
  Game->State = GameStateJson(Game->Form).dump();
  return Game->State.c_str();
}
}

int main(int argc, char** argv) {
  std::optional<TDailyDate> daily;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--daily") == 0) daily = ParseDailyDate(argv[i + 1]);
    uint32_t seed = 0;
    if (std::strcmp(argv[i], "--seed") == 0 && ParseSeed(argv[i + 1], seed)) RandSeed(seed);
    if (std::strcmp(argv[i], "--lang") == 0 && IsLanguageCode(argv[i + 1]))
      SetLanguage(argv[i + 1]);
  }
  if (brunival_page_storage_available()) {
    UseHighScoreStoreFile(kStorePath);
    SetStoreWrittenHook(CarryStoreToPage);
    KeepReplaysBeside(kStorePath);
    KeepDailyRecordBeside(kStorePath);
  } else {
    UseMemoryHighScoreStore();
  }
  Game = new TWebGame;  // lives as long as the page
  SetMusicOutput(&Game->Mixer);
  Game->LastAdvance = Game->Clock.Milliseconds();
  try {
    Game->Form.FormCreate();
    if (daily) StartDailyChallenge(Game->Form, *daily);
  } catch (const std::exception& error) {
    ReportError(error);
  }
  emscripten_set_main_loop(Frame, 0, false);
  if (brunival_page_frames_by_hand()) emscripten_pause_main_loop();
  return 0;
}
