// The hall-of-fame tables: defaults, loading from the store and inserting a new entry.
#include "store/high_scores.h"

#include <cstdio>
#include <set>

#include "store/registry.h"
#include "store/scramble.h"
#include "text/strings.h"

THighScoreTable HallNames;
THighScoreTable HallScores;

namespace {
constexpr char kHallOfFameKey[] = "\\Software\\Dravokel\\Brunival";
constexpr int kTableCount = 3;
constexpr int kEntryCount = 10;

std::string ValueName(char kind, int table, int entry) {
  return kind + IntToText(table) + IntToText(entry);
}

THighScoreTable DefaultNames() {
  THighScoreTable names;
  for (int table = 0; table < kTableCount; ++table) {
    for (int entry = 0; entry < kEntryCount; ++entry) {
      // "bitva" starts with the other name.
      const bool first = (entry % 2 == 0) != (table == 1);
      names[kEntryCount * table + entry] = first ? "kelpa" : "rubo";
    }
  }
  return names;
}

THighScoreTable DefaultScores() {
  THighScoreTable scores;
  for (int table = 0; table < kTableCount; ++table) {
    for (int entry = 0; entry < kEntryCount; ++entry) {
      scores[kEntryCount * table + entry] = IntToText(50000 - 5000 * entry);
    }
  }
  return scores;
}

// Says once why the store failed; the same failure stays quiet after that until the store works.
class TFailureReport {
 public:
  void Fail(const std::string& what, const std::string& why) {
    const std::string message = "brunival: the hall of fame " + what + " (" + why + ")";
    if (told_.insert(message).second) std::fprintf(stderr, "%s\n", message.c_str());
  }
  void Succeed() { told_.clear(); }

 private:
  std::set<std::string> told_;
};
TFailureReport Report;

void ReadTables(const TStoreKey& key, THighScoreTable& names, THighScoreTable& scores) {
  for (int table = 0; table < kTableCount; ++table) {
    for (int entry = 0; entry < kEntryCount; ++entry) {
      const int index = kEntryCount * table + entry;
      names[index] = Unscramble(key.ReadString(ValueName('j', table, entry)));
      scores[index] = Unscramble(key.ReadString(ValueName('s', table, entry)));
    }
  }
}

void WriteTables(TStoreKey& key, const THighScoreTable& names, const THighScoreTable& scores) {
  for (int table = 0; table < kTableCount; ++table) {
    for (int entry = 0; entry < kEntryCount; ++entry) {
      const int index = kEntryCount * table + entry;
      key.WriteString(ValueName('j', table, entry), Scramble(names[index]));
      key.WriteString(ValueName('s', table, entry), Scramble(scores[index]));
    }
  }
}

void CloseReporting(TStoreKey& key, const char* consequence) {
  if (key.Close()) {
    Report.Succeed();
  } else {
    Report.Fail(std::string("could not be written; ") + consequence, key.Failure());
  }
}

void InsertEntry(THighScoreTable& names, THighScoreTable& scores, const std::string& name,
                 uint8_t table, const std::string& score) {
  if (table >= kTableCount) return;
  const int first = kEntryCount * table;
  const int32_t value = TextToInt(score);
  // Strictly below: an equal score goes under the older entry.
  for (int place = 0; place < kEntryCount; ++place) {
    if (TextToInt(scores[first + place]) >= value) continue;
    for (int entry = kEntryCount - 1; entry > place; --entry) {
      names[first + entry] = names[first + entry - 1];
      scores[first + entry] = scores[first + entry - 1];
    }
    names[first + place] = name;
    scores[first + place] = score;
    return;
  }
}
}  // namespace

// The defaults are written only where there is no store yet: a store that exists but cannot be
// read now (a lock, a permission, an I/O error) keeps every record it holds.
void LoadHighScores() {
  TStoreKey key;
  if (!key.Open(kHallOfFameKey, true)) {
    HallNames = DefaultNames();
    HallScores = DefaultScores();
    Report.Fail("could not be read; the default tables are shown", key.Failure());
    return;
  }
  if (!key.Created()) {
    ReadTables(key, HallNames, HallScores);
    key.Close();  // nothing changed: nothing to write
    Report.Succeed();
    return;
  }
  HallNames = DefaultNames();
  HallScores = DefaultScores();
  WriteTables(key, HallNames, HallScores);
  CloseReporting(key, "the default tables are shown");
}

// The entry goes into the tables read under the same open that writes them, so tables the caller
// holds from a failed read never replace the stored ones. Only where there is no store yet do the
// caller's tables start it.
void StoreHighScore(const THighScoreTable& names, const THighScoreTable& scores,
                    const std::string& name, uint8_t table, const std::string& score) {
  TStoreKey key;
  if (!key.Open(kHallOfFameKey, true)) {
    Report.Fail("could not be read; the new record is not stored", key.Failure());
    return;
  }
  THighScoreTable newNames = names;
  THighScoreTable newScores = scores;
  if (!key.Created()) ReadTables(key, newNames, newScores);
  InsertEntry(newNames, newScores, name, table, score);
  WriteTables(key, newNames, newScores);
  CloseReporting(key, "it keeps its previous tables");
}
