// Feeds arbitrary bytes to the store file parser; what it accepts must survive a rewrite.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "store/store_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TStoreKeys keys;
  if (!ParseStore(std::string_view(reinterpret_cast<const char*>(data), size), keys)) return 0;
  TStoreKeys again;
  if (!ParseStore(FormatStore(keys), again) || again != keys) __builtin_trap();
  return 0;
}
