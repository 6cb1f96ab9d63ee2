// The one place where games become replays: the frame handler opens a TReplayFrameScope around
// every frame, whichever back end ticks it. A game is recorded from the frame that leaves the
// mode choice for the play screen to the frame that leaves the play screen (the result, or the
// quit question answered), or to the window's close.
#pragma once
#include <cstdint>
#include <functional>

#include "replay/replay.h"

class TMainForm;

// Receives every finished game (the runner's --record, the kept replays). Empty: none kept.
using TReplaySink = std::function<void(const TReplay&)>;
void SetReplaySink(TReplaySink sink);

class TReplayFrameScope {
 public:
  TReplayFrameScope(const TMainForm& form, int32_t lagCount);
  // Records the frame, also one an error abandoned (what it changed before is part of the game).
  ~TReplayFrameScope();
  TReplayFrameScope(const TReplayFrameScope&) = delete;
  TReplayFrameScope& operator=(const TReplayFrameScope&) = delete;

  // The screen's frame returned whether it drew.
  void SetDrew(bool drew) { drew_ = drew; }

 private:
  const TMainForm& form_;
  int32_t lag_;
  bool drew_ = true;  // an abandoned frame raised while drawing
};

// The daily challenge starts outside the mode choice, once start-up is done: it is recorded from
// the next frame on. Called just before the game is set up.
void RecordDailyStart(uint32_t dailyDate);

// The window closes: a game being recorded ends here.
void ReplayWindowClosing();

// The music's draw from the shared generator. While playing a replay the music draws nothing by
// itself; exactly the recorded draws are made, so the atoms come as they came.
int32_t MusicRandom(int32_t range);

// Playback (TReplayPlayer): no recording; the current frame's recorded music draw.
void SetReplayPlayback(bool playing);
void SetPlaybackMusicDraw(bool musicDrew);
