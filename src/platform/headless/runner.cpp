// Running a script against the real main window, with a scripted clock, keyboard and display.
#include "platform/headless/runner.h"

#include <exception>
#include <istream>
#include <ostream>

#include "media/media_events.h"
#include "media/music_library.h"
#include "platform/headless/png_writer.h"
#include "platform/headless/state_json.h"

namespace {
// What the application's top-level handler does with an error that abandoned a handler.
void RecordError(const std::exception& error) {
  RecordMediaEvent(std::string("error ") + error.what());
}
}  // namespace

THeadlessRunner::THeadlessRunner() {
  SetMusicOutput(&mixer_);
  form_ = std::make_unique<TMainForm>(TPlatform{clock_, display_, keyboard_, &mixer_});
  try {
    form_->FormCreate();
  } catch (const std::exception& error) {
    RecordError(error);
  }
}

THeadlessRunner::~THeadlessRunner() {
  form_.reset();
  SetMusicOutput(nullptr);
}

void THeadlessRunner::Frame(int32_t lag, const std::array<bool, 256>& keys) {
  keyboard_.Hold(keys);
  // With the timer's interval 0 the tick fires with exactly the time the clock moved on; a
  // stopped timer (the window closed) fires nothing, so later frames do nothing.
  clock_.Advance(static_cast<uint32_t>(lag));
  try {
    form_->DXTimer.Tick();
  } catch (const std::exception& error) {
    RecordError(error);
  }
  // The music and the effects hear the same time pass as the game.
  mixer_.Advance(lag);
}

bool THeadlessRunner::Execute(const TScriptCommand& command, std::ostream& out, std::ostream& err) {
  switch (command.Verb) {
    case TScriptVerb::Frames:
      // Once the window is closed no frame runs any more; a long "frames" need not spin.
      for (int64_t i = 0; i < command.Count && !form_->Closed(); ++i) {
        Frame(command.Lag, command.Keys);
      }
      return true;
    case TScriptVerb::Drawable:
      display_.Drawable = command.Drawable;
      return true;
    case TScriptVerb::State:
      out << GameStateJson(*form_).dump() << '\n' << std::flush;
      return true;
    case TScriptVerb::Screenshot: {
      std::string error;
      if (WriteSurfacePng(form_->DXDraw.Surface(), command.File, error)) return true;
      err << "brunival-headless: cannot write screenshot " << command.File << ": " << error << '\n';
      return false;
    }
    case TScriptVerb::End:
      return true;
  }
  return true;
}

int THeadlessRunner::Run(std::istream& script, std::ostream& out, std::ostream& err) {
  std::string line;
  int64_t lineNumber = 0;
  int status = kExitOk;
  while (std::getline(script, line)) {
    ++lineNumber;
    std::optional<TScriptCommand> command;
    try {
      command = ParseScriptLine(line);
    } catch (const EScriptError& error) {
      err << "brunival-headless: line " << lineNumber << ": " << error.what() << '\n';
      return kExitScriptError;
    }
    if (!command) continue;
    if (!Execute(*command, out, err)) {
      status = kExitRunnerFailure;
      break;
    }
    if (command->Verb == TScriptVerb::End) break;
  }
  // "end" is implied at the end of the script.
  try {
    form_->Close();
  } catch (const std::exception& error) {
    RecordError(error);
  }
  return status;
}
