#include "replay/frame_recorder.h"

#include <optional>
#include <utility>

#include "play/daily_challenge.h"
#include "play/game_state.h"
#include "replay/game_digest.h"
#include "replay/gameplay_fingerprint.h"
#include "replay/replay_shelf.h"
#include "shell/main_form.h"
#include "shell/screen_state.h"
#include "store/daily_record.h"
#include "store/random.h"
#include "text/strings.h"

namespace {
// The music chooses among the three play songs.
constexpr int32_t kMusicDrawRange = 3;

struct TRecorderState {
  TReplaySink Sink;
  std::optional<TReplayStart> ModeChoice;  // the mode choice as this frame found it
  std::optional<TReplay> Recording;        // the game being recorded
  uint64_t Digest = 0;                     // of the frames recorded so far
  bool MusicDrew = false;
  bool InNameEntry = false;  // the frame began in the name entry
  bool Playing = false;
  bool PlaybackDrawDue = false;
  int32_t PlaybackSongTurn = 0;
};

TRecorderState& State() {
  static TRecorderState state;
  return state;
}

uint8_t LatchBits() {
  return static_cast<uint8_t>(LatchUp | LatchDown << 1 | LatchLeft << 2 | LatchRight << 3 |
                              LatchConfirm << 4 | LatchBack << 5);
}

void FinishGame() {
  TRecorderState& state = State();
  if (!state.Recording) return;
  TReplay replay = std::move(*state.Recording);
  state.Recording.reset();
  replay.Claimed = {Game.GameMode, Game.LevelNumber, Game.Score, ScreenState,
                    FinishDigest(state.Digest)};
  ShelveReplay(replay);
  // A day's game counts once it reached its result; one quit on the way does not.
  if (replay.DailyDate != 0 && ScreenState == ssGameOver) {
    if (const auto date = TDailyDate::FromNumber(replay.DailyDate))
      NoteDailyScore(*date, Game.Score);
  }
  if (state.Sink) state.Sink(replay);
}

TReplayStart StartAsNow(uint8_t selected) {
  return {RandomSeedInUse(),
          RandomDrawCount(),
          selected,
          LatchBits(),
          {Settings[1], Settings[2], Settings[3]}};
}

void BeginRecording(const TReplayStart& start, uint32_t dailyDate) {
  TRecorderState& state = State();
  state.Recording.emplace();
  state.Recording->GameplayFingerprint = GameplayFingerprint();
  state.Recording->DailyDate = dailyDate;
  state.Recording->Start = start;
  state.Digest = 0;
}
}  // namespace

void SetReplaySink(TReplaySink sink) {
  State().Sink = std::move(sink);
}

TReplayFrameScope::TReplayFrameScope(const TMainForm& form, int32_t lagCount)
    : form_(form), lag_(lagCount) {
  TRecorderState& state = State();
  state.MusicDrew = false;
  state.ModeChoice.reset();
  state.InNameEntry = ScreenState == ssNameEntry;
  if (state.Playing || state.Recording || ScreenState != ssModeChoice) return;
  state.ModeChoice = StartAsNow(HlMenu.Selected);
}

void RecordDailyStart(uint32_t dailyDate) {
  TRecorderState& state = State();
  if (state.Playing) return;
  try {
    // A game left unfinished (the window never closed it) is kept as it stands.
    FinishGame();
    BeginRecording(StartAsNow(3), dailyDate);
  } catch (...) {
    state.Recording.reset();
  }
}

TReplayFrameScope::~TReplayFrameScope() {
  TRecorderState& state = State();
  if (state.Playing) {
    // A recorded draw the playback's own music did not ask for is made all the same.
    if (state.PlaybackDrawDue) Random(kMusicDrawRange);
    state.PlaybackDrawDue = false;
    return;
  }
  try {
    // A name entered for a new record: the game that made it stays with the record.
    if (state.InNameEntry && ScreenState == ssHallOfFame && Game.NewRecord != 0 &&
        Game.GameMode >= 1 && Game.GameMode <= 3 && !Game.EnteredName.empty()) {
      TieLatestGameToRecord(Game.GameMode - 1, Game.EnteredName, IntToText(Game.Score));
    }
    if (!state.Recording && state.ModeChoice && ScreenState == ssPlay) {
      BeginRecording(*state.ModeChoice, 0);
    }
    if (!state.Recording) return;
    state.Recording->Frames.push_back(
        {lag_, ReplayKeyBits(form_.DXInput.Keyboard), drew_, state.MusicDrew});
    state.Digest = FoldFrameIntoDigest(state.Digest, form_.DXInput.Keyboard);
    if (ScreenState != ssPlay) FinishGame();
  } catch (...) {
    // Out of memory while recording: the game goes on unrecorded.
    state.Recording.reset();
  }
}

void ReplayWindowClosing() {
  if (State().Playing) return;
  try {
    FinishGame();
  } catch (...) {
    State().Recording.reset();
  }
}

int32_t MusicRandom(int32_t range) {
  TRecorderState& state = State();
  if (!state.Playing) {
    state.MusicDrew = true;
    return Random(range);
  }
  if (state.PlaybackDrawDue) {
    state.PlaybackDrawDue = false;
    return Random(range);
  }
  // The playback's music wants a song where the recorded game's did not: chosen without a draw.
  state.PlaybackSongTurn = (state.PlaybackSongTurn + 1) % range;
  return state.PlaybackSongTurn;
}

void SetReplayPlayback(bool playing) {
  TRecorderState& state = State();
  state.Playing = playing;
  state.PlaybackDrawDue = false;
  state.Recording.reset();
}

void SetPlaybackMusicDraw(bool musicDrew) {
  State().PlaybackDrawDue = musicDrew;
}
