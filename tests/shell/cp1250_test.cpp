// Windows-1250 texts: the compile-time literals and the conversions for the outside world.
#include <gtest/gtest.h>

#include <string>

#include "text/cp1250.h"

namespace {
std::string Hex(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    static const char digits[] = "0123456789ABCDEF";
    const auto byte = static_cast<uint8_t>(c);
    out += digits[byte >> 4];
    out += digits[byte & 15];
    out += ' ';
  }
  return out;
}

TEST(Cp1250Test, CzechLiteralsBecomeCodePageBytes) {
  EXPECT_EQ(Hex("při"_cp1250), "70 F8 69 ");
  EXPECT_EQ(Hex("nemůže"_cp1250), "6E 65 6D F9 9E 65 ");
  EXPECT_EQ(Hex("ČŠŽčšžěťď"_cp1250), "C8 8A 8E E8 9A 9E EC 9D EF ");
  EXPECT_EQ("plain ASCII"_cp1250, "plain ASCII");
  constexpr std::string_view atCompileTime = "spuštěn"_cp1250;
  static_assert(atCompileTime.size() == 7);
}

TEST(Cp1250Test, EveryDefinedByteSurvivesTheRoundTrip) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) {
    if (cp1250::ToUnicode(static_cast<uint8_t>(byte)) != 0xFFFD) all += static_cast<char>(byte);
  }
  EXPECT_EQ(all.size(), 250u) << "the code page leaves exactly five bytes undefined";
  EXPECT_EQ(Hex(Utf8ToCp1250(Cp1250ToUtf8(all))), Hex(all));
}

TEST(Cp1250Test, UndefinedBytesBecomeTheReplacementCharacter) {
  EXPECT_EQ(Cp1250ToUtf8("a\x81z\x98"), "a\xEF\xBF\xBDz\xEF\xBF\xBD");
  EXPECT_EQ(Cp1250ToUtf8("\x80"), "\xE2\x82\xAC") << "0x80 is the euro sign";
  EXPECT_EQ(Cp1250ToUtf8("\xE8"), "\xC4\x8D") << "0xE8 is c with caron";
}

TEST(Cp1250Test, UnmappableOrBrokenUtf8BecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1250("\xE2\x98\x83"), "?") << "a snowman has no code-page byte";
  EXPECT_EQ(Utf8ToCp1250("ab\xC4"), "ab?") << "a sequence cut short at the end";
  EXPECT_EQ(Utf8ToCp1250("\xE2\x82"), "?") << "a longer one cut short";
  EXPECT_EQ(Utf8ToCp1250("\xE2\x82z"), "?z") << "a sequence broken by an ASCII byte";
  EXPECT_EQ(Utf8ToCp1250("\xFF"), "?");
}
}  // namespace
