#include <gtest/gtest.h>

#include <random>

#include "replay/replay_codec.h"

namespace {
// A real window's ten minutes: lags that jitter between 16 and 17 ms (now and then a slow
// frame), a key pressed every few frames, a song drawn every two minutes.
TReplay TenMinutesInAWindow() {
  TReplay replay;
  replay.GameplayFingerprint = 0xfeedfacecafebeefull;
  replay.Start = {123456789, 4321, 3, 0x10, {1, 0, 1}};
  replay.Claimed = {3, 1, 12750, 11, 0x0123456789abcdefull};
  std::mt19937 random(1);
  uint16_t keys = 0;
  for (int i = 0; i < 36000; ++i) {
    if (random() % 8 == 0)
      keys = random() % 3 == 0 ? static_cast<uint16_t>(1u << (random() % 7)) : 0;
    const int32_t lag = random() % 200 == 0 ? 33 + static_cast<int32_t>(random() % 40)
                                            : 16 + static_cast<int32_t>(random() % 2);
    replay.Frames.push_back({lag, keys, random() % 500 != 0, i % 7200 == 7199});
  }
  return replay;
}
}  // namespace

TEST(ReplayFile, TenMinutesFitSixteenKilobytesAndComeBackWhole) {
  const TReplay replay = TenMinutesInAWindow();
  const std::string bytes = EncodeReplay(replay);
  EXPECT_LE(bytes.size(), 16u * 1024) << bytes.size();
  EXPECT_EQ(DecodeReplay(bytes), replay);
  EXPECT_EQ(EncodeReplay(replay), bytes);
  EXPECT_FALSE(replay.CheatKeysUsed());
}

TEST(ReplayFile, OnlyADailyGameIsWrittenInTheNewerVersion) {
  TReplay replay = TenMinutesInAWindow();
  replay.Frames.resize(100);
  EXPECT_EQ(EncodeReplay(replay)[8], 1);
  replay.DailyDate = 20261224;
  const std::string daily = EncodeReplay(replay);
  EXPECT_EQ(daily[8], 2);
  EXPECT_EQ(DecodeReplay(daily), replay);
}

TEST(ReplayFile, EveryDamageIsRefusedWithAMessage) {
  TReplay replay = TenMinutesInAWindow();
  replay.Frames.resize(600);
  const std::string bytes = EncodeReplay(replay);
  for (size_t size = 0; size < bytes.size(); ++size) {
    EXPECT_THROW(DecodeReplay(bytes.substr(0, size)), EReplayError) << size;
  }
  for (size_t at = 0; at < bytes.size(); ++at) {
    std::string damaged = bytes;
    damaged[at] = static_cast<char>(damaged[at] ^ 0x20);
    EXPECT_THROW(DecodeReplay(damaged), EReplayError) << at;
  }
  const auto message = [](std::string_view file) {
    try {
      DecodeReplay(file);
    } catch (const EReplayError& error) {
      return std::string(error.what());
    }
    return std::string();
  };
  EXPECT_EQ(message(bytes.substr(0, 30)), "the replay is truncated");
  EXPECT_EQ(message("brunival-store 1\n"), "not a replay file");
  EXPECT_EQ(message(bytes + "x"), "the replay is damaged (bytes after its end)");
  // A well-formed file whose game says nothing.
  EXPECT_EQ(message(PackReplayPayload(std::string(8, '\0'))),
            "the replay is damaged (its game ends early)");
}
