#include "replay/replay_codec.h"

#include <zlib.h>

#include <limits>

#include "play/daily_challenge.h"

namespace {
constexpr std::string_view kMagic = "BRNVRPLY";
constexpr size_t kHeaderSize = 8 + 2 + 2 + 4 + 4;
constexpr size_t kChecksumSize = 4;
// Far beyond any game (about 18 hours at 60 frames a second), small enough that a hostile
// header cannot make the reader allocate without bound.
constexpr uint64_t kMaxFrames = 4'000'000;
constexpr uint64_t kMaxPayload = 16u << 20;
constexpr uint32_t kDrewBit = 1u << 9;
constexpr uint32_t kMusicBit = 1u << 10;

void PutLe(std::string& out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

uint64_t GetLe(std::string_view in, size_t at, int bytes) {
  uint64_t value = 0;
  for (int i = 0; i < bytes; ++i) {
    value |= uint64_t{static_cast<uint8_t>(in[at + static_cast<size_t>(i)])} << (8 * i);
  }
  return value;
}

void PutVarint(std::string& out, uint64_t value) {
  while (value >= 0x80) {
    out.push_back(static_cast<char>((value & 0x7F) | 0x80));
    value >>= 7;
  }
  out.push_back(static_cast<char>(value));
}

uint64_t ZigZag(int64_t value) {
  return (static_cast<uint64_t>(value) << 1) ^ static_cast<uint64_t>(value >> 63);
}

int64_t UnZigZag(uint64_t value) {
  return static_cast<int64_t>(value >> 1) ^ -static_cast<int64_t>(value & 1);
}

uint32_t FrameBits(const TReplayFrame& frame) {
  return frame.Keys | (frame.Drew ? kDrewBit : 0) | (frame.MusicDrew ? kMusicBit : 0);
}

class TPayloadReader {
 public:
  explicit TPayloadReader(std::string_view bytes) : bytes_(bytes) {}

  uint64_t Varint() {
    uint64_t value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
      const uint8_t byte = Byte();
      value |= uint64_t{byte & 0x7Fu} << shift;
      if ((byte & 0x80) == 0) return value;
    }
    throw EReplayError("the replay is damaged (a number runs too long)");
  }
  uint64_t Varint(uint64_t max, const char* what) {
    const uint64_t value = Varint();
    if (value > max) throw EReplayError(std::string("the replay is damaged (") + what + ")");
    return value;
  }
  int32_t SignedInt32(const char* what) {
    const int64_t value = UnZigZag(Varint());
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
      throw EReplayError(std::string("the replay is damaged (") + what + ")");
    return static_cast<int32_t>(value);
  }
  uint8_t Byte() {
    if (at_ >= bytes_.size()) throw EReplayError("the replay is damaged (its game ends early)");
    return static_cast<uint8_t>(bytes_[at_++]);
  }
  uint64_t Fixed64() {
    uint64_t value = 0;
    for (int i = 0; i < 8; ++i) value |= uint64_t{Byte()} << (8 * i);
    return value;
  }
  bool AtEnd() const { return at_ == bytes_.size(); }

 private:
  std::string_view bytes_;
  size_t at_ = 0;
};

uint16_t VersionFor(const TReplay& replay) {
  return replay.DailyDate != 0 ? 2 : 1;
}

std::string EncodePayload(const TReplay& replay) {
  std::string out;
  PutLe(out, replay.GameplayFingerprint, 8);
  if (VersionFor(replay) >= 2) PutVarint(out, replay.DailyDate);
  const TReplayStart& start = replay.Start;
  PutVarint(out, start.Seed);
  PutVarint(out, start.DrawsBefore);
  out.push_back(static_cast<char>(start.Selected));
  out.push_back(static_cast<char>(start.Latches));
  for (uint8_t setting : start.Settings) out.push_back(static_cast<char>(setting));
  const TReplayResult& claimed = replay.Claimed;
  out.push_back(static_cast<char>(claimed.GameMode));
  PutVarint(out, ZigZag(claimed.LevelNumber));
  PutVarint(out, ZigZag(claimed.Score));
  out.push_back(static_cast<char>(claimed.EndScreen));
  PutLe(out, claimed.StateDigest, 8);

  // Runs of equal frames; what repeats at a longer period (lags of 17, 17, 16 at 60 Hz) is left
  // to the compression.
  std::string runs;
  uint64_t runCount = 0;
  const auto& frames = replay.Frames;
  for (size_t i = 0; i < frames.size();) {
    size_t end = i + 1;
    while (end < frames.size() && frames[end] == frames[i]) ++end;
    PutVarint(runs, end - i);
    PutVarint(runs, static_cast<uint64_t>(frames[i].Lag));
    PutVarint(runs, FrameBits(frames[i]));
    ++runCount;
    i = end;
  }
  PutVarint(out, frames.size());
  PutVarint(out, runCount);
  return out + runs;
}

TReplay DecodePayload(std::string_view payload, uint64_t version) {
  TPayloadReader in(payload);
  TReplay replay;
  replay.GameplayFingerprint = in.Fixed64();
  if (version >= 2) {
    replay.DailyDate = static_cast<uint32_t>(in.Varint(99991231, "date"));
    if (!TDailyDate::FromNumber(replay.DailyDate))
      throw EReplayError("the replay is damaged (date)");
  }
  TReplayStart& start = replay.Start;
  start.Seed = static_cast<uint32_t>(in.Varint(std::numeric_limits<uint32_t>::max(), "seed"));
  start.DrawsBefore = in.Varint(uint64_t{1} << 48, "number of draws");
  start.Selected = in.Byte();
  if (start.Selected < 1 || start.Selected > 5) throw EReplayError("the replay is damaged (mode)");
  start.Latches = in.Byte();
  if (start.Latches >= 64) throw EReplayError("the replay is damaged (latches)");
  for (uint8_t& setting : start.Settings) {
    setting = in.Byte();
    if (setting > 1) throw EReplayError("the replay is damaged (settings)");
  }
  TReplayResult& claimed = replay.Claimed;
  claimed.GameMode = in.Byte();
  claimed.LevelNumber = in.SignedInt32("level");
  claimed.Score = in.SignedInt32("score");
  claimed.EndScreen = in.Byte();
  claimed.StateDigest = in.Fixed64();

  const uint64_t frameCount = in.Varint(kMaxFrames, "too many frames");
  if (frameCount == 0) throw EReplayError("the replay is damaged (it holds no frame)");
  const uint64_t runCount = in.Varint(frameCount, "too many runs");
  replay.Frames.reserve(frameCount);
  for (uint64_t run = 0; run < runCount; ++run) {
    const uint64_t count = in.Varint(frameCount - replay.Frames.size(), "frame count");
    TReplayFrame frame;
    frame.Lag = static_cast<int32_t>(in.Varint(std::numeric_limits<int32_t>::max(), "lag"));
    const uint64_t bits = in.Varint((kMusicBit << 1) - 1, "keys");
    if (count == 0 || frame.Lag < 1) throw EReplayError("the replay is damaged (empty run)");
    frame.Keys = static_cast<uint16_t>(bits & 0x1FF);
    frame.Drew = (bits & kDrewBit) != 0;
    frame.MusicDrew = (bits & kMusicBit) != 0;
    replay.Frames.insert(replay.Frames.end(), count, frame);
  }
  if (replay.Frames.size() != frameCount) throw EReplayError("the replay is damaged (frame count)");
  if (!in.AtEnd()) throw EReplayError("the replay is damaged (bytes after its game)");
  return replay;
}
}  // namespace

