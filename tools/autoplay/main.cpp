// brunival-autoplay: an automatic player that plays real games and measures how hard each level
// is for people: a quick, an average and a beginning player (`--profile`).
//
// How it plays. It runs the real main window, frame by frame at 60 Hz (17, 17, 16 ms), with no
// drawing and no sound device, and holds keys exactly as a keyboard would report them. It reads
// only what the screen shows: the board (atoms, bonds, free electrons), the atom in hand, the
// cursor, and the level's minimum size from the briefing.
//
// Its hands (hand_model.h, player_profile.h): once the atom in hand is seen resting at the foot
// of the column, it thinks for a time that grows with the atoms on the board and varies like a
// person's, then decides once. It walks the cursor one cell per key press, horizontal steps
// first, and presses Space; sometimes an arrow goes the wrong way and is undone, sometimes Space
// lands one cell off on an atom and exchanges it. Whether it thinks of exchanging at all is
// drawn per decision. The thinking time is counted only after the previous presses are over.
//
// Its judgement: every empty cell, and every atom an exchange could replace, is tried with the
// game's own bonding and structure rules on the real board, which is then put back. A trial is
// worth
//   + 600 for a closed molecule that counts (less 4 per atom beyond the minimum size),
//   - 10 per atom of a closed structure too small to count (atoms wasted),
//   and for every open structure left standing:
//   + 12 per atom up to the minimum size (growing towards a molecule that counts),
//   - 14 per free electron (each one still needs an atom),
//   - 20 per structure (many half-built structures fill the board),
//   or, when one of its atoms has more free electrons than empty cells beside it (it can never
//   close, and it holds its cells for good), - 80 and - 15 per atom;
//   + 10 per electron an empty cell saves, where it lies beside several atoms with free electrons
//   (one atom put there closes them all at once: compact shapes close sooner);
//   - 1.5 per cursor step (time).
// An exchange is tried only if it closes a molecule that counts, and then costs 50 for the atom
// it hands back. The best trial wins; ties go to the first cell column by column.
//
// In "destrukce" it plays for an empty board instead: everything standing should grow into one
// structure whose last free electron closes it. A trial is worth
//   + 100000 when the board is empty,
//   - 60 per free electron, - 60 per structure beyond the first, - 5 per atom standing,
//   - 150 per atom with more free electrons than empty cells beside it,
//   + 30 per electron an empty cell saves (as above).
// A closed molecule earns nothing of itself: it counts only by what it takes off the board. Any
// exchange is tried, worth the best place for the atom it hands back, less 60 (the column does
// not shrink meanwhile); it is how an atom that can never close, such as a seeded four on the
// edge, leaves the board.
//
// Seeded: the game's one random generator is seeded per game, and the player's slips and pace come
// from its own generator seeded from the same seed, so a seed replays the same game.
#include <array>
#include <charconv>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "autoplay_game.h"
#include "level_measure.h"
#include "play/daily_challenge.h"
#include "play/game_state.h"

