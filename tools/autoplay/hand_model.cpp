#include "hand_model.h"

#include <cmath>
#include <cstdlib>

#include "board_reading.h"
#include "media/input.h"
#include "play/game_state.h"
#include "play/side_column.h"
#include "rules/board.h"

namespace {
bool AtomReadyInHand() {
  return Game.Phase == phPlay && Game.QuitPrompt == 0 && Game.QueueCount > 0 && AtomInHandLanded();
}

int AtomsOnBoard() {
  int atoms = 0;
  for (int col = 1; col <= kCols; ++col) {
    for (int row = 1; row <= kRows; ++row) atoms += IsStandingAtom(Game.Board[col][row].Kind);
  }
  return atoms;
}

int StepCol(int32_t key) {
  return key == VK_RIGHT ? 1 : key == VK_LEFT ? -1 : 0;
}

int StepRow(int32_t key) {
  return key == VK_DOWN ? 1 : key == VK_UP ? -1 : 0;
}

int32_t Opposite(int32_t key) {
  switch (key) {
    case VK_LEFT:
      return VK_RIGHT;
    case VK_RIGHT:
      return VK_LEFT;
    case VK_UP:
      return VK_DOWN;
    default:
      return VK_UP;
  }
}

bool OnBoard(int col, int row) {
  return col >= 1 && col <= kCols && row >= 1 && row <= kRows;
}
}  // namespace

THandModel::THandModel(const TPlayerProfile& profile, uint32_t seed)
    : profile_(profile), random_(0x5EED0000ULL ^ (uint64_t{seed} << 20)) {}

int32_t THandModel::ThinkingMs() {
  const double mean = profile_.ThinkBaseMs + profile_.ThinkPerAtomMs * AtomsOnBoard();
  return static_cast<int32_t>(std::lround(mean * random_.SkewedFactor(profile_.ThinkTail)));
}

// Space pressed one cell off, on a standing atom of another kind: the game exchanges it.
TMove THandModel::Slipped(TMove move) {
  if (move.Exchange || !random_.Chance(profile_.SlipExchange)) return move;
  constexpr std::array<std::array<int, 2>, 4> kBeside = {{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};
  const auto& [dc, dr] = kBeside[static_cast<size_t>(random_.Uniform() * 4)];
  const int col = move.Col + dc;
  const int row = move.Row + dr;
  if (!OnBoard(col, row)) return move;
  const int32_t kind = Game.Board[col][row].Kind;
  if (!IsStandingAtom(kind) || kind == Game.Queue[1].Kind) return move;
  ++slips_;
  return {static_cast<uint8_t>(col), static_cast<uint8_t>(row), true};
}

void THandModel::AddPress(int32_t key) {
  // Key timings vary by a fifth either way from press to press.
  const auto vary = [this](int32_t ms) {
    return static_cast<int32_t>(std::lround(ms * (0.8 + 0.4 * random_.Uniform())));
  };
  presses_.push_back({key, vary(profile_.KeyHoldMs), vary(profile_.KeyGapMs)});
}

void THandModel::StartPresses(const TMove& move, int32_t now) {
  std::vector<int32_t> keys;
  const int dx = move.Col - Game.CursorCol;
  const int dy = move.Row - Game.CursorRow;
  for (int i = 0; i < std::abs(dx); ++i) keys.push_back(dx > 0 ? VK_RIGHT : VK_LEFT);
  for (int i = 0; i < std::abs(dy); ++i) keys.push_back(dy > 0 ? VK_DOWN : VK_UP);
  if (!keys.empty() && random_.Chance(profile_.WrongDirection)) {
    // One step the wrong way, seen and undone: two presses more, unless the edge stops it.
    const size_t at = static_cast<size_t>(random_.Uniform() * static_cast<double>(keys.size()));
    int col = Game.CursorCol;
    int row = Game.CursorRow;
    for (size_t i = 0; i < at; ++i) col += StepCol(keys[i]), row += StepRow(keys[i]);
    const int32_t wrong = Opposite(keys[at]);
    if (OnBoard(col + StepCol(wrong), row + StepRow(wrong))) {
      keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(at), {wrong, keys[at]});
      ++slips_;
    }
  }
  keys.push_back(VK_SPACE);
  presses_.clear();
  for (const int32_t key : keys) AddPress(key);
  pressIndex_ = 0;
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
    readyAt_ = now + ThinkingMs();
    stage_ = TStage::Reacting;
  }
  if (stage_ == TStage::Reacting && now >= readyAt_) {
    if (!AtomReadyInHand()) {
      stage_ = TStage::Waiting;
      return down;
    }
    StartPresses(Slipped(ChooseMove(random_.Chance(profile_.ExchangeUse))), now);
  }
  if (stage_ != TStage::Pressing) return down;
  while (now - pressStart_ >= presses_[pressIndex_].HoldMs + presses_[pressIndex_].GapMs) {
    pressStart_ += presses_[pressIndex_].HoldMs + presses_[pressIndex_].GapMs;
    if (++pressIndex_ == presses_.size()) {
      stage_ = TStage::Waiting;
      return KeysFor(now);
    }
  }
  const TPress& press = presses_[pressIndex_];
  if (now - pressStart_ < press.HoldMs) down[static_cast<size_t>(press.Key)] = true;
  return down;
}
