// The level configuration file "nexoda.cfg": 120 scrambled records after a magic.
#pragma once
#include <array>
#include <string>
#include <string_view>

constexpr int kConfigRecordCount = 120;

// Records 1..120; entry 0 unused.
using TConfigRecords = std::array<std::string, kConfigRecordCount + 1>;

// Reads "nexoda.cfg" from the working directory; returns true when it failed (missing file or
// wrong magic). Records the file does not hold stay empty.
bool ReadConfiguration(TConfigRecords& records);
bool ReadConfigurationFrom(const std::string& path, TConfigRecords& records);
// The same over the bytes of a file already read; returns true on a magic mismatch.
bool ParseConfiguration(std::string_view bytes, TConfigRecords& records);

// Fills ArcadeLevels and ModeParams from the 120 texts.
void ApplyConfiguration(const TConfigRecords& records);
