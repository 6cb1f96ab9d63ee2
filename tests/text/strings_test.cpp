// The string helpers: case, replacement and the number texts the game shows and stores.
#include "text/strings.h"

#include <gtest/gtest.h>

TEST(UpperCaseAscii, RaisesOnlyAsciiLetters) {
  EXPECT_EQ(UpperCaseAscii("start"), "START");
  // Letters with diacritics (Windows-1250 0xE8, 0xC8) and other bytes stay as they are.
  EXPECT_EQ(UpperCaseAscii("a\xE8z\xC8{`|"), "A\xE8Z\xC8{`|");
}

TEST(ReplaceChar, ReplacesEveryOccurrenceAndLeavesEqualCharactersAlone) {
  EXPECT_EQ(ReplaceChar("a|b||c", '|', '\\'), "a\\b\\\\c");
  EXPECT_EQ(ReplaceChar("  x ", ' ', ' '), "  x ");
}

TEST(IntToPadded, AlignsRightThenFills) {
  EXPECT_EQ(IntToPadded('0', 2, 5), "05");
  EXPECT_EQ(IntToPadded('0', 2, 123), "123") << "a longer number is not cut";
  EXPECT_EQ(IntToPadded('0', 3, -5), "0-5") << "the fill goes before the minus sign";
  EXPECT_EQ(IntToPadded('0', 7, 0), "0000000");
  EXPECT_EQ(IntToPadded(' ', 4, 42), "  42");
  EXPECT_EQ(IntToText(-2147483647 - 1), "-2147483648");
}

TEST(TextToInt, ReadsOnlyCompleteIntegers) {
  struct Case {
    const char* text;
    int32_t expected;
  };
  const Case cases[] = {
      {"", 0},
      {"12a", 0},
      {"abc", 0},
      {" 42", 42},
      {"  -17", -17},
      {"+8", 8},
      {"$1F", 31},
      {"$1f", 31},
      {"-$10", -16},
      {"99999999999", 0},
      {"2147483647", 2147483647},
      {"2147483648", 0},
      {"-2147483648", -2147483647 - 1},
      {"-2147483649", 0},
      {"$7FFFFFFF", 2147483647},
      {"$80000000", 0},
      {"42 ", 0},
      {"-", 0},
      {"$", 0},
      {" ", 0},
      {"1F", 0},
      {"00060000", 60000},
      {"\t5", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextToInt(c.text), c.expected) << "text \"" << c.text << "\"";
  }
  EXPECT_EQ(TextToInt(std::string("4\0"
                                  "2",
                                  3)),
            0)
      << "an embedded zero byte ends nothing";
}
