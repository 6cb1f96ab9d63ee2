// Falling, landing and removal of the atoms in the side column.
#include "play/side_column.h"

#include <algorithm>

#include "play/game_state.h"
#include "shell/sound_effects.h"

namespace {
constexpr int32_t kFloorY = 462;
constexpr int32_t kAtomPitch = 33;
}  // namespace

void FallSideColumn(int32_t lagMs, bool landSounds) {
  const int64_t speed = 2 - static_cast<int64_t>(Game.Phase);
  for (int k = 1; k <= Game.QueueCount; ++k) {
    TQueueEntry& entry = Game.Queue[k];
    const int32_t rest = Game.Queue[k - 1].Y - kAtomPitch;
    // Computed wide and clamped to the resting place, so a huge lag cannot overflow Y.
    if (entry.Y < rest)
      entry.Y = static_cast<int32_t>(std::min<int64_t>(entry.Y + lagMs * speed / 3, rest));
    if (entry.Y >= rest) {
      if (landSounds && entry.LandSound != 0) {
        PlaySound("padatomu");
        entry.LandSound = 0;
      }
      entry.Y = rest;
    }
  }
}

bool AtomInHandLanded() {
  return Game.Queue[0].Y - kAtomPitch == Game.Queue[1].Y;
}

void DropAtomInHand(bool withLandSounds) {
  for (int k = 1; k <= Game.QueueCount; ++k) {
    Game.Queue[k - 1].Kind = Game.Queue[k].Kind;
    Game.Queue[k - 1].Y = Game.Queue[k].Y;
    if (withLandSounds) Game.Queue[k - 1].LandSound = Game.Queue[k].LandSound;
  }
  Game.Queue[0].Y = kFloorY;
  Game.QueueCount -= 1;
}

void DrainSideColumn() {
  if (Game.QueueCount > 0 && AtomInHandLanded()) DropAtomInHand(false);
}
