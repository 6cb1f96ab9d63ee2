// The hall-of-fame tables: defaults, loading from the store and inserting a new entry.
#include "store/high_scores.h"

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
}  // namespace

void LoadHighScores() {
  TStoreKey key;
  if (!key.Open(kHallOfFameKey, false)) {
    // A first run, or a store we may not use: the defaults, written where that is possible.
    HallNames = DefaultNames();
    HallScores = DefaultScores();
    StoreHighScore(HallNames, HallScores, "", kTableCount, "0");
    return;
  }
  for (int table = 0; table < kTableCount; ++table) {
    for (int entry = 0; entry < kEntryCount; ++entry) {
      const int index = kEntryCount * table + entry;
      HallNames[index] = Unscramble(key.ReadString(ValueName('j', table, entry)));
      HallScores[index] = Unscramble(key.ReadString(ValueName('s', table, entry)));
    }
  }
  key.Close();
}

void StoreHighScore(const THighScoreTable& names, const THighScoreTable& scores,
                    const std::string& name, uint8_t table, const std::string& score) {
  THighScoreTable newNames = names;
  THighScoreTable newScores = scores;
  if (table < kTableCount) {
    const int first = kEntryCount * table;
    const int32_t value = TextToInt(score);
    // Strictly below: an equal score goes under the older entry.
    for (int place = 0; place < kEntryCount; ++place) {
      if (TextToInt(newScores[first + place]) >= value) continue;
      for (int entry = kEntryCount - 1; entry > place; --entry) {
        newNames[first + entry] = newNames[first + entry - 1];
        newScores[first + entry] = newScores[first + entry - 1];
      }
      newNames[first + place] = name;
      newScores[first + place] = score;
      break;
    }
  }

  TStoreKey key;
  if (!key.Open(kHallOfFameKey, true)) return;
  for (int t = 0; t < kTableCount; ++t) {
    for (int entry = 0; entry < kEntryCount; ++entry) {
      const int index = kEntryCount * t + entry;
      key.WriteString(ValueName('j', t, entry), Scramble(newNames[index]));
      key.WriteString(ValueName('s', t, entry), Scramble(newScores[index]));
    }
  }
  key.Close();
}
