// brunival-headless: runs the game with no window, sound device or clock, from a script.
#include <charconv>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "platform/headless/runner.h"
#include "store/random.h"
#include "store/registry.h"
#include "text/catalogue.h"

namespace {
int Usage(const char* message) {
  std::cerr << "brunival-headless: " << message << "\n"
            << "usage: brunival-headless [--seed N] [--store FILE] [--store-fail] [--lang CODE] "
               "[SCRIPT]\n";
  return kExitRunnerFailure;
}

bool ParseSeed(const char* text, uint32_t& seed) {
  const char* end = text + std::strlen(text);
  const auto [last, error] = std::from_chars(text, end, seed);
  return error == std::errc() && last == end && end != text;
}
}  // namespace

int main(int argc, char** argv) {
  bool seeded = false;
  uint32_t seed = 0;
  std::string storeFile;
  bool storeFail = false;
  std::string scriptPath;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--seed") {
      if (++i >= argc || !ParseSeed(argv[i], seed)) return Usage("--seed needs a number");
      seeded = true;
    } else if (arg == "--store") {
      if (++i >= argc) return Usage("--store needs a file name");
      storeFile = argv[i];
    } else if (arg == "--lang") {
      // Czech unless asked: the runner's scripts and their expectations are Czech.
      if (++i >= argc || !IsLanguageCode(argv[i])) return Usage("--lang needs a code such as en");
      SetLanguage(argv[i]);
    } else if (arg == "--store-fail") {
      storeFail = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Usage(("unknown option " + arg).c_str());
    } else if (scriptPath.empty()) {
      scriptPath = arg;
    } else {
      return Usage("only one script");
    }
  }

  std::ifstream scriptFile;
  if (!scriptPath.empty()) {
    scriptFile.open(scriptPath);
    if (!scriptFile) return Usage(("cannot read " + scriptPath).c_str());
  }
  if (seeded) RandSeed(seed);  // else the game's start-up seeds from the clock
  if (storeFile.empty()) {
    UseMemoryHighScoreStore();
  } else {
    UseHighScoreStoreFile(storeFile);
  }
  SetHighScoreStoreFailing(storeFail);

  try {
    THeadlessRunner runner;
    std::istream& script = scriptPath.empty() ? std::cin : scriptFile;
    return runner.Run(script, std::cout, std::cerr);
  } catch (const std::exception& error) {
    std::cerr << "brunival-headless: " << error.what() << '\n';
    return kExitRunnerFailure;
  }
}
