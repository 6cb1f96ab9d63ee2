#include "replay/game_digest.h"

#include "media/input.h"
#include "play/game_state.h"
#include "replay/fnv1a.h"
#include "replay/replay.h"
#include "shell/screen_state.h"

uint16_t ReplayKeyBits(const TKeyboard& keyboard) {
  uint16_t bits = 0;
  for (size_t i = 0; i < kReplayKeys.size(); ++i) {
    if (keyboard.Keys(kReplayKeys[i])) bits |= static_cast<uint16_t>(1u << i);
  }
  return bits;
}

uint64_t FoldFrameIntoDigest(uint64_t digest, const TKeyboard& keyboard) {
  TFnv1a hash(digest);
  for (int64_t value :
       {int64_t{ReplayKeyBits(keyboard)}, int64_t{ScreenState}, int64_t{LatchUp},
        int64_t{LatchDown}, int64_t{LatchLeft}, int64_t{LatchRight}, int64_t{LatchConfirm},
        int64_t{LatchBack}, int64_t{Game.StateTime}, int64_t{Game.Score}, int64_t{Game.Phase},
        int64_t{Game.QueueCount}, int64_t{Game.CursorCol}, int64_t{Game.CursorRow}}) {
    hash.Add(value);
  }
  return hash.Value();
}

// NewRecord and EnteredName are left out: they follow the hall of fame the game was played
// beside, which a replay does not carry.
uint64_t FinishDigest(uint64_t digest) {
  TFnv1a hash(digest);
  hash.Add(int64_t{ScreenState});
  hash.Add(int64_t{Game.StateTime});
  hash.Add(int64_t{Game.QueueCount});
  for (const TQueueEntry& entry : Game.Queue) {
    hash.Add(int64_t{entry.Kind});
    hash.Add(int64_t{entry.Y});
    hash.Add(int64_t{entry.LandSound});
  }
  for (int64_t value :
       {int64_t{Game.CursorCol}, int64_t{Game.CursorRow}, int64_t{Game.CursorStepX},
        int64_t{Game.CursorStepY}, int64_t{Game.CursorPulseStep}, int64_t{Game.CursorPulse}}) {
    hash.Add(value);
  }
  hash.Add(Game.CursorOffsetX);
  hash.Add(Game.CursorOffsetY);
  for (const auto& column : Game.Board) {
    for (const TBoardCell& cell : column) {
      for (int64_t value :
           {int64_t{cell.Kind}, int64_t{cell.FreeElectrons}, int64_t{cell.BondUp},
            int64_t{cell.BondDown}, int64_t{cell.BondLeft}, int64_t{cell.BondRight}}) {
        hash.Add(value);
      }
      hash.Add(cell.ElectronAngle);
      hash.Add(cell.BlastRadius);
    }
  }
  for (int64_t value : {int64_t{Game.Score}, int64_t{Game.GameMode}, int64_t{Game.QuitPrompt},
                        int64_t{Game.LevelNumber}, int64_t{Game.Phase}, int64_t{Game.MoleculesMade},
                        int64_t{Game.ResultTime}, int64_t{Game.OverlaySlide},
                        int64_t{Game.NextAtomTime}, int64_t{Game.BoardCleared}}) {
    hash.Add(value);
  }
  return hash.Value();
}
