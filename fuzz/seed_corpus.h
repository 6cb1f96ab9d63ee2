// "--make-seeds=DIR" on a fuzz target's command line writes its seed corpus into DIR and exits.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

using TSeeds = std::vector<std::vector<uint8_t>>;

inline void WriteSeedsWhenAsked(int argc, char** argv, const std::string& prefix,
                                TSeeds (*makeSeeds)()) {
  constexpr std::string_view kFlag = "--make-seeds=";
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (!argument.starts_with(kFlag)) continue;
    const std::string directory(argument.substr(kFlag.size()));
    int number = 0;
    for (const auto& seed : makeSeeds()) {
      std::ofstream(directory + "/" + prefix + std::to_string(number++) + ".bin", std::ios::binary)
          .write(reinterpret_cast<const char*>(seed.data()),
                 static_cast<std::streamsize>(seed.size()));
    }
    std::exit(0);
  }
}

inline std::vector<uint8_t> SeedBytes(std::string_view text) {
  return {text.begin(), text.end()};
}
