// Watching a replay in the game's window: the window's frames play the recorded ones at their
// recorded pace (Space: four at a time), Esc leaves; the end is held for a moment, then the
// window goes back where the watch was started from, with the player's settings and generator.
#pragma once
#include <cstdint>
#include <memory>

#include "replay/replay.h"

class TMainForm;
class TReplayPlayer;

enum class TWatchReturn { MainMenu, HallOfFame };

class TReplayWatch {
 public:
  // Takes over the window's frames. Raises EReplayError when the replay's gameplay data differ.
  TReplayWatch(TMainForm& form, TReplay replay, TWatchReturn back);
  ~TReplayWatch();
  TReplayWatch(const TReplayWatch&) = delete;
  TReplayWatch& operator=(const TReplayWatch&) = delete;

  bool Finished() const { return finished_; }
  bool Fast() const { return fast_; }
  // Whether it has played to its end, and reached the result it claims.
  bool PlayedToEnd() const { return playedToEnd_; }
  bool Verified() const { return verified_; }
  const TReplayResult& Claimed() const { return claimed_; }

 private:
  struct TSaved;
  void Frame(int32_t lagCount);
  void PlayDueFrames(int32_t lagCount);
  void Leave();

  TMainForm& form_;
  std::unique_ptr<TReplayPlayer> player_;
  std::unique_ptr<TSaved> saved_;
  TWatchReturn back_;
  TReplayResult claimed_;
  bool cheatKeysUsed_;
  int64_t due_ = 0;      // recorded milliseconds owed to the watcher
  int32_t heldFor_ = 0;  // ms the end has been shown
  bool escDown_ = true;  // keys that were down when the watch began act only once released
  bool spaceDown_ = true;
  bool fast_ = false;
  bool playedToEnd_ = false;
  bool verified_ = false;
  bool finished_ = false;
};