std::string EncodeReplay(const TReplay& replay) {
  return PackReplayPayload(EncodePayload(replay), VersionFor(replay));
}

std::string PackReplayPayload(std::string_view payload, uint16_t version) {
  uLongf packedSize = compressBound(payload.size());
  std::string packed(packedSize, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                reinterpret_cast<const Bytef*>(payload.data()), payload.size(),
                Z_BEST_COMPRESSION) != Z_OK) {
    throw EReplayError("cannot compress the replay");
  }
  packed.resize(packedSize);

  std::string out(kMagic);
  PutLe(out, version, 2);
  PutLe(out, 0, 2);
  PutLe(out, payload.size(), 4);
  PutLe(out, packed.size(), 4);
  out += packed;
  PutLe(out, crc32(0, reinterpret_cast<const Bytef*>(out.data()), out.size()), 4);
  return out;
}

TReplay DecodeReplay(std::string_view bytes) {
  if (bytes.substr(0, kMagic.size()) != kMagic) {
    if (bytes.size() < kMagic.size() && kMagic.substr(0, bytes.size()) == bytes)
      throw EReplayError("the replay is truncated");
    throw EReplayError("not a replay file");
  }
  if (bytes.size() < kHeaderSize + kChecksumSize) throw EReplayError("the replay is truncated");
  const uint64_t version = GetLe(bytes, 8, 2);
  if (version < 1 || version > kReplayFormatVersion) {
    throw EReplayError("replay format version " + std::to_string(version) +
                       " is not known to this game (it reads version " +
                       std::to_string(kReplayFormatVersion) + ")");
  }
  const uint64_t payloadSize = GetLe(bytes, 12, 4);
  const uint64_t packedSize = GetLe(bytes, 16, 4);
  const uint64_t wholeSize = kHeaderSize + packedSize + kChecksumSize;
  if (bytes.size() < wholeSize) throw EReplayError("the replay is truncated");
  if (bytes.size() > wholeSize) throw EReplayError("the replay is damaged (bytes after its end)");
  const uint32_t checksum = crc32(0, reinterpret_cast<const Bytef*>(bytes.data()),
                                  static_cast<uInt>(wholeSize - kChecksumSize));
  if (checksum != GetLe(bytes, wholeSize - kChecksumSize, 4) || GetLe(bytes, 10, 2) != 0)
    throw EReplayError("the replay is damaged (its checksum does not match)");
  if (payloadSize > kMaxPayload) throw EReplayError("the replay is damaged (size)");

  std::string payload(payloadSize, '\0');
  uLongf unpackedSize = payloadSize;
  const int status =
      uncompress(reinterpret_cast<Bytef*>(payload.data()), &unpackedSize,
                 reinterpret_cast<const Bytef*>(bytes.data() + kHeaderSize), packedSize);
  if (status != Z_OK || unpackedSize != payloadSize)
    throw EReplayError("the replay is damaged (it does not unpack)");
  return DecodePayload(payload, version);
}