namespace {
int Usage(const std::string& message) {
  std::cerr << "brunival-autoplay: " << message << "\n"
            << "usage: brunival-autoplay [--data DIR] [--profile NAME] COMMAND\n"
               "  measure [--games N] [--first-run R] [--levels LIST] [--csv FILE]\n"
               "          [--games-csv FILE] [--time-limit MS] [--goal N] [--supply MS]\n"
               "  play LEVEL SEED\n"
               "  daily YYYY-MM-DD [SEED [SCRIPT-FILE]]\n"
               "  band BAND-FILE\n"
               "NAME is quick, average (the default) or beginner. LEVEL is 1..20, bitva or\n"
               "destrukce; LIST is such names and ranges like 1-20, separated by commas. Run R\n"
               "plays arcade level L with the seed 20 R + L - 1. A BAND-FILE has the lines\n"
               "\"runs FIRST COUNT\" and \"LEVEL LOWEST HIGHEST\": the games each level must win.\n"
               "daily plays that day's challenge from its briefing to the menu; SEED varies the\n"
               "player, and SCRIPT-FILE gets the frames as brunival-headless --daily plays them.\n";
  return 2;
}

bool ParseNumber(const std::string& text, uint32_t& value) {
  const char* end = text.data() + text.size();
  const auto [last, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && last == end && !text.empty();
}

bool ParseLevel(const std::string& name, TGameSetup& setup) {
  uint32_t number = 0;
  if (name == "bitva" || name == "destrukce") {
    setup.Mode = name == "bitva" ? 2 : 3;
    return true;
  }
  if (!ParseNumber(name, number) || number < 1 || number > 20) return false;
  setup.Mode = 1;
  setup.Level = static_cast<uint8_t>(number);
  return true;
}

bool ParseLevelList(const std::string& list, std::vector<TGameSetup>& levels) {
  std::stringstream items(list);
  std::string item;
  while (std::getline(items, item, ',')) {
    const size_t dash = item.find('-');
    TGameSetup first;
    TGameSetup last;
    if (dash == std::string::npos) {
      if (!ParseLevel(item, first)) return false;
      levels.push_back(first);
      continue;
    }
    if (!ParseLevel(item.substr(0, dash), first) || !ParseLevel(item.substr(dash + 1), last) ||
        first.Mode != 1 || last.Mode != 1 || first.Level > last.Level) {
      return false;
    }
    for (int level = first.Level; level <= last.Level; ++level) {
      TGameSetup setup;
      setup.Level = static_cast<uint8_t>(level);
      levels.push_back(setup);
    }
  }
  return !levels.empty();
}

TPlayerProfile Profile = AverageProfile();

// Output files named relative to where the command was started, not to the data directory.
std::filesystem::path StartDirectory;

std::string FromStartDirectory(const std::string& path) {
  return (StartDirectory / path).string();
}

int Measure(const std::vector<std::string>& args) {
  std::map<std::string, std::string> options = {
      {"--games", "200"}, {"--first-run", "1"}, {"--levels", "1-20,bitva,destrukce"},
      {"--csv", ""},      {"--games-csv", ""},  {"--time-limit", "0"},
      {"--goal", "0"},    {"--supply", "0"}};
  for (size_t i = 0; i < args.size(); i += 2) {
    if (!options.contains(args[i]) || i + 1 >= args.size()) {
      return Usage("bad measure option " + args[i]);
    }
    options[args[i]] = args[i + 1];
  }
  uint32_t games = 0;
  uint32_t firstRun = 0;
  uint32_t timeLimit = 0;
  uint32_t goal = 0;
  uint32_t supply = 0;
  if (!ParseNumber(options["--goal"], goal) || !ParseNumber(options["--supply"], supply) ||
      !ParseNumber(options["--games"], games) || games == 0 ||
      !ParseNumber(options["--first-run"], firstRun) ||
      !ParseNumber(options["--time-limit"], timeLimit)) {
    return Usage("--games, --first-run, --time-limit, --goal and --supply take whole numbers");
  }
  const std::string list = options["--levels"];
  const std::string csvPath = options["--csv"];
  const std::string gamesPath = options["--games-csv"];
  std::vector<TGameSetup> levels;
  if (!ParseLevelList(list, levels)) return Usage("bad level list " + list);
  std::ofstream csvFile;
  if (!csvPath.empty()) {
    csvFile.open(FromStartDirectory(csvPath));
    if (!csvFile) return Usage("cannot write " + csvPath);
  }
  std::ostream& csv = csvPath.empty() ? std::cout : csvFile;
  std::ofstream gamesFile;
  if (!gamesPath.empty()) {
    gamesFile.open(FromStartDirectory(gamesPath));
    if (!gamesFile) return Usage("cannot write " + gamesPath);
    WriteGamesCsvHeader(gamesFile);
  }
  TAutoplayTable table;
  WriteFiguresCsvHeader(csv);
  for (TGameSetup level : levels) {
    level.TimeLimitMs = static_cast<int32_t>(timeLimit);
    level.MoleculeGoal = static_cast<int32_t>(goal);
    level.SupplyIntervalMs = static_cast<int32_t>(supply);
    level.Profile = Profile;
    WriteFiguresCsvRow(csv, MeasureLevel(table, level, static_cast<int32_t>(games), firstRun,
                                         gamesPath.empty() ? nullptr : &gamesFile));
  }
  return 0;
}

void PrintOutcome(const std::string& level, uint32_t seed, const TGameOutcome& outcome) {
  std::cout << "level " << level << " seed " << seed << ": " << (outcome.Won ? "won" : "lost")
            << ", played " << outcome.PlayedMs / 1000.0 << " s, time left "
            << outcome.TimeLeftMs / 1000 << " s, molecules " << outcome.Molecules << ", atoms "
            << outcome.AtomsPlaced << ", wasted " << outcome.AtomsWasted << ", exchanges "
            << outcome.Exchanges << ", slips " << outcome.Slips << ", "
            << (outcome.PlayedMs > 0 ? outcome.AtomsPlaced * 60000.0 / outcome.PlayedMs : 0.0)
            << " atoms a minute\n";
}

// The board as the game ended, one cell as kind and free electrons ("." empty).
void PrintBoard() {
  for (int row = 1; row <= 10; ++row) {
    for (int col = 1; col <= 12; ++col) {
      const TBoardCell& cell = Game.Board[col][row];
      const int kind = cell.Kind % 100;
      if (kind == 0) {
        std::cout << " . ";
      } else {
        std::cout << ' ' << kind << static_cast<int>(cell.FreeElectrons);
      }
    }
    std::cout << '\n';
  }
}

int PlayOne(const std::vector<std::string>& args) {
  TGameSetup setup;
  if (args.size() != 2 || !ParseLevel(args[0], setup) || !ParseNumber(args[1], setup.Seed)) {
    return Usage("play needs LEVEL SEED");
  }
  setup.Profile = Profile;
  TAutoplayTable table;
  PrintOutcome(args[0], setup.Seed, table.Play(setup));
  PrintBoard();
  return 0;
}

int PlayDaily(const std::vector<std::string>& args) {
  const std::optional<TDailyDate> date = args.empty() ? std::nullopt : ParseDailyDate(args[0]);
  uint32_t seed = 1;
  if (!date || args.size() > 3 || (args.size() >= 2 && !ParseNumber(args[1], seed))) {
    return Usage("daily needs a date YYYY-MM-DD, then optionally a seed and a script file");
  }
  std::ofstream script;
  if (args.size() == 3) {
    script.open(FromStartDirectory(args[2]));
    if (!script) return Usage("cannot write " + args[2]);
  }
  TAutoplayTable table;
  const TGameOutcome outcome =
      table.PlayDaily(*date, Profile, seed, script.is_open() ? &script : nullptr);
  PrintOutcome("daily " + args[0], seed, outcome);
  std::cout << "score " << outcome.Score << '\n';
  return 0;
}

// Every arcade level must win a number of the given runs within its band; a level outside is
// named. The bands are what the measurement on other runs predicts (scripts/levels.sh).
int CheckBands(const std::vector<std::string>& args) {
  if (args.size() != 1) return Usage("band needs one band file");
  std::ifstream file(FromStartDirectory(args[0]));
  if (!file) return Usage("cannot read " + args[0]);
  uint32_t firstRun = 0;
  uint32_t runs = 0;
  std::vector<std::array<uint32_t, 3>> bands;
  std::string line;
  for (int lineNumber = 1; std::getline(file, line); ++lineNumber) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string first;
    std::array<std::string, 2> numbers;
    fields >> first >> numbers[0] >> numbers[1];
    std::array<uint32_t, 3> band{};
    const bool numbersRead = ParseNumber(numbers[0], band[1]) && ParseNumber(numbers[1], band[2]);
    if (first == "runs" && numbersRead) {
      firstRun = band[1];
      runs = band[2];
    } else if (ParseNumber(first, band[0]) && band[0] >= 1 && band[0] <= 20 && numbersRead) {
      bands.push_back(band);
    } else {
      std::cerr << args[0] << ':' << lineNumber
                << ": expected \"runs FIRST COUNT\" or \"LEVEL LOWEST HIGHEST\"\n";
      return 2;
    }
  }
  if (runs == 0 || bands.empty()) return Usage(args[0] + " names no runs or no levels");
  TAutoplayTable table;
  int outside = 0;
  for (const auto& [level, lowest, highest] : bands) {
    TGameSetup setup;
    setup.Level = static_cast<uint8_t>(level);
    setup.Profile = Profile;
    const TLevelFigures figures = MeasureLevel(table, setup, static_cast<int32_t>(runs), firstRun);
    const auto wins = static_cast<uint32_t>(figures.Wins);
    const bool inside = wins >= lowest && wins <= highest;
    outside += inside ? 0 : 1;
    std::cout << "level " << level << ": won " << wins << " of " << runs << ", band " << lowest
              << ".." << highest << (inside ? "" : "  OUTSIDE") << '\n';
  }
  std::cout << (outside == 0 ? "every level inside its band\n" : "levels outside their band\n");
  return outside == 0 ? 0 : 1;
}
}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  StartDirectory = std::filesystem::current_path();
  while (args.size() >= 2 && (args[0] == "--data" || args[0] == "--profile")) {
    if (args[0] == "--data" && chdir(args[1].c_str()) != 0) {
      return Usage("cannot enter " + args[1]);
    }
    if (args[0] == "--profile") {
      const std::optional<TPlayerProfile> profile = FindProfile(args[1]);
      if (!profile) return Usage("unknown profile " + args[1]);
      Profile = *profile;
    }
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) return Usage("no command");
  const std::string command = args[0];
  args.erase(args.begin());
  try {
    if (command == "measure") return Measure(args);
    if (command == "play") return PlayOne(args);
    if (command == "band") return CheckBands(args);
    if (command == "daily") return PlayDaily(args);
  } catch (const std::exception& error) {
    std::cerr << "brunival-autoplay: " << error.what() << '\n';
    return 1;
  }
  return Usage("unknown command " + command);
}
