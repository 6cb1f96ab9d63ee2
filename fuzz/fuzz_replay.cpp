// Feeds arbitrary bytes to the replay reader: as a whole file, and (first byte odd) as the game
// inside a file with a valid checksum (bit 1: of the daily challenge's version), so the fuzzer
// reaches the parser behind the CRC. What decodes must encode to a file that decodes to the same
// replay.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <zlib.h>

#include "replay/replay_codec.h"
#include "seed_corpus.h"

namespace {
TReplay SampleGame(int frames) {
  TReplay replay;
  replay.GameplayFingerprint = 0x1234567890abcdefull;
  replay.Start = {7, 1234, 2, 0x10, {1, 1, 0}};
  replay.Claimed = {2, 3, 4500, 11, 42};
  for (int i = 0; i < frames; ++i) {
    replay.Frames.push_back({i % 3 == 2 ? 16 : 17, static_cast<uint16_t>((i / 7) % 5 == 0 ? 4 : 0),
                             true, i == frames / 2});
  }
  return replay;
}

TSeeds Seeds() {
  TSeeds seeds;
  for (int frames : {1, 5, 300}) {
    TReplay game = SampleGame(frames);
    if (frames == 300) game.DailyDate = 20261224;
    const std::string file = EncodeReplay(game);
    seeds.push_back({0});
    seeds.back().insert(seeds.back().end(), file.begin(), file.end());
    // The same game unpacked, for the parser behind the checksum.
    std::vector<uint8_t> payload(1u << 16);
    uLongf size = payload.size();
    constexpr size_t kHeader = 20;
    uncompress(payload.data(), &size, reinterpret_cast<const Bytef*>(file.data() + kHeader),
               file.size() - kHeader - 4);
    payload.resize(size);
    payload.insert(payload.begin(), game.DailyDate != 0 ? 3 : 1);
    seeds.push_back(payload);
  }
  return seeds;
}

void CheckRoundTrip(const TReplay& replay) {
  if (DecodeReplay(EncodeReplay(replay)) != replay) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  WriteSeedsWhenAsked(*argc, *argv, "replay-", Seeds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  try {
    // Bit 0: the rest is a payload to wrap; bit 1: wrapped as a daily challenge's version.
    const uint16_t version = (data[0] & 2) != 0 ? 2 : 1;
    CheckRoundTrip(DecodeReplay((data[0] & 1) != 0 ? PackReplayPayload(rest, version)
                                                   : std::string(rest)));
  } catch (const EReplayError&) {
  }
  return 0;
}
