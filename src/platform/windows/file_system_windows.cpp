// File operations on Windows: wide paths, and a replacing move, since a plain rename over an
// existing file fails there.
// windows.h first: the other Windows headers build on it.
#include <windows.h>

#include <shlobj.h>

#include <algorithm>

#include "platform/file_system.h"
#include "platform/windows/utf16.h"

namespace {
thread_local DWORD LastError = 0;

// Keeps the error for LastFileError; returns what the failing operation reports.
template <typename T>
T Failed(T result, DWORD error = GetLastError()) {
  LastError = error;
  return result;
}

// Scanners, backups and the indexer open a file for a moment without sharing it. Such a refusal
// is waited out, about 200 ms in all, before it counts.
constexpr int kAttempts = 11;
constexpr DWORD kPauseMs = 20;

// Pauses and says yes when the last failure may pass and attempts are left.
bool WaitBeforeRetry(int attempt) {
  const bool passing = LastError == ERROR_SHARING_VIOLATION || LastError == ERROR_LOCK_VIOLATION ||
                       LastError == ERROR_ACCESS_DENIED;
  if (!passing || attempt >= kAttempts) return false;
  Sleep(kPauseMs);
  return true;
}

class THandle {
 public:
  explicit THandle(HANDLE handle) : handle_(handle) {}
  ~THandle() { Close(); }
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Close() {
    if (!valid()) return true;
    const bool closed = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1 << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

std::string RoamingAppDataFolder() {
  // The shell's folder settings, not %APPDATA%: that is what the user's profile really uses.
  PWSTR folder = nullptr;
  std::string result;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &folder)))
    result = Utf8FromWide(folder) + "\\Brunival";
  CoTaskMemFree(folder);
  return result;
}

TReadFileResult ReadSmallFileOnce(const std::string& path, size_t maxSize, std::string& bytes) {
  // Shared every way, so that we never stand in the way of another program (or our own replace).
  THandle file(CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    const DWORD error = GetLastError();
    return Failed(error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                      ? TReadFileResult::kMissing
                      : TReadFileResult::kFailed,
                  error);
  }
  LARGE_INTEGER size{};
  if (GetFileType(file.get()) != FILE_TYPE_DISK)
    return Failed(TReadFileResult::kFailed, ERROR_INVALID_FUNCTION);
  if (!GetFileSizeEx(file.get(), &size)) return Failed(TReadFileResult::kFailed);
  if (static_cast<unsigned long long>(size.QuadPart) > maxSize) return TReadFileResult::kTooLarge;
  bytes.clear();
  char buffer[4096];
  for (;;) {
    DWORD count = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &count, nullptr))
      return Failed(TReadFileResult::kFailed);
    if (count == 0) return TReadFileResult::kRead;
    bytes.append(buffer, count);
    if (bytes.size() > maxSize) return TReadFileResult::kTooLarge;
  }
}

bool MoveReplacing(const std::wstring& from, const std::wstring& to) {
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    LastError = GetLastError();
    if (!WaitBeforeRetry(attempt)) return false;
  }
}
}  // namespace

std::filesystem::path PathFromUtf8(const std::string& text) {
  return std::filesystem::path(WideFromUtf8(text));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  return Utf8FromWide(path.native());
}

FILE* OpenFileUtf8(const std::string& path, const char* mode) {
  return _wfopen(WideFromUtf8(path).c_str(), WideFromUtf8(mode).c_str());
}

TReadFileResult ReadSmallFile(const std::string& path, size_t maxSize, std::string& bytes) {
  for (int attempt = 1;; ++attempt) {
    const TReadFileResult result = ReadSmallFileOnce(path, maxSize, bytes);
    if (result != TReadFileResult::kFailed || !WaitBeforeRetry(attempt)) return result;
  }
}

bool ReplaceFileDurably(const std::string& path, const std::string& temporary,
                        std::string_view bytes) {
  const std::wstring wideTemporary = WideFromUtf8(temporary);
  THandle file(CreateFileW(wideTemporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return Failed(false);
  const bool written = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
  if (!written) LastError = GetLastError();
  const bool closed = file.Close();
  if (written && !closed) LastError = GetLastError();
  if (!written || !closed || !MoveReplacing(wideTemporary, WideFromUtf8(path))) {
    DeleteFileW(wideTemporary.c_str());
    return false;
  }
  return true;
}

TMoveAsideResult MoveFileAside(const std::string& path, const std::string& aside) {
  const std::wstring wideAside = WideFromUtf8(aside);
  if (GetFileAttributesW(wideAside.c_str()) != INVALID_FILE_ATTRIBUTES)
    return TMoveAsideResult::kTaken;
  // Without MOVEFILE_REPLACE_EXISTING the move never overwrites what appeared meanwhile.
  return MoveFileExW(WideFromUtf8(path).c_str(), wideAside.c_str(), 0)
             ? TMoveAsideResult::kMoved
             : Failed(TMoveAsideResult::kFailed);
}

bool MayReadAndWrite(const std::string& file) {
  // Access lists decide the rest; a failed write is reported by the writer.
  const DWORD attributes = GetFileAttributesW(WideFromUtf8(file).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0)
    return true;
  return Failed(false, ERROR_FILE_READ_ONLY);
}

std::string LastFileError() {
  LPWSTR text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, LastError, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::string message = length > 0 ? Utf8FromWide(std::wstring_view(text, length)) : "";
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                              message.back() == ' ' || message.back() == '.'))
    message.pop_back();
  return message + (message.empty() ? "" : " ") + "(error " + std::to_string(LastError) + ")";
}

std::string UserConfigFolder() {
  return RoamingAppDataFolder();
}

std::string UserDataFolder() {
  return RoamingAppDataFolder();
}
