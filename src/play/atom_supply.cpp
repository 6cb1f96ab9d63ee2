// When a new atom enters the side column, which kind it is, and the alarm around an overflow.
#include "play/atom_supply.h"

#include "play/game_state.h"
#include "play/play_math.h"
#include "shell/sound_effects.h"
#include "store/random.h"

bool AllowsAtomKind(const std::string& atomKinds, int32_t kind) {
  return kind >= 1 && static_cast<size_t>(kind) <= atomKinds.size() && atomKinds[kind - 1] == 'A';
}

namespace {
uint8_t KindForDraw(int32_t r) {
  if (r <= 4) return 5;
  if (r <= 23) return 4;
  if (r <= 45) return 3;
  if (r <= 70) return 2;
  return 1;
}

bool AllowsAnyKind(const std::string& atomKinds) {
  for (int32_t kind = 1; kind <= 5; ++kind) {
    if (AllowsAtomKind(atomKinds, kind)) return true;
  }
  return false;
}

bool AtomDue() {
  const bool goalOpen = Game.MoleculesMade < Game.Level.MoleculeGoal || Game.GameMode != 1;
  const bool columnEmpty = Game.QueueCount == 0;
  const bool intervalPassed = Game.StateTime > Game.NextAtomTime && Game.GameMode != 4;
  return goalOpen && (columnEmpty || intervalPassed);
}
}  // namespace

uint8_t ChooseAtomKind(const std::string& atomKinds) {
  if (!AllowsAnyKind(atomKinds)) return 1;
  for (;;) {
    const uint8_t kind = KindForDraw(GameRandom(100));
    if (AllowsAtomKind(atomKinds, kind)) return kind;
  }
}

void SupplyAtoms() {
  // The mode rules end the game at 11 atoms, so the column never needs more than 12 places;
  // the guard only keeps a broken state from writing past the record.
  if (!AtomDue() || Game.QueueCount + 1 >= static_cast<int>(Game.Queue.size())) return;
  Game.NextAtomTime = SaturatingAdd(Game.StateTime, Game.Level.SupplyInterval);
  Game.QueueCount += 1;
  TQueueEntry& entry = Game.Queue[Game.QueueCount];
  entry.Y = 26;
  entry.Kind = ChooseAtomKind(Game.Level.AtomKinds);
  entry.LandSound = 1;
  if (Game.QueueCount == 10) PlaySound("alert");
  // "trenink b" throws the whole column away instead of failing.
  if (Game.QueueCount == 11 && Game.GameMode == 5) Game.QueueCount = 0;
  if (Game.QueueCount == 11) StopSound("alert");
}
