// Feeds arbitrary bytes to the level configuration reader and applies what it read.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "store/configuration.h"
#include "store/level_params.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TConfigRecords records;
  ParseConfiguration(std::string_view(reinterpret_cast<const char*>(data), size), records);
  ApplyConfiguration(records);
  // Whatever the file held, the kinds texts fit the five kinds.
  for (const TLevelParams& level : ArcadeLevels) {
    if (level.AtomKinds.size() > 5) __builtin_trap();
  }
  for (const TLevelParams& mode : ModeParams) {
    if (mode.AtomKinds.size() > 5) __builtin_trap();
  }
  return 0;
}
