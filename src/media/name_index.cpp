// Case folding and bucket choice of the shared name lookup.
#include "media/name_index.h"

namespace {
// Windows-1250 capitals with diacritics and their small letters.
unsigned char LowerCp1250(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A:
      return 0x9A;  // S caron
    case 0x8C:
      return 0x9C;  // S acute
    case 0x8D:
      return 0x9D;  // T caron
    case 0x8E:
      return 0x9E;  // Z caron
    case 0x8F:
      return 0x9F;  // Z acute
    case 0xA3:
      return 0xB3;  // L stroke
    case 0xA5:
      return 0xB9;  // A ogonek
    case 0xAA:
      return 0xBA;  // S cedilla
    case 0xAF:
      return 0xBF;  // Z dot
    case 0xBC:
      return 0xBE;  // L caron
    default:
      break;
  }
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  return c;
}
}  // namespace

std::string LowerCaseName(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) c = static_cast<char>(LowerCp1250(static_cast<unsigned char>(c)));
  return lower;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerCp1250(static_cast<unsigned char>(a[i])) !=
        LowerCp1250(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

uint8_t NameBucket(std::string_view name) {
  const size_t length = name.size();
  if (length < 2) return static_cast<uint8_t>((length * 16) % 256);
  const auto first = LowerCp1250(static_cast<unsigned char>(name[0]));
  const auto beforeLast = LowerCp1250(static_cast<unsigned char>(name[length - 2]));
  return static_cast<uint8_t>((length * 16 + first + beforeLast) % 256);
}
