// Preparing a Windows program: wide command line, binary output, a log instead of a console,
// one copy at a time, and errors a player sees.
// windows.h first: the other Windows headers build on it.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/file_system.h"
#include "platform/process_setup.h"
#include "platform/program_version.h"
#include "platform/windows/utf16.h"

namespace {
// Where standard error goes; empty while it goes nowhere a player can find.
std::string logPath;

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

// A fresh log per run, like a console, with the previous run's kept beside it for the player
// who starts again after a failure. It is made only in the user's own folder.
void SendStandardErrorToLog() {
  const std::string folder = UserDataFolder();
  if (folder.empty()) return;
  std::error_code error;
  std::filesystem::create_directories(PathFromUtf8(folder), error);
  const std::wstring log = WideFromUtf8(folder + "\\brunival.log");
  MoveFileExW(log.c_str(), WideFromUtf8(folder + "\\brunival.old.log").c_str(),
              MOVEFILE_REPLACE_EXISTING);
  if (_wfreopen(log.c_str(), L"w", stderr) == nullptr) return;
  std::setvbuf(stderr, nullptr, _IONBF, 0);
  logPath = folder + "\\brunival.log";
}

// The real build number: GetVersionEx answers what the manifest's supportedOS admits.
std::string WindowsVersion() {
  using TRtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  const auto getVersion =
      ntdll == nullptr ? nullptr
                       : reinterpret_cast<TRtlGetVersion>(
                             reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "RtlGetVersion")));
  if (getVersion == nullptr || getVersion(&info) != 0) return "Windows (version unknown)";
  return "Windows " + std::to_string(info.dwMajorVersion) + "." +
         std::to_string(info.dwMinorVersion) + "." + std::to_string(info.dwBuildNumber);
}

// The game's window as SDL names its class; the title is the game's.
HWND RunningGameWindow() {
  return FindWindowW(L"SDL_app", L"Brunival");
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

void UseParentConsole() {
  // Redirected output (or Wine's terminal) is a handle already; a console window has to be
  // joined, and the runtime's stdout reopened on it.
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (output != nullptr && output != INVALID_HANDLE_VALUE) return;
  if (AttachConsole(ATTACH_PARENT_PROCESS)) std::freopen("CONOUT$", "w", stdout);
}

bool HandOverToRunningCopy() {
  // Kept open for the whole run: the system closes it when this copy ends, however it ends.
  CreateMutexW(nullptr, FALSE, L"Local\\Brunival.Game");
  if (GetLastError() != ERROR_ALREADY_EXISTS) return false;
  // The first copy may still be opening its window: give it a moment to appear.
  HWND window = RunningGameWindow();
  for (int attempt = 0; window == nullptr && attempt < 50; ++attempt) {
    Sleep(100);
    window = RunningGameWindow();
  }
  if (window != nullptr) {
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
  }
  return true;
}

void SetUpGameProcess() {
  EnterProgramFolder();
  SendStandardErrorToLog();
  std::fprintf(stderr, "brunival %s, %s\n", kProgramVersion, WindowsVersion().c_str());
}

void WriteToLog(std::string_view line) {
  std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
}

void ReportFatalError(std::string_view message) {
  std::fprintf(stderr, "brunival: %.*s\n", static_cast<int>(message.size()), message.data());
  std::string text = "Brunival cannot start:\n\n" + std::string(message);
  if (!logPath.empty()) text += "\n\nThe log is " + logPath;
  MessageBoxW(nullptr, WideFromUtf8(text).c_str(), L"Brunival", MB_OK | MB_ICONERROR);
}

std::string UserLocale() {
  // The language of Windows' own texts, which is what a player reads as "the system's".
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  if (LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name,
                       LOCALE_NAME_MAX_LENGTH, 0) == 0) {
    return "";
  }
  std::string locale = Utf8FromWide(name);
  std::replace(locale.begin(), locale.end(), '-', '_');  // "cs-CZ" as a POSIX locale: "cs_CZ"
  return locale;
}

void SetProcessEnvironment(const char* name, const char* value) {
  _putenv_s(name, value);
}
