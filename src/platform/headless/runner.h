// The headless runner: the real start-up, frame handler and shutdown driven by a script.
#pragma once
#include <iosfwd>
#include <memory>
#include <string>

#include "media/mixer.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/script.h"
#include "shell/main_form.h"

// Exit statuses of brunival-headless.
constexpr int kExitOk = 0;
constexpr int kExitRunnerFailure = 1;
constexpr int kExitScriptError = 2;

class THeadlessRunner {
 public:
  // Creates the window and runs its creation handler; errors it raises are recorded as events,
  // as the application's top-level handler would show them.
  THeadlessRunner();
  ~THeadlessRunner();

  // Reads the script line by line until its end or "end", writing state lines to out and
  // messages to err; then runs the close handler. Returns the exit status.
  int Run(std::istream& script, std::ostream& out, std::ostream& err);

  // One call of the frame handler with LagCount = lag and exactly these keys down.
  void Frame(int32_t lag, const std::array<bool, 256>& keys);
  TMainForm& Form() { return *form_; }
  THeadlessDisplay& Display() { return display_; }

 private:
  // Returns false when the runner itself failed (message in err).
  bool Execute(const TScriptCommand& command, std::ostream& out, std::ostream& err);

  TScriptClock clock_;
  THeadlessDisplay display_;
  THeadlessKeyboard keyboard_;
  TMixer mixer_;
  std::unique_ptr<TMainForm> form_;
};
