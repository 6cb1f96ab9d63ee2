// brunival: the game in an SDL window, with the SDL audio device when there is one.
#include <SDL.h>

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "media/display.h"
#include "media/mixer.h"
#include "media/music_library.h"
#include "platform/process_setup.h"
#include "platform/sdl2/game_start.h"
#include "platform/sdl2/sdl_audio.h"
#include "platform/sdl2/sdl_clock.h"
#include "platform/sdl2/sdl_controllers.h"
#include "platform/sdl2/sdl_display_settings.h"
#include "platform/sdl2/sdl_keyboard.h"
#include "platform/sdl2/sdl_window.h"
#include "platform/sdl2/system_language.h"
#include "play/daily_challenge.h"
#include "replay/frame_recorder.h"
#include "replay/replay_files.h"
#include "replay/replay_shelf.h"
#include "replay/replay_watch.h"
#include "shell/daily_start.h"
#include "shell/main_form.h"
#include "shell/screen_state.h"
#include "store/daily_record.h"
#include "store/registry.h"
#include "text/catalogue.h"

namespace {
// The application's top-level handler: an error that abandoned a handler is reported and the
// program goes on. Each message is told once, since a missing picture fails every frame.
// The day's result is its replay: say where it is kept, so that it can be shared.
void ReportDailyResult(const TReplay& game) {
  const auto date = TDailyDate::FromNumber(game.DailyDate);
  if (!date || game.Claimed.EndScreen != ssGameOver) return;
  const std::string path = LatestShelvedGamePath();
  std::fprintf(stderr, "brunival: daily challenge %s: score %d; its replay: %s\n",
               FormatDailyDate(*date).c_str(), static_cast<int>(game.Claimed.Score),
               path.empty() ? "not kept" : path.c_str());
}

void ReportError(const std::exception& error) {
  static std::set<std::string> told;
  if (told.insert(error.what()).second) std::fprintf(stderr, "brunival: %s\n", error.what());
}

bool IsAltEnter(const SDL_KeyboardEvent& key) {
  return key.repeat == 0 && (key.keysym.mod & KMOD_ALT) != 0 &&
         (key.keysym.scancode == SDL_SCANCODE_RETURN ||
          key.keysym.scancode == SDL_SCANCODE_KP_ENTER);
}

void HandleEvent(const SDL_Event& event, TMainForm& form, TSdlWindow& window,
                 TSdlKeyboard& keyboard, TSdlControllers& controllers) {
  switch (event.type) {
    case SDL_QUIT:
      form.Close();
      break;
    case SDL_WINDOWEVENT:
      window.Invalidate();
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
        form.DXTimer.SetApplicationActive(true);
      } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        form.DXTimer.SetApplicationActive(false);
      } else if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
        form.Close();
      }
      break;
    case SDL_KEYDOWN:
      if (IsAltEnter(event.key)) {
        window.ToggleFullScreen();
        keyboard.SwallowEnter();
        SaveDisplaySettings(DisplaySettingsPath(), window.CurrentDisplaySettings());
      }
      break;
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
      controllers.HandleEvent(event);
      break;
    case SDL_RENDER_DEVICE_RESET:
    case SDL_RENDER_TARGETS_RESET:
      window.MarkSurfacesLost();
      break;
    default:
      break;
  }
}

// Events first, then one timer tick; sleeps only while the timer has nothing to do (the game
// frozen in the background) or the picture cannot be shown.
void RunMessageLoop(TMainForm& form, TSdlWindow& window, TSdlKeyboard& keyboard,
                    TSdlControllers& controllers, TMixer* silentMixer) {
  uint32_t lastAdvance = SDL_GetTicks();
  while (!form.Closed()) {
    SDL_Event event;
    const bool idle = !form.DXTimer.TickInstalled();
    if (idle ? SDL_WaitEventTimeout(&event, 100) : SDL_PollEvent(&event)) {
      HandleEvent(event, form, window, keyboard, controllers);
      while (SDL_PollEvent(&event)) HandleEvent(event, form, window, keyboard, controllers);
    }
    if (form.Closed()) break;
    try {
      form.DXTimer.Tick();
    } catch (const std::exception& error) {
      ReportError(error);
    }
    if (silentMixer != nullptr) {
      // No audio device: the music's time still passes, so play-once songs end as they should.
      const uint32_t now = SDL_GetTicks();
      silentMixer->Advance(static_cast<int32_t>(now - lastAdvance));
      lastAdvance = now;
    }
    if (form.DXTimer.TickInstalled() && !window.TakePresented()) SDL_Delay(5);
  }
}
}  // namespace

