// Parsing the runner's script lines: strict, so a typo stops the run instead of testing nothing.
#include "platform/headless/script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <vector>

namespace {
struct TKeyName {
  std::string_view Name;
  int32_t Code;
};
constexpr TKeyName kKeyNames[] = {{"up", 38},    {"down", 40},  {"left", 37},
                                  {"right", 39}, {"enter", 13}, {"space", 32},
                                  {"esc", 27},   {"f1", 112},   {"m", 77}};

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    const size_t start = pos;
    while (pos < text.size() && !IsBlank(text[pos])) ++pos;
    if (pos > start) words.push_back(text.substr(start, pos - start));
  }
  return words;
}

// A plain decimal number within [low, high]; no sign, no blanks, no trailing characters.
std::optional<int64_t> ParseDecimal(std::string_view word, int64_t low, int64_t high) {
  if (word.empty() ||
      !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  int64_t value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

int64_t Number(std::string_view word, int64_t low, int64_t high, std::string_view what) {
  const auto value = ParseDecimal(word, low, high);
  if (!value) {
    throw EScriptError("bad number '" + std::string(word) + "' for " + std::string(what) +
                       " (expected " + std::to_string(low) + ".." + std::to_string(high) + ")");
  }
  return *value;
}

void ExpectWordCount(const std::vector<std::string_view>& words, size_t count) {
  if (words.size() != count) {
    throw EScriptError("'" + std::string(words[0]) + "' takes " + std::to_string(count - 1) +
                       " argument(s), got " + std::to_string(words.size() - 1));
  }
}

TScriptCommand ParseFrames(const std::vector<std::string_view>& words, bool many) {
  const size_t first = many ? 2 : 1;
  if (words.size() <= first) {
    throw EScriptError(many ? "'frames' needs N and LAG" : "'frame' needs LAG");
  }
  TScriptCommand command;
  command.Verb = TScriptVerb::Frames;
  if (many) command.Count = Number(words[1], 0, std::numeric_limits<int32_t>::max(), "N");
  command.Lag =
      static_cast<int32_t>(Number(words[first], 1, std::numeric_limits<int32_t>::max(), "LAG"));
  for (size_t i = first + 1; i < words.size(); ++i) {
    command.Keys[static_cast<size_t>(ParseKeyName(words[i]))] = true;
  }
  return command;
}
}  // namespace

int32_t ParseKeyName(std::string_view name) {
  const std::string lower = Lower(name);
  for (const TKeyName& key : kKeyNames) {
    if (key.Name == lower) return key.Code;
  }
  if (const auto code = ParseDecimal(name, 1, 255)) return static_cast<int32_t>(*code);
  throw EScriptError("unknown key name '" + std::string(name) + "'");
}

std::optional<TScriptCommand> ParseScriptLine(std::string_view line) {
  const std::string_view text = Trim(line);
  if (text.empty() || text.front() == '#') return std::nullopt;
  const std::vector<std::string_view> words = Words(text);
  const std::string verb = Lower(words[0]);

  if (verb == "frame") return ParseFrames(words, false);
  if (verb == "frames") return ParseFrames(words, true);

  TScriptCommand command;
  if (verb == "drawable") {
    ExpectWordCount(words, 2);
    const std::string value = Lower(words[1]);
    if (value != "on" && value != "off") {
      throw EScriptError("'drawable' takes on or off, got '" + std::string(words[1]) + "'");
    }
    command.Verb = TScriptVerb::Drawable;
    command.Drawable = value == "on";
  } else if (verb == "state") {
    ExpectWordCount(words, 1);
    command.Verb = TScriptVerb::State;
  } else if (verb == "screenshot") {
    if (words.size() < 2) throw EScriptError("'screenshot' needs a file name");
    command.Verb = TScriptVerb::Screenshot;
    // The rest of the line, so a file name may hold blanks.
    command.File = std::string(Trim(text.substr(words[0].size())));
  } else if (verb == "end") {
    ExpectWordCount(words, 1);
    command.Verb = TScriptVerb::End;
  } else {
    throw EScriptError("unknown command '" + std::string(words[0]) + "'");
  }
  return command;
}
