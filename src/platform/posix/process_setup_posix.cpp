// Programs on POSIX systems need little preparation: arguments are UTF-8 bytes already, and
// standard output and error are the terminal's.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/process_setup.h"

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

void UseBinaryStandardOutput() {}

void UseParentConsole() {}

bool HandOverToRunningCopy() {
  return false;
}

void SetUpGameProcess() {}

void WriteToLog(std::string_view) {}

void ReportFatalError(std::string_view message) {
  std::fprintf(stderr, "brunival: %.*s\n", static_cast<int>(message.size()), message.data());
}

std::string UserLocale() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return "";
}

void SetProcessEnvironment(const char* name, const char* value) {
  setenv(name, value, 1);
}
