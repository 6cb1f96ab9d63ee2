// Reading and crash-safe writing of the store file on disk.
#include "store/store_file.h"

#include <filesystem>

#include "platform/file_system.h"

namespace {
// A real store holds a few kilobytes; anything far larger is not one of ours.
constexpr size_t kMaxStoreSize = 1 << 20;
constexpr int kMaxBrokenCopies = 1000;

// Empty when the file was set aside; otherwise why it could not be.
std::string SetAside(const std::string& path) {
  for (int n = 1; n <= kMaxBrokenCopies; ++n) {
    switch (MoveFileAside(path, path + ".broken-" + std::to_string(n))) {
      case TMoveAsideResult::kMoved:
        return {};
      case TMoveAsideResult::kFailed:
        return LastFileError();
      case TMoveAsideResult::kTaken:
        break;
    }
  }
  return "every name to set it aside under is taken";
}
}  // namespace

TStoreFileState ReadStoreFile(const std::string& path, TStoreKeys& keys, std::string& failure) {
  keys.clear();
  std::string bytes;
  switch (ReadSmallFile(path, kMaxStoreSize, bytes)) {
    case TReadFileResult::kMissing:
      return TStoreFileState::kMissing;
    case TReadFileResult::kFailed:
      failure = LastFileError();
      return TStoreFileState::kUnreadable;
    case TReadFileResult::kTooLarge:
      break;
    case TReadFileResult::kRead:
      if (ParseStore(bytes, keys)) return TStoreFileState::kLoaded;
      break;
  }
  keys.clear();
  const std::string refusal = SetAside(path);
  if (refusal.empty()) return TStoreFileState::kMissing;
  failure = "damaged, and it cannot be set aside: " + refusal;
  return TStoreFileState::kUnreadable;
}

bool WriteStoreFile(const std::string& path, const TStoreKeys& keys, std::string& failure) {
  const std::filesystem::path target = PathFromUtf8(path);
  std::error_code error;
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);
  if (error) {
    failure = error.message();
    return false;
  }
  if (ReplaceFileDurably(path, path + ".new", FormatStore(keys))) return true;
  failure = LastFileError();
  return false;
}