int main(int argc, char** argv) {
  if (const std::optional<int> status = PrepareGameProcess(argc, argv)) return *status;
  std::optional<TScaling> scaling;
  const char* language = nullptr;
  std::optional<TReplay> replay;
  std::optional<TDailyDate> daily;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    constexpr std::string_view kScaling = "--scaling=";
    bool understood = false;
    if (option.starts_with(kScaling)) {
      scaling = ParseScaling(option.substr(kScaling.size()));
      understood = scaling.has_value();
    } else if (option == "--lang" && i + 1 < argc && IsLanguageCode(argv[i + 1])) {
      language = argv[++i];
      understood = true;
    } else if (option == "--replay" && i + 1 < argc) {
      try {
        replay = ReadReplayFile(argv[++i]);
      } catch (const EReplayError& error) {
        ReportFatalError(error.what());
        return 2;
      }
      understood = true;
    } else if (option == "--daily") {
      // The date is optional: today's challenge without it.
      daily = TodayUtc();
      if (i + 1 < argc && !std::string_view(argv[i + 1]).starts_with("--")) {
        daily = ParseDailyDate(argv[++i]);
        if (!daily) {
          ReportFatalError(std::string("--daily: ") + argv[i] + " is not a date (YYYY-MM-DD)");
          return 2;
        }
      }
      understood = true;
    }
    if (!understood || (replay && daily)) {
      ReportFatalError(std::string("not understood: ") + argv[i] +
                       "\nusage: brunival [--scaling=sharp|integer] [--lang CODE] "
                       "[--replay FILE | --daily [YYYY-MM-DD]] [--version]");
      return 2;
    }
  }
  ChooseLanguage(language);
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
    ReportFatalError(std::string("cannot start SDL: ") + SDL_GetError());
    return 1;
  }
  // Controllers are a comfort: without them the keyboard still plays the game.
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    std::fprintf(stderr, "brunival: no game controllers: %s\n", SDL_GetError());
  }
  // Watching a replay touches no store.
  if (replay) {
    UseMemoryHighScoreStore();
  } else {
    UseDefaultHighScoreStore();
    KeepReplaysBeside(DefaultHighScoreStorePath());
    KeepDailyRecordBeside(DefaultHighScoreStorePath());
    SetReplaySink(ReportDailyResult);
  }
  int status = 0;
  {
    TMixer mixer;
    const bool sound = OpenSdlAudio(mixer);
    LogSdlDrivers();
    SetMusicOutput(&mixer);
    try {
      TSdlClock clock;
      TSdlWindow window;
      TDisplaySettings settings = LoadDisplaySettings(DisplaySettingsPath());
      if (scaling) {
        // The option changes the kept choice, as Alt+Enter does for full screen.
        settings.Scaling = *scaling;
        SaveDisplaySettings(DisplaySettingsPath(), settings);
      }
      window.UseDisplaySettings(settings);
      // Declared before the keyboard that reads them, so they outlive it.
      TSdlControllers controllers;
      TSdlKeyboard keyboard(window);
      keyboard.UseControllers(&controllers);
      TMainForm form(TPlatform{clock, window, keyboard, sound ? &mixer : nullptr});
      try {
        form.FormCreate();
      } catch (const EDirectDrawError& error) {
        throw;  // no display at all: nothing could ever be shown
      } catch (const std::exception& error) {
        ReportError(error);
      }
      if (daily) StartDailyChallenge(form, *daily);
      std::unique_ptr<TReplayWatch> watch;
      if (replay)
        watch = std::make_unique<TReplayWatch>(form, std::move(*replay), TWatchReturn::MainMenu);
      RunMessageLoop(form, window, keyboard, controllers, sound ? nullptr : &mixer);
    } catch (const std::exception& error) {
      ReportFatalError(error.what());
      status = 1;
    }
    SetMusicOutput(nullptr);
    CloseSdlAudio();
  }
  SDL_Quit();
  return status;
}
