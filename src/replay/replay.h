// A recorded game: how it started, every frame's length and keys, and the result it claims.
// Nothing in it is loaded into the game: playback starts the mode the normal way and reaches the
// board, score and level by playing the frames.
#pragma once
#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

// A replay that cannot be used: damaged, truncated, foreign or made with other gameplay data.
class EReplayError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The keys a game reads, one bit each, in this order.
inline constexpr std::array<int32_t, 9> kReplayKeys = {13, 27, 32, 37, 38, 39, 40, 77, 112};
inline constexpr uint16_t kReplayCheatKeys = (1u << 7) | (1u << 8);  // M and F1

struct TReplayFrame {
  int32_t Lag = 1;         // LagCount, ms
  uint16_t Keys = 0;       // bits by kReplayKeys
  bool Drew = false;       // whether the display could be drawn on
  bool MusicDrew = false;  // whether the music drew a number from the generator
  bool operator==(const TReplayFrame&) const = default;
};

// The mode choice as the starting frame found it.
struct TReplayStart {
  uint32_t Seed = 0;
  uint64_t DrawsBefore = 0;           // numbers the generator gave since the seed
  uint8_t Selected = 1;               // highlighted mode, 1..5
  uint8_t Latches = 0;                // bit 0 up, 1 down, 2 left, 3 right, 4 confirm, 5 back
  std::array<uint8_t, 3> Settings{};  // hudba, zvuky, cisla
  bool operator==(const TReplayStart&) const = default;
};

// What the last frame reached.
struct TReplayResult {
  uint8_t GameMode = 0;
  int32_t LevelNumber = 0;
  int32_t Score = 0;
  uint8_t EndScreen = 0;     // ScreenState after the last frame
  uint64_t StateDigest = 0;  // FinishDigest of the frames played
  bool operator==(const TReplayResult&) const = default;
};

struct TReplay {
  uint64_t GameplayFingerprint = 0;
  uint32_t DailyDate = 0;  // YYYYMMDD of the daily challenge played; 0 for any other game
  TReplayStart Start;
  std::vector<TReplayFrame> Frames;
  TReplayResult Claimed;

  bool CheatKeysUsed() const {
    for (const TReplayFrame& frame : Frames) {
      if ((frame.Keys & kReplayCheatKeys) != 0) return true;
    }
    return false;
  }
  bool operator==(const TReplay&) const = default;
};
