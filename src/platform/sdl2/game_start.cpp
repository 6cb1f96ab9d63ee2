#include "platform/sdl2/game_start.h"

#include <SDL.h>

#include <string>

#include "platform/process_setup.h"
#include "platform/version_option.h"

std::optional<int> PrepareGameProcess(int argc, char** argv) {
  if (const std::optional<int> status = AnswerVersionOption(Utf8Arguments(argc, argv), "brunival"))
    return status;
  if (HandOverToRunningCopy()) return 0;
  SetUpGameProcess();
  // Windows would otherwise stretch a DPI-unaware window's bitmap at 125 % or 150 %, blurring
  // the sharp scaling. Per-monitor v2 where the system has it, per-monitor otherwise.
  SDL_SetHint(SDL_HINT_WINDOWS_DPI_AWARENESS, "permonitorv2");
  SDL_SetHint(SDL_HINT_WINDOWS_DPI_SCALING, "0");
  return std::nullopt;
}

void LogSdlDrivers() {
  SDL_version version;
  SDL_GetVersion(&version);
  const char* video = SDL_GetCurrentVideoDriver();
  const char* audio = SDL_GetCurrentAudioDriver();
  WriteToLog("SDL " + std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
             std::to_string(version.patch) + ", video " + (video != nullptr ? video : "none") +
             ", audio " + (audio != nullptr ? audio : "none"));
}
