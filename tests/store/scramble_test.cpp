// Scrambling: the coded bytes, the filler range and the round trip over every byte value.
#include "store/scramble.h"

#include <gtest/gtest.h>

#include "store/random.h"

TEST(Scramble, WorkedExample) {
  RandSeed(1);
  const std::string scrambled = Scramble("abc");
  ASSERT_EQ(scrambled.size(), 9u);
  EXPECT_EQ(static_cast<uint8_t>(scrambled[0]), 108);
  EXPECT_EQ(static_cast<uint8_t>(scrambled[3]), 110);
  EXPECT_EQ(static_cast<uint8_t>(scrambled[6]), 112);
  EXPECT_EQ(static_cast<uint8_t>(Scramble("5")[0]), 64) << "a digit at position 1 gains 11";
  EXPECT_EQ(Unscramble(std::string("l\x01\x02n\xff\x00p  ", 9)), "abc") << "fillers are ignored";
}

TEST(Scramble, RoundTripsEveryByteIncludingWrappedPositions) {
  RandSeed(2);
  std::string plain;
  // Longer than 256 so the position term itself wraps, and every byte at many positions.
  for (int i = 0; i < 3 * 256 + 7; ++i) plain += static_cast<char>((i * 7) % 256);
  EXPECT_EQ(Unscramble(Scramble(plain)), plain);
  EXPECT_EQ(Scramble(""), "");
  EXPECT_EQ(Unscramble(""), "");
}

TEST(Scramble, FillersStayWithin32To154) {
  RandSeed(3);
  const std::string scrambled = Scramble(std::string(5000, 'x'));
  bool sawLowest = false, sawHighest = false;
  for (size_t i = 0; i < scrambled.size(); ++i) {
    if (i % 3 == 0) continue;
    const int filler = static_cast<uint8_t>(scrambled[i]);
    ASSERT_TRUE(filler >= 32 && filler <= 154) << "filler " << filler << " at " << i;
    sawLowest |= filler == 32;
    sawHighest |= filler == 154;
  }
  EXPECT_TRUE(sawLowest && sawHighest) << "fillers should cover the whole range 32..154";
}

TEST(Unscramble, IgnoresAPartialLastGroup) {
  EXPECT_EQ(Unscramble("xy"), "");
  EXPECT_EQ(Unscramble("l..n."), "a");
}
