// Reading and crash-safe writing of the store file on disk.
#include "store/store_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace {
// A real store holds a few kilobytes; anything far larger is not one of ours.
constexpr off_t kMaxStoreSize = 1 << 20;
constexpr int kMaxBrokenCopies = 1000;

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

enum class TReadResult { kMissing, kRead, kTooLarge, kFailed };

TReadResult ReadWholeFile(const std::string& path, std::string& bytes) {
  TFileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return errno == ENOENT ? TReadResult::kMissing : TReadResult::kFailed;
  struct stat info {};
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return TReadResult::kFailed;
  if (info.st_size > kMaxStoreSize) return TReadResult::kTooLarge;
  bytes.clear();
  char buffer[4096];
  for (;;) {
    const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return TReadResult::kFailed;
    if (count == 0) return TReadResult::kRead;
    bytes.append(buffer, static_cast<size_t>(count));
    if (static_cast<off_t>(bytes.size()) > kMaxStoreSize) return TReadResult::kTooLarge;
  }
}

bool SetAside(const std::string& path) {
  for (int n = 1; n <= kMaxBrokenCopies; ++n) {
    const std::string aside = path + ".broken-" + std::to_string(n);
    struct stat info {};
    if (::lstat(aside.c_str(), &info) == 0 || errno != ENOENT) continue;
    return ::rename(path.c_str(), aside.c_str()) == 0;
  }
  return false;
}

bool WriteAll(int fd, const std::string& bytes) {
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
}  // namespace

TStoreFileState ReadStoreFile(const std::string& path, TStoreKeys& keys) {
  keys.clear();
  std::string bytes;
  switch (ReadWholeFile(path, bytes)) {
    case TReadResult::kMissing:
      return TStoreFileState::kMissing;
    case TReadResult::kFailed:
      return TStoreFileState::kUnreadable;
    case TReadResult::kTooLarge:
      break;
    case TReadResult::kRead:
      if (ParseStore(bytes, keys)) return TStoreFileState::kLoaded;
      break;
  }
  keys.clear();
  return SetAside(path) ? TStoreFileState::kMissing : TStoreFileState::kUnreadable;
}

bool WriteStoreFile(const std::string& path, const TStoreKeys& keys) {
  const std::filesystem::path target(path);
  const std::filesystem::path directory =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) return false;

  const std::string fresh = path + ".new";
  TFileDescriptor file(
      ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644));
  if (file.get() < 0) return false;
  const bool written = WriteAll(file.get(), FormatStore(keys)) && ::fsync(file.get()) == 0;
  if (!file.Close() || !written || ::rename(fresh.c_str(), path.c_str()) != 0) {
    ::unlink(fresh.c_str());
    return false;
  }
  SyncDirectory(directory);
  return true;
}
