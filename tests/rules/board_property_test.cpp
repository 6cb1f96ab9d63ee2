// Random play on random boards: the bond bookkeeping stays consistent after every step, and a
// structure is scored exactly when none of its atoms has a free electron left.
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "board_fixture.h"

namespace {

constexpr const char* kSeedVariable = "BRUNIVAL_RULES_SEED";
constexpr int kSequences = 2500;
constexpr int kStepsPerSequence = 120;

std::string Where(int col, int row) {
  return "cell " + std::to_string(col) + "," + std::to_string(row) + " (" +
         Describe(Game.Board[col][row]) + ")";
}

// Empty when every board invariant holds, otherwise the first one found broken.
std::string BrokenInvariant() {
  for (int col = 0; col < kBoardColumns; ++col) {
    for (int row = 0; row < kBoardRows; ++row) {
      const TBoardCell& cell = Game.Board[col][row];
      const int bonds = cell.BondUp + cell.BondRight + cell.BondDown + cell.BondLeft;
      const bool border = col == 0 || row == 0 || col == kBoardColumns - 1 || row == kBoardRows - 1;
      if (col + 1 < kBoardColumns && cell.BondRight != Game.Board[col + 1][row].BondLeft) {
        return "right bond without left partner at " + Where(col, row);
      }
      if (row + 1 < kBoardRows && cell.BondDown != Game.Board[col][row + 1].BondUp) {
        return "down bond without up partner at " + Where(col, row);
      }
      if (border && (cell.Kind != 0 || cell.FreeElectrons != 0 || bonds != 0)) {
        return "border not empty at " + Where(col, row);
      }
      if (cell.Kind >= 1 && cell.Kind <= 4 && cell.FreeElectrons + bonds != cell.Kind) {
        return "free electrons plus bonds differ from the kind at " + Where(col, row);
      }
      if (cell.Kind == 5 && (cell.FreeElectrons != 5 || bonds != 0)) {
        return "wildcard not open at " + Where(col, row);
      }
      const bool emptyOrExploding = cell.Kind == 0 || (cell.Kind >= 101 && cell.Kind <= 105);
      if (emptyOrExploding && (cell.FreeElectrons != 0 || bonds != 0)) {
        return "empty or exploding cell with electrons or bonds at " + Where(col, row);
      }
      if (!emptyOrExploding && (cell.Kind < 1 || cell.Kind > 5)) {
        return "impossible kind at " + Where(col, row);
      }
    }
  }
  return "";
}

// Size of the bonded structure holding (col, row) when none of its atoms has a free electron
// and the start is an ordinary atom, else 0.
int ClosedStructureSize(int col, int row) {
  const TBoardCell& start = Game.Board[col][row];
  if (start.Kind < 1 || start.Kind > 4) return 0;
  std::vector<std::pair<int, int>> found = {{col, row}};
  std::vector<bool> seen(kBoardColumns * kBoardRows, false);
  seen[col * kBoardRows + row] = true;
  for (size_t i = 0; i < found.size(); ++i) {
    const auto [c, r] = found[i];
    const TBoardCell& cell = Game.Board[c][r];
    if (cell.FreeElectrons != 0) return 0;
    const std::pair<int, int> partners[] = {{c, r - 1}, {c + 1, r}, {c, r + 1}, {c - 1, r}};
    const uint8_t flags[] = {cell.BondUp, cell.BondRight, cell.BondDown, cell.BondLeft};
    for (int d = 0; d < 4; ++d) {
      const auto [pc, pr] = partners[d];
      if (flags[d] == 0 || seen[pc * kBoardRows + pr]) continue;
      seen[pc * kBoardRows + pr] = true;
      found.push_back(partners[d]);
    }
  }
  return static_cast<int>(found.size());
}

class RandomPlay {
 public:
  explicit RandomPlay(uint64_t seed) : random_(seed) {}

  // Runs one sequence on a fresh random board; returns the first fault, or an empty text.
  std::string RunSequence() {
    ClearBoard();
    Game.Score = 0;
    Game.MoleculesMade = 0;
    Game.Level.MinMoleculeSize = Draw(0, 6);
    const int seeded = Draw(0, 30);
    for (int i = 0; i < seeded; ++i) PlaceOnEmptyCell(Draw(3, 4), /*check=*/false);
    for (int step = 0; step < kStepsPerSequence; ++step) {
      std::string fault = RunStep();
      if (fault.empty()) fault = BrokenInvariant();
      if (!fault.empty()) return "step " + std::to_string(step) + ": " + fault;
    }
    return "";
  }

 private:
  int Draw(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  std::string RunStep() {
    const int choice = Draw(0, 99);
    if (choice < 45) return PlaceOnEmptyCell(Draw(1, 5), /*check=*/true);
    if (choice < 75) return ExchangeSomeAtom();
    if (choice < 98) {
      AnimateBoard(Draw(0, 150));
      return "";
    }
    DetonateAll();
    return "";
  }

  std::string PlaceOnEmptyCell(int kind, bool check) {
    const int col = Draw(1, 12);
    const int row = Draw(1, 10);
    if (Game.Board[col][row].Kind != 0) return "";
    PlaceAtom(static_cast<uint8_t>(col), static_cast<uint8_t>(row), kind);
    return check ? CheckAgainstOracle(col, row) : "";
  }

  std::string ExchangeSomeAtom() {
    const int col = Draw(1, 12);
    const int row = Draw(1, 10);
    if (Game.Board[col][row].Kind < 1 || Game.Board[col][row].Kind > 5) return "";
    Exchange(col, row, Draw(1, 5));
    return CheckAgainstOracle(col, row);
  }

  std::string CheckAgainstOracle(int col, int row) {
    if (const std::string fault = BrokenInvariant(); !fault.empty()) return fault;
    const int closed = ClosedStructureSize(col, row);
    const int32_t scoreBefore = Game.Score;
    const int32_t moleculesBefore = Game.MoleculesMade;
    CheckStructure(static_cast<uint8_t>(col), static_cast<uint8_t>(row), Game.MoleculesMade);
    const int32_t gained = Game.Score - scoreBefore;
    if (gained != 50 * closed * closed) {
      return "structure at " + Where(col, row) + " of closed size " + std::to_string(closed) +
             " expected " + std::to_string(50 * closed * closed) + " points, got " +
             std::to_string(gained);
    }
    const int counted = closed > 0 && closed >= Game.Level.MinMoleculeSize ? 1 : 0;
    if (Game.MoleculesMade - moleculesBefore != counted) {
      return "molecule counter moved by " + std::to_string(Game.MoleculesMade - moleculesBefore) +
             ", expected " + std::to_string(counted);
    }
    if (closed > 0 && Game.Board[col][row].Kind < 101) {
      return "scored structure not exploding at " + Where(col, row);
    }
    return "";
  }

  std::mt19937_64 random_;
};

uint64_t ChooseSeed() {
  if (const char* given = std::getenv(kSeedVariable)) return std::strtoull(given, nullptr, 10);
  return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

}  // namespace

TEST(BoardPropertyTest, RandomPlayKeepsBondsConsistentAndScoresOnlyClosedStructures) {
  Game = TGameState{};
  SoundEffects = nullptr;  // no sound list: playing "bum" does nothing
  const uint64_t seed = ChooseSeed();
  RandomPlay play(seed);
  for (int sequence = 0; sequence < kSequences; ++sequence) {
    const std::string fault = play.RunSequence();
    ASSERT_EQ(fault, "") << "sequence " << sequence << "; reproduce with " << kSeedVariable << "="
                         << seed;
  }
}
