// Sound items and their RIFF payloads, written and read back or crafted by hand.
#include <gtest/gtest.h>

#include "container_test_support.h"
#include "media/container_writer.h"
#include "media/riff.h"

namespace {

std::vector<uint8_t> Samples(size_t count, uint8_t seed) {
  std::vector<uint8_t> data;
  for (size_t i = 0; i < count; ++i) data.push_back(static_cast<uint8_t>(i * 31 + seed));
  return data;
}

TEST(SoundItems, WriterFormatsReadBack) {
  std::vector<TSoundEntry> entries;
  for (int16_t bits : {8, 16}) {
    for (int16_t channels : {1, 2}) {
      TSoundEntry entry;
      entry.Name = "s" + std::to_string(bits) + "_" + std::to_string(channels);
      entry.BitsPerSample = bits;
      entry.Channels = channels;
      entry.SampleRate = bits == 8 ? 11025 : 44100;
      entry.Data = Samples(static_cast<size_t>(channels) * bits / 8 * 50, 3);
      entries.push_back(entry);
    }
  }
  entries[1].Looped = true;
  entries[2].MaxPlayingCount = 3;

  TWaveCollection list;
  LoadSoundContainer(list, EncodeSoundContainer(entries));
  ASSERT_EQ(list.Count(), 4);
  for (int i = 0; i < 4; ++i) {
    const auto& entry = entries[i];
    const auto& item = list.Items(i);
    EXPECT_EQ(item.Name(), entry.Name);
    EXPECT_EQ(item.Looped, entry.Looped) << entry.Name;
    EXPECT_EQ(item.MaxPlayingCount(), entry.MaxPlayingCount) << entry.Name;
    EXPECT_EQ(item.Wave.Format,
              PcmWaveFormat(entry.SampleRate, entry.Channels, entry.BitsPerSample))
        << entry.Name;
    EXPECT_EQ(item.Wave.Data, entry.Data) << entry.Name;
  }
}

TEST(SoundItems, WriterRefusesFormatsTheGameCannotPlay) {
  TSoundEntry entry;
  entry.Name = "bad";
  entry.BitsPerSample = 24;
  EXPECT_THROW(EncodeSoundContainer({entry}), std::runtime_error);
  entry.BitsPerSample = 16;
  entry.Channels = 3;
  EXPECT_THROW(EncodeSoundContainer({entry}), std::runtime_error);
  entry.Channels = 2;
  entry.Data = {1, 2, 3};  // not a whole stereo frame
  EXPECT_THROW(EncodeSoundContainer({entry}), std::runtime_error);
}

// RIFF with the given chunks (identifier, body) after the 12-byte preamble.
std::vector<uint8_t> Riff(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& chunks,
                          std::string_view magic = "RIFF") {
  TContainerStreamWriter out;
  out.Raw(magic);
  out.U32(0xFFFFFFFF);  // the size field is not trusted
  out.Raw("WAVE");
  for (const auto& [id, body] : chunks) {
    out.Raw(id);
    out.U32(static_cast<uint32_t>(body.size()));
    out.Raw(body);
  }
  return out.Take();
}

TEST(SoundItems, ForeignChunksAreSkipped) {
  const auto format = PcmWaveFormat(22050, 1, 8);
  const auto data = Samples(101, 9);  // odd size: no padding byte follows
  const auto plain = Riff({{"fmt ", format}, {"data", data}});
  const auto withForeign = Riff({{"LIST", Samples(7, 1)},
                                 {"fmt ", format},
                                 {"fact", {4, 0, 0, 0}},
                                 {"data", data},
                                 {"FMT ", {1, 2}}});
  for (const auto& riff : {plain, withForeign}) {
    TWaveCollection list;
    LoadSoundContainer(list, MakeWaveContainer(riff));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0).Wave.Format, format);
    EXPECT_EQ(list.Items(0).Wave.Data, data);
  }
}

TEST(SoundItems, ShortTrailingChunkHeaderOrDataEndsThePayload) {
  auto riff = Riff({{"fmt ", PcmWaveFormat(8000, 1, 8)}, {"data", {1, 2, 3}}});
  riff.insert(riff.end(), {'j', 'u', 'n'});
  TWaveCollection list;
  LoadSoundContainer(list, MakeWaveContainer(riff));
  EXPECT_EQ(list.Items(0).Wave.Data, (std::vector<uint8_t>{1, 2, 3}));
  // Many writers leave a data size larger than the file: the bytes that are there count.
  riff.resize(riff.size() - 4);
  TWaveCollection cut;
  LoadSoundContainer(cut, MakeWaveContainer(riff));
  EXPECT_EQ(cut.Items(0).Wave.Data, (std::vector<uint8_t>{1, 2}));
}

TEST(SoundItems, EmptyPayloadIsASoundWithoutData) {
  TWaveCollection list;
  LoadSoundContainer(list, MakeWaveContainer({}));
  ASSERT_EQ(list.Count(), 1);
  EXPECT_TRUE(list.Items(0).Wave.Data.empty());
  EXPECT_TRUE(list.Items(0).Wave.Format.empty());
}

TEST(SoundItems, PayloadErrors) {
  EXPECT_EQ(SoundLoadError(MakeWaveContainer(Riff({}, "RIFX"))),
            "Error reading s.Wave.WAVE: Wave is invalid");
  auto notWave = Riff({});
  notWave[8] = 'w';
  EXPECT_EQ(SoundLoadError(MakeWaveContainer(notWave)),
            "Error reading s.Wave.WAVE: Wave is invalid");
  EXPECT_EQ(SoundLoadError(MakeWaveContainer({'R', 'I', 'F', 'F', 0, 0})),
            "Error reading s.Wave.WAVE: Stream read error");
  auto truncatedFormat = Riff({{"fmt ", PcmWaveFormat(8000, 1, 8)}});
  truncatedFormat.pop_back();
  EXPECT_EQ(SoundLoadError(MakeWaveContainer(truncatedFormat)),
            "Error reading s.Wave.WAVE: Stream read error");
}

TEST(SoundItems, PropertiesIgnoreCaseAndNegativeCountsBecomeZero) {
  TWaveCollection list;
  LoadSoundContainer(list, MakeSoundItemContainer([](TContainerStreamWriter& out) {
                       out.PropertyName("NAME");
                       out.String("alert");
                       out.PropertyName("looped");
                       out.Identifier("True");
                       out.PropertyName("maxplayingcount");
                       out.Integer(-4);
                       out.PropertyName("wave.wave");
                       out.Binary(std::vector<uint8_t>{});
                     }));
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Items(0).Name(), "alert");
  EXPECT_TRUE(list.Items(0).Looped);
  EXPECT_EQ(list.Items(0).MaxPlayingCount(), 0);
}

}  // namespace
