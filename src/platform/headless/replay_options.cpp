#include "platform/headless/replay_options.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <ostream>

#include "platform/file_system.h"
#include "platform/headless/runner.h"
#include "platform/headless/state_json.h"
#include "replay/frame_recorder.h"
#include "replay/replay_check.h"
#include "replay/replay_files.h"

namespace {
std::string GameFileName(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "game-%04d.replay", number);
  return name;
}

int FirstFreeNumber(const std::filesystem::path& dir) {
  int number = 1;
  std::error_code error;
  while (std::filesystem::exists(dir / GameFileName(number), error)) ++number;
  return number;
}
}  // namespace

bool RecordGamesInto(const std::string& dir, std::ostream& err) {
  const std::filesystem::path folder = PathFromUtf8(dir);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!std::filesystem::is_directory(folder, error)) {
    err << "brunival-headless: cannot make the folder " << dir << '\n';
    return false;
  }
  auto next = std::make_shared<int>(FirstFreeNumber(folder));
  SetReplaySink([folder, next, &err](const TReplay& replay) {
    const std::string path = Utf8FromPath(folder / GameFileName((*next)++));
    if (!WriteReplayFile(path, replay)) err << "brunival-headless: cannot write " << path << '\n';
  });
  return true;
}

int VerifyReplay(const std::string& path, std::ostream& out, std::ostream& err) {
  try {
    const TReplay replay = ReadReplayFile(path);
    std::unique_ptr<TReplayCheck> check;
    try {
      check = std::make_unique<TReplayCheck>(replay);
    } catch (const EReplayError& error) {
      throw EReplayError(path + ": " + error.what());
    }
    out << GameStateJson(check->Form()).dump() << '\n';
    if (replay.CheatKeysUsed()) out << "cheat keys used\n";
    if (const auto& difference = check->Difference()) {
      out << "differs: " << *difference << '\n' << std::flush;
      return kExitRunnerFailure;
    }
    const TReplayResult& reached = check->Reached();
    out << "verified " << int{reached.GameMode} << ' ' << reached.LevelNumber << ' '
        << reached.Score << '\n'
        << std::flush;
    return kExitOk;
  } catch (const EReplayError& error) {
    err << "brunival-headless: " << error.what() << '\n';
    return kExitScriptError;
  }
}
