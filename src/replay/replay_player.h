// Plays a replay through a main window whose start-up has run: the recorded keys, frame lengths
// and display states, from the mode choice as the recorded game found it, frame by frame through
// the window's own frame handler.
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "replay/replay.h"

class TMainForm;

class TReplayPlayer {
 public:
  TReplayPlayer(TMainForm& form, TReplay replay);
  // Gives the window its keyboard and display back.
  ~TReplayPlayer();
  TReplayPlayer(const TReplayPlayer&) = delete;
  TReplayPlayer& operator=(const TReplayPlayer&) = delete;

  // Sets up the mode choice as the game found it. Raises EReplayError when the data set did not
  // load or its gameplay data differ from the replay's.
  void Start();
  // Plays one recorded frame; false (and nothing played) once the game has ended.
  bool Step();
  bool Ended() const { return ended_ || played_ == replay_.Frames.size(); }
  size_t FramesPlayed() const { return played_; }
  const TReplay& Replay() const { return replay_; }
  TReplayResult Reached() const;
  // "FIELD GOT (claimed X)" for the first difference from the claimed result, or nothing.
  std::optional<std::string> Difference() const;

 private:
  TMainForm& form_;
  TReplay replay_;
  std::array<uint8_t, 256> keys_{};
  uint64_t digest_ = 0;
  size_t played_ = 0;
  bool ended_ = false;
};
