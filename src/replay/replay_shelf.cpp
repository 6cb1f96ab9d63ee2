#include "replay/replay_shelf.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

#include "platform/file_system.h"
#include "replay/replay_codec.h"
#include "store/high_scores.h"

namespace {
constexpr const char* kIndexName = "records.txt";

struct TTie {
  int Table = 0;
  std::string Name;
  std::string Score;
  std::string File;
};

// A folder of files, or the same in memory.
class TShelf {
 public:
  void UseFolder(std::string folder) {
    folder_ = std::move(folder);
    memory_.clear();
  }
  bool InMemory() const { return folder_.empty(); }
  std::string Path(const std::string& name) const {
    return Utf8FromPath(PathFromUtf8(folder_) / PathFromUtf8(name));
  }

  bool Write(const std::string& name, const std::string& bytes) {
    if (InMemory()) {
      memory_[name] = bytes;
      return true;
    }
    std::error_code error;
    std::filesystem::create_directories(PathFromUtf8(folder_), error);
    return ReplaceFileDurably(Path(name), Path(name) + ".new", bytes);
  }
  std::optional<std::string> Read(const std::string& name) const {
    if (InMemory()) {
      const auto found = memory_.find(name);
      return found == memory_.end() ? std::nullopt : std::optional(found->second);
    }
    std::string bytes;
    if (ReadSmallFile(Path(name), 32u << 20, bytes) != TReadFileResult::kRead) return std::nullopt;
    return bytes;
  }
  void Remove(const std::string& name) {
    if (InMemory()) {
      memory_.erase(name);
      return;
    }
    std::error_code error;
    std::filesystem::remove(PathFromUtf8(Path(name)), error);
  }
  // The numbers of the kept games, lowest first.
  std::vector<int> GameNumbers() const {
    std::vector<int> numbers;
    const auto take = [&](const std::string& name) {
      int number = 0;
      char tail[16] = {};
      if (std::sscanf(name.c_str(), "game-%d.replay%15s", &number, tail) == 1) {
        numbers.push_back(number);
      }
    };
    if (InMemory()) {
      for (const auto& [name, bytes] : memory_) take(name);
    } else {
      std::error_code error;
      for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(folder_), error)) {
        take(Utf8FromPath(entry.path().filename()));
      }
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
  }

 private:
  std::string folder_;
  std::map<std::string, std::string> memory_;
};

int shelvedGames = 0;
std::string latestGame;
std::string latestGamePath;

TShelf& Shelf() {
  static TShelf shelf;
  return shelf;
}

std::string GameName(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "game-%04d.replay", number);
  return name;
}

// Names hold letters, digits, '-' and '.'; anything else is written as %XX.
std::string Escape(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (std::isalnum(c) || c == '-' || c == '.') {
      out += static_cast<char>(c);
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      out += hex;
    }
  }
  return out.empty() ? "%" : out;
}

std::string Unescape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else if (text[i] != '%') {
      out += text[i];
    }
  }
  return out;
}

std::vector<TTie> ReadTies() {
  std::vector<TTie> ties;
  const auto bytes = Shelf().Read(kIndexName);
  if (!bytes) return ties;
  std::istringstream lines(*bytes);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    TTie tie;
    std::string name;
    if (!(fields >> tie.Table >> name >> tie.Score >> tie.File)) continue;
    if (tie.Table < 0 || tie.Table > 2 || tie.File.find('/') != std::string::npos) continue;
    try {
      tie.Name = Unescape(name);
    } catch (const std::exception&) {
      continue;  // a damaged line ties nothing
    }
    ties.push_back(tie);
  }
  return ties;
}

void WriteTies(const std::vector<TTie>& ties) {
  std::string text;
  for (const TTie& tie : ties) {
    text += std::to_string(tie.Table) + ' ' + Escape(tie.Name) + ' ' + Escape(tie.Score) + ' ' +
            tie.File + '\n';
  }
  Shelf().Write(kIndexName, text);
}

bool Tied(const std::vector<TTie>& ties, const std::string& file) {
  return std::any_of(ties.begin(), ties.end(), [&](const TTie& tie) { return tie.File == file; });
}

// Drops games older than the last kRecentGamesKept that no record needs.
void DropOldGames(const std::vector<TTie>& ties) {
  const std::vector<int> numbers = Shelf().GameNumbers();
  const size_t old = numbers.size() > kRecentGamesKept ? numbers.size() - kRecentGamesKept : 0;
  for (size_t i = 0; i < old; ++i) {
    if (!Tied(ties, GameName(numbers[i]))) Shelf().Remove(GameName(numbers[i]));
  }
}
}  // namespace

void KeepReplaysBeside(const std::string& storeFile) {
  Shelf().UseFolder(storeFile.empty()
                        ? std::string()
                        : Utf8FromPath(PathFromUtf8(storeFile).parent_path() / "replays"));
}

void ShelveReplay(const TReplay& replay) {
  const std::vector<int> numbers = Shelf().GameNumbers();
  const int next = numbers.empty() ? 1 : numbers.back() + 1;
  latestGame = EncodeReplay(replay);
  ++shelvedGames;
  const bool written = Shelf().Write(GameName(next), latestGame);
  latestGamePath = written && !Shelf().InMemory() ? Shelf().Path(GameName(next)) : std::string();
  DropOldGames(ReadTies());
}

int ShelvedGameCount() {
  return shelvedGames;
}

const std::string& LatestShelvedGame() {
  return latestGame;
}

std::string LatestShelvedGamePath() {
  return latestGamePath;
}

void TieLatestGameToRecord(int table, const std::string& name, const std::string& score) {
  const std::vector<int> numbers = Shelf().GameNumbers();
  std::vector<TTie> ties = ReadTies();
  if (!numbers.empty()) ties.push_back({table, name, score, GameName(numbers.back())});
  // Each record keeps one game; ties beyond what the tables hold go, newest kept.
  std::vector<TTie> kept;
  std::vector<bool> used(HallNames.size(), false);
  for (auto tie = ties.rbegin(); tie != ties.rend(); ++tie) {
    for (int entry = 10 * tie->Table; entry < 10 * tie->Table + 10; ++entry) {
      if (used[entry] || HallNames[entry] != tie->Name || HallScores[entry] != tie->Score) continue;
      used[entry] = true;
      kept.insert(kept.begin(), *tie);
      break;
    }
  }
  WriteTies(kept);
  // A record pushed out takes its game with it, however recent.
  for (const TTie& tie : ties) {
    if (!Tied(kept, tie.File)) Shelf().Remove(tie.File);
  }
}

std::optional<TReplay> ReplayOfRecord(int entry) {
  if (entry < 0 || entry >= static_cast<int>(HallNames.size())) return std::nullopt;
  const int table = entry / 10;
  // The k-th equal entry of a table goes with the k-th equal tie, newest first.
  int equalBefore = 0;
  for (int e = 10 * table; e < entry; ++e) {
    equalBefore += HallNames[e] == HallNames[entry] && HallScores[e] == HallScores[entry];
  }
  const std::vector<TTie> ties = ReadTies();
  for (auto tie = ties.rbegin(); tie != ties.rend(); ++tie) {
    if (tie->Table != table || tie->Name != HallNames[entry] || tie->Score != HallScores[entry])
      continue;
    if (equalBefore-- > 0) continue;
    const auto bytes = Shelf().Read(tie->File);
    if (!bytes) return std::nullopt;
    try {
      return DecodeReplay(*bytes);
    } catch (const EReplayError&) {
      return std::nullopt;
    }
  }
  return std::nullopt;
}
