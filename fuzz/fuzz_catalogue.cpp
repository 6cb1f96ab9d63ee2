// Feeds arbitrary bytes to the text catalogue reader: whatever it keeps is drawable ASCII.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TCatalogueFile file =
      ParseCatalogue(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const auto& [key, text] : file.Texts) {
    if (key.empty()) __builtin_trap();
    for (const char c : key + text) {
      if (c < ' ' || c > '~') __builtin_trap();
    }
  }
  return 0;
}
