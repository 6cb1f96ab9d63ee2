// Feeds arbitrary bytes to the display settings reader; whatever it accepts must come back the
// same after being written and read again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/sdl2/sdl_display_settings.h"
#include "seed_corpus.h"

namespace {
TSeeds Seeds() {
  return {SeedBytes(FormatDisplaySettings({true, 0})), SeedBytes(FormatDisplaySettings({false, 3})),
          SeedBytes("monitor=1\nfullscreen=0\n")};
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  WriteSeedsWhenAsked(*argc, *argv, "display", Seeds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto settings =
      ParseDisplaySettings(std::string_view(reinterpret_cast<const char*>(data), size));
  if (settings) {
    const auto again = ParseDisplaySettings(FormatDisplaySettings(*settings));
    if (!again || !(*again == *settings)) __builtin_trap();
  }
  return 0;
}
