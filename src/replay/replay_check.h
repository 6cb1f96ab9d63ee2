// Checks a replay as fast as it can: a main window of its own with no picture (a one-pixel back
// surface: every drawing call runs and clips away, so every state stays as it would be), no
// sound and no clock, played from start-up to the frame the game ended.
#pragma once
#include <memory>
#include <optional>
#include <string>

#include "replay/replay.h"

class TMainForm;

class TReplayCheck {
 public:
  // Raises EReplayError when the data set does not load or its gameplay data differ.
  explicit TReplayCheck(const TReplay& replay);
  ~TReplayCheck();

  TMainForm& Form();
  const TReplayResult& Reached() const { return reached_; }
  // "FIELD GOT (claimed X)" for the first difference from the claimed result, or nothing.
  const std::optional<std::string>& Difference() const { return difference_; }

 private:
  struct TMachine;
  std::unique_ptr<TMachine> machine_;
  TReplayResult reached_;
  std::optional<std::string> difference_;
};
