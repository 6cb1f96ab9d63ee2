// Temporary stand-ins so the tree links; replaced by the hall-of-fame store.
#include "store/high_scores.h"

THighScoreTable HallNames;
THighScoreTable HallScores;
void LoadHighScores() {}
void StoreHighScore(const THighScoreTable&, const THighScoreTable&, const std::string&, uint8_t,
                    const std::string&) {}

#include "store/configuration.h"
bool ReadConfiguration(TConfigRecords& records) { return ReadConfigurationFrom("nexoda.cfg", records); }
bool ReadConfigurationFrom(const std::string&, TConfigRecords&) { return true; }
void ApplyConfiguration(const TConfigRecords&) {}

#include "store/scramble.h"
std::string Scramble(std::string_view plain) { return std::string(plain); }
std::string Unscramble(std::string_view scrambled) { return std::string(scrambled); }

#include "store/registry.h"
void UseDefaultHighScoreStore() {}
void UseHighScoreStoreFile(const std::string&) {}
void UseMemoryHighScoreStore() {}
void SetHighScoreStoreFailing(bool) {}
