// brunival-headless: runs the game with no window, sound device or clock, from a script.
#include <charconv>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/headless/replay_options.h"
#include "platform/headless/runner.h"
#include "platform/process_setup.h"
#include "platform/version_option.h"
#include "play/daily_challenge.h"
#include "replay/replay_shelf.h"
#include "shell/daily_start.h"
#include "store/daily_record.h"
#include "store/random.h"
#include "store/registry.h"
#include "text/catalogue.h"

namespace {
int Usage(const char* message) {
  std::cerr << "brunival-headless: " << message << "\n"
            << "usage: brunival-headless [--seed N] [--store FILE] [--store-fail] [--lang CODE] "
               "[--record DIR] [--daily YYYY-MM-DD] [SCRIPT | --verify FILE]\n";
  return kExitRunnerFailure;
}

bool ParseSeed(const std::string& text, uint32_t& seed) {
  const char* end = text.data() + text.size();
  const auto [last, error] = std::from_chars(text.data(), end, seed);
  return error == std::errc() && last == end && end != text;
}
}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args = Utf8Arguments(argc, argv);
  UseBinaryStandardOutput();
  if (const auto status = AnswerVersionOption(args, "brunival-headless")) return *status;
  bool seeded = false;
  uint32_t seed = 0;
  std::string storeFile;
  bool storeFail = false;
  std::string scriptPath;
  std::string recordDir;
  std::string verifyPath;
  std::optional<TDailyDate> daily;
  const size_t count = args.size();
  for (size_t i = 1; i < count; ++i) {
    const std::string& arg = args[i];
    if (arg == "--seed") {
      if (++i >= count || !ParseSeed(args[i], seed)) return Usage("--seed needs a number");
      seeded = true;
    } else if (arg == "--store") {
      if (++i >= count) return Usage("--store needs a file name");
      storeFile = args[i];
    } else if (arg == "--lang") {
      // Czech unless asked: the runner's scripts and their expectations are Czech.
      if (++i >= count || !IsLanguageCode(args[i])) return Usage("--lang needs a code such as en");
      SetLanguage(args[i]);
    } else if (arg == "--record") {
      if (++i >= count) return Usage("--record needs a folder");
      recordDir = args[i];
    } else if (arg == "--verify") {
      if (++i >= count) return Usage("--verify needs a replay file");
      verifyPath = args[i];
    } else if (arg == "--daily") {
      if (++i >= count) return Usage("--daily needs a date, YYYY-MM-DD");
      daily = ParseDailyDate(args[i]);
      if (!daily) return Usage(("--daily: " + args[i] + " is not a date (YYYY-MM-DD)").c_str());
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

  if (!verifyPath.empty()) {
    if (!scriptPath.empty() || daily) return Usage("--verify plays no script and no daily game");
    UseMemoryHighScoreStore();
    return VerifyReplay(verifyPath, std::cout, std::cerr);
  }
  if (!recordDir.empty() && !RecordGamesInto(recordDir, std::cerr)) return kExitRunnerFailure;

  std::ifstream scriptFile;
  if (!scriptPath.empty()) {
    scriptFile.open(PathFromUtf8(scriptPath));
    if (!scriptFile) return Usage(("cannot read " + scriptPath).c_str());
  }
  if (seeded) RandSeed(seed);  // else the game's start-up seeds from the clock
  if (storeFile.empty()) {
    UseMemoryHighScoreStore();
  } else {
    UseHighScoreStoreFile(storeFile);
    if (!storeFail) {
      KeepReplaysBeside(storeFile);
      KeepDailyRecordBeside(storeFile);
    }
  }
  SetHighScoreStoreFailing(storeFail);

  try {
    THeadlessRunner runner;
    if (daily) StartDailyChallenge(runner.Form(), *daily);
    std::istream& script = scriptPath.empty() ? std::cin : scriptFile;
    return runner.Run(script, std::cout, std::cerr);
  } catch (const std::exception& error) {
    std::cerr << "brunival-headless: " << error.what() << '\n';
    return kExitRunnerFailure;
  }
}
