#include "replay/replay_files.h"

#include "platform/file_system.h"
#include "replay/replay_codec.h"

namespace {
// A long game is a few kilobytes; anything this large is not one.
constexpr size_t kMaxReplayFileSize = 32u << 20;
}  // namespace

TReplay ReadReplayFile(const std::string& path) {
  std::string bytes;
  switch (ReadSmallFile(path, kMaxReplayFileSize, bytes)) {
    case TReadFileResult::kRead:
      break;
    case TReadFileResult::kMissing:
      throw EReplayError(path + ": no such file");
    case TReadFileResult::kTooLarge:
      throw EReplayError(path + ": not a replay file (far too large)");
    case TReadFileResult::kFailed:
      throw EReplayError(path + ": cannot be read");
  }
  try {
    return DecodeReplay(bytes);
  } catch (const EReplayError& error) {
    throw EReplayError(path + ": " + error.what());
  }
}

bool WriteReplayFile(const std::string& path, const TReplay& replay) {
  return ReplaceFileDurably(path, path + ".new", EncodeReplay(replay));
}
