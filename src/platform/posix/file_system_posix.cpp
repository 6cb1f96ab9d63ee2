// File operations on POSIX systems: paths are bytes, a rename replaces atomically.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "platform/file_system.h"

namespace {
thread_local int LastError = 0;

// Keeps errno for LastFileError; returns what the failing operation reports.
template <typename T>
T Failed(T result, int error = errno) {
  LastError = error;
  return result;
}

class TFileDescriptor {
 public:
  explicit TFileDescriptor(int fd) : fd_(fd) {}
  ~TFileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;
  int get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t count = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    done += static_cast<size_t>(count);
  }
  return true;
}

// The rename is only durable once the directory itself has reached the disk.
void SyncDirectory(const std::filesystem::path& directory) {
  TFileDescriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
}

// Relative values are not to be trusted for user folders; they are ignored.
std::string AbsoluteEnvironmentPath(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

// $<variable>/brunival, else ~/<fallback>/brunival.
std::string XdgFolder(const char* variable, const char* fallback) {
  std::string base = AbsoluteEnvironmentPath(variable);
  if (base.empty()) {
    const std::string home = AbsoluteEnvironmentPath("HOME");
    if (home.empty()) return {};
    base = home + "/" + fallback;
  }
  return base + "/brunival";
}
}  // namespace

std::filesystem::path PathFromUtf8(const std::string& text) {
  return text;
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  return path.string();
}

FILE* OpenFileUtf8(const std::string& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

TReadFileResult ReadSmallFile(const std::string& path, size_t maxSize, std::string& bytes) {
  TFileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) {
    return Failed(errno == ENOENT ? TReadFileResult::kMissing : TReadFileResult::kFailed);
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return Failed(TReadFileResult::kFailed);
  if (!S_ISREG(info.st_mode)) return Failed(TReadFileResult::kFailed, EINVAL);
  if (static_cast<uintmax_t>(info.st_size) > maxSize) return TReadFileResult::kTooLarge;
  bytes.clear();
  char buffer[4096];
  for (;;) {
    const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return Failed(TReadFileResult::kFailed);
    if (count == 0) return TReadFileResult::kRead;
    bytes.append(buffer, static_cast<size_t>(count));
    if (bytes.size() > maxSize) return TReadFileResult::kTooLarge;
  }
}

bool ReplaceFileDurably(const std::string& path, const std::string& temporary,
                        std::string_view bytes) {
  TFileDescriptor file(
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644));
  if (file.get() < 0) return Failed(false);
  const bool written = WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0;
  if (!file.Close() || !written || ::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return Failed(false, error);
  }
  const std::filesystem::path target(path);
  SyncDirectory(target.has_parent_path() ? target.parent_path() : std::filesystem::path("."));
  return true;
}

TMoveAsideResult MoveFileAside(const std::string& path, const std::string& aside) {
  struct stat info {};
  if (::lstat(aside.c_str(), &info) == 0 || errno != ENOENT) return TMoveAsideResult::kTaken;
  return ::rename(path.c_str(), aside.c_str()) == 0 ? TMoveAsideResult::kMoved
                                                    : Failed(TMoveAsideResult::kFailed);
}

bool MayReadAndWrite(const std::string& file) {
  std::filesystem::path directory = std::filesystem::path(file).parent_path();
  if (directory.empty()) directory = ".";
  std::error_code error;
  if (std::filesystem::exists(directory, error) && ::access(directory.c_str(), W_OK | X_OK) != 0)
    return Failed(false);
  if (std::filesystem::exists(file, error) && ::access(file.c_str(), R_OK | W_OK) != 0)
    return Failed(false);
  return true;
}

std::string LastFileError() {
  return std::generic_category().message(LastError);
}

std::string UserConfigFolder() {
  return XdgFolder("XDG_CONFIG_HOME", ".config");
}

std::string UserDataFolder() {
  return XdgFolder("XDG_DATA_HOME", ".local/share");
}
