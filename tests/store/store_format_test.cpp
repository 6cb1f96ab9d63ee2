// The store file's text: every byte survives, and anything cut short or damaged is refused.
#include "store/store_format.h"

#include <gtest/gtest.h>

namespace {
TStoreKeys SampleKeys() {
  std::string everyByte;
  for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
  return {
      {"\\Software\\Dravokel\\Brunival", {{"j00", everyByte}, {"s00", ""}, {"a=b[]%", "x y"}}},
      {"[other]\n", {{"", "%41"}}},
  };
}
}  // namespace

TEST(StoreFormat, EveryByteRoundTrips) {
  const std::string text = FormatStore(SampleKeys());
  TStoreKeys parsed;
  ASSERT_TRUE(ParseStore(text, parsed)) << text;
  EXPECT_EQ(parsed, SampleKeys());
  EXPECT_EQ(text.substr(0, 17), "brunival-store 1\n");
}

TEST(StoreFormat, EveryCutShortFileIsRefused) {
  const std::string text = FormatStore(SampleKeys());
  TStoreKeys parsed;
  for (size_t length = 0; length < text.size(); ++length) {
    EXPECT_FALSE(ParseStore(text.substr(0, length), parsed))
        << "accepted the first " << length << " of " << text.size() << " bytes";
  }
}

TEST(StoreFormat, DamagedFilesAreRefused) {
  const std::string header = "brunival-store 1\n";
  const std::string key = "[k]\n";
  TStoreKeys parsed;
  ASSERT_TRUE(ParseStore(header + key + "a=A%2520\nend\n", parsed) && parsed["k"]["a"] == "A%20")
      << "a well-formed sample must parse for the refusals below to mean anything";
  const std::string damaged[] = {
      "brunival-store 2\n" + key + "end\n",  // unknown version
      header + "a=b\nend\n",                 // value outside any key
      header + key + "a=%4\nend\n",          // escape cut short
      header + key + "a=%4g\nend\n",         // not a hex digit
      header + key + "a=%4a\nend\n",         // lower-case hex is not what we write
      header + key + "a=%41\nend\n",         // an escape the writer never makes
      header + key + "a=x y\nend\n",         // raw blank
      header + key + "a=b=c\nend\n",         // raw '='
      header + key + "a=b\r\nend\n",         // raw carriage return
      header + key + "a=b\na=c\nend\n",      // duplicate value
      header + key + key + "end\n",          // duplicate key
      header + key + "ab\nend\n",            // neither key nor value
      header + key + "end\nend\n",           // something after the end
      header + key + "\nend\n",              // empty line
  };
  for (const std::string& text : damaged) {
    EXPECT_FALSE(ParseStore(text, parsed)) << "accepted:\n" << text;
  }
}
