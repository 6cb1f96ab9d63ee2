// Preparing a Windows program: wide command line, binary output, a log instead of a console.
// windows.h first: the other Windows headers build on it.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <filesystem>

#include "platform/file_system.h"
#include "platform/process_setup.h"
#include "platform/windows/utf16.h"

namespace {
void EnterProgramFolder() {
  std::wstring module(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, module.data(), module.size());
    if (length == 0) return;
    if (length < module.size()) {
      module.resize(length);
      break;
    }
    module.resize(module.size() * 2);
  }
  SetCurrentDirectoryW(std::filesystem::path(module).parent_path().c_str());
}

// A fresh log per run, like a console; it is made only in the user's own folder.
void SendStandardErrorToLog() {
  const std::string folder = UserDataFolder();
  if (folder.empty()) return;
  std::error_code error;
  std::filesystem::create_directories(PathFromUtf8(folder), error);
  const std::wstring log = WideFromUtf8(folder + "\\brunival.log");
  if (_wfreopen(log.c_str(), L"w", stderr) != nullptr) std::setvbuf(stderr, nullptr, _IONBF, 0);
}
}  // namespace

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

void UseBinaryStandardOutput() {
  std::fflush(stdout);
  _setmode(_fileno(stdout), _O_BINARY);
}

void SetUpGameProcess() {
  EnterProgramFolder();
  SendStandardErrorToLog();
}
