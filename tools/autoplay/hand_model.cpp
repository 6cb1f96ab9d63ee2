#include "hand_model.h"

#include <cstdlib>

#include "media/input.h"
#include "play/game_state.h"
#include "play/side_column.h"

namespace {
bool AtomReadyInHand() {
  return Game.Phase == phPlay && Game.QuitPrompt == 0 && Game.QueueCount > 0 && AtomInHandLanded();
}
}  // namespace

void THandModel::StartPresses(const TMove& move, int32_t now) {
  keys_.clear();
  const int dx = move.Col - Game.CursorCol;
  const int dy = move.Row - Game.CursorRow;
  for (int i = 0; i < std::abs(dx); ++i) keys_.push_back(dx > 0 ? VK_RIGHT : VK_LEFT);
  for (int i = 0; i < std::abs(dy); ++i) keys_.push_back(dy > 0 ? VK_DOWN : VK_UP);
  keys_.push_back(VK_SPACE);
  keyIndex_ = 0;
  pressStart_ = now;
  stage_ = TStage::Pressing;
  ++decisions_;
  if (move.Exchange) ++exchanges_;
}

std::array<bool, 256> THandModel::KeysFor(int32_t now) {
  std::array<bool, 256> down{};
  if (stage_ == TStage::Waiting && AtomReadyInHand()) {
    // Counted from the first frame that shows the atom resting in hand, and never overlapping
    // the previous presses: Waiting starts only once they are done.
    readyAt_ = now + kReactionMs;
    stage_ = TStage::Reacting;
  }
  if (stage_ == TStage::Reacting && now >= readyAt_) {
    if (!AtomReadyInHand()) {
      stage_ = TStage::Waiting;
      return down;
    }
    StartPresses(ChooseMove(), now);
  }
  if (stage_ != TStage::Pressing) return down;
  while (now - pressStart_ >= kKeyHoldMs + kKeyGapMs) {
    pressStart_ += kKeyHoldMs + kKeyGapMs;
    if (++keyIndex_ == keys_.size()) {
      stage_ = TStage::Waiting;
      return KeysFor(now);
    }
  }
  if (now - pressStart_ < kKeyHoldMs) down[static_cast<size_t>(keys_[keyIndex_])] = true;
  return down;
}
