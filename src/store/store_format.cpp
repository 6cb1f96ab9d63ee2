// Writing and strict reading of the store file's text format.
#include "store/store_format.h"

#include <cstdint>

namespace {
constexpr std::string_view kHeaderLine = "brunival-store 1";
constexpr std::string_view kEndLine = "end";
constexpr char kEscape = '%';
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

bool NeedsEscape(uint8_t byte) {
  return byte < '!' || byte > '~' || byte == '%' || byte == '=' || byte == '[' || byte == ']';
}

std::string Escape(std::string_view raw) {
  std::string text;
  text.reserve(raw.size());
  for (const char c : raw) {
    const auto byte = static_cast<uint8_t>(c);
    if (NeedsEscape(byte)) {
      text += kEscape;
      text += kHexDigits[byte >> 4];
      text += kHexDigits[byte & 0xF];
    } else {
      text += c;
    }
  }
  return text;
}

int HexValue(char c) {
  const size_t digit = kHexDigits.find(c);
  return digit == std::string_view::npos ? -1 : static_cast<int>(digit);
}

// Only the writer's own spelling is accepted, so a damaged line cannot pass as another value.
bool Unescape(std::string_view text, std::string& raw) {
  raw.clear();
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != kEscape) {
      if (NeedsEscape(static_cast<uint8_t>(c))) return false;
      raw += c;
      continue;
    }
    if (i + 2 >= text.size()) return false;
    const int high = HexValue(text[i + 1]);
    const int low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) return false;
    const auto byte = static_cast<uint8_t>(high << 4 | low);
    if (!NeedsEscape(byte)) return false;
    raw += static_cast<char>(byte);
    i += 2;
  }
  return true;
}

bool ParseKeyLine(std::string_view line, std::string& path) {
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return false;
  return Unescape(line.substr(1, line.size() - 2), path);
}
}  // namespace

std::string FormatStore(const TStoreKeys& keys) {
  std::string text;
  text.append(kHeaderLine).append("\n");
  for (const auto& [path, values] : keys) {
    text.append("[").append(Escape(path)).append("]\n");
    for (const auto& [name, data] : values) {
      text.append(Escape(name)).append("=").append(Escape(data)).append("\n");
    }
  }
  text.append(kEndLine).append("\n");
  return text;
}

bool ParseStore(std::string_view text, TStoreKeys& keys) {
  keys.clear();
  if (text.empty() || text.back() != '\n') return false;
  text.remove_suffix(1);

  TStoreValues* current = nullptr;
  bool sawHeader = false;
  bool sawEnd = false;
  std::string path;
  std::string name;
  std::string data;
  for (size_t start = 0; start <= text.size();) {
    size_t stop = text.find('\n', start);
    if (stop == std::string_view::npos) stop = text.size();
    const std::string_view line = text.substr(start, stop - start);
    start = stop + 1;

    if (sawEnd) return false;  // nothing may follow the end line
    if (!sawHeader) {
      if (line != kHeaderLine) return false;
      sawHeader = true;
    } else if (line == kEndLine) {
      sawEnd = true;
    } else if (!line.empty() && line.front() == '[') {
      if (!ParseKeyLine(line, path)) return false;
      auto [entry, added] = keys.try_emplace(path);
      if (!added) return false;
      current = &entry->second;
    } else {
      const size_t separator = line.find('=');
      if (current == nullptr || separator == std::string_view::npos) return false;
      if (!Unescape(line.substr(0, separator), name)) return false;
      if (!Unescape(line.substr(separator + 1), data)) return false;
      if (!current->try_emplace(name, data).second) return false;
    }
  }
  return sawEnd;
}
