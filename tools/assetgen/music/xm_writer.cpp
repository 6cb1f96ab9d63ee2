// Extended module writer (version 0x0104): packed patterns, one instrument per sample,
// 16-bit delta-encoded sample data.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "music/tracker.h"

namespace {

void PutString(std::vector<uint8_t>& out, const std::string& text, size_t length) {
  for (size_t i = 0; i < length; ++i) out.push_back(i < text.size() ? text[i] : 0);
}
void Put16(std::vector<uint8_t>& out, int value) {
  out.push_back(static_cast<uint8_t>(value & 255));
  out.push_back(static_cast<uint8_t>((value >> 8) & 255));
}
void Put32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>((value >> (8 * i)) & 255));
}

constexpr int kHeaderSize = 276;      // from the size field to the end of the order table
constexpr int kInstrumentSize = 263;  // instrument header with its envelope block
constexpr int kSampleHeaderSize = 40;
constexpr int kNaturalNote = 49;  // C-4 with relative note 12 plays at twice 8363 Hz
constexpr int kRelativeNote = 12;

std::vector<uint8_t> PackPattern(const TSong& song, const TPattern& pattern) {
  std::vector<uint8_t> data;
  for (const auto& row : pattern.Rows) {
    for (const TCell& cell : row) {
      int note = 0;
      if (cell.Pitch > 0) {
        const TSample& s = song.Samples.at(cell.Instrument - 1);
        note = kNaturalNote + cell.Pitch - s.BaseMidi;
        if (note < 1 || note > 96) throw std::runtime_error("note out of XM range for " + s.Name);
      }
      const int volume = cell.Volume >= 0 ? 0x10 + std::min(cell.Volume, 64) : 0;
      uint8_t flags = 0x80;
      if (note) flags |= 1;
      if (cell.Instrument) flags |= 2;
      if (volume) flags |= 4;
      if (cell.Effect) flags |= 8;
      if (cell.Param) flags |= 16;
      data.push_back(flags);
      if (note) data.push_back(static_cast<uint8_t>(note));
      if (cell.Instrument) data.push_back(static_cast<uint8_t>(cell.Instrument));
      if (volume) data.push_back(static_cast<uint8_t>(volume));
      if (cell.Effect) data.push_back(static_cast<uint8_t>(cell.Effect));
      if (cell.Param) data.push_back(static_cast<uint8_t>(cell.Param));
    }
  }
  return data;
}

void PutInstrument(std::vector<uint8_t>& out, const TSample& s, int panning) {
  const size_t start = out.size();
  Put32(out, kInstrumentSize);
  PutString(out, s.Name, 22);
  out.push_back(0);
  Put16(out, 1);
  Put32(out, kSampleHeaderSize);
  out.insert(out.end(), 96, 0);         // every key plays sample 0
  out.insert(out.end(), 48 + 48, 0);    // envelopes unused
  out.insert(out.end(), 2 + 6 + 2, 0);  // envelope counts, sustain and loop points, types
  out.insert(out.end(), 4, 0);          // auto-vibrato
  Put16(out, 0);                        // fadeout
  out.resize(start + kInstrumentSize, 0);

  const uint32_t bytes = static_cast<uint32_t>(s.Data.size() * 2);
  Put32(out, bytes);
  Put32(out, s.LoopLength > 0 ? s.LoopStart * 2 : 0);
  Put32(out, s.LoopLength > 0 ? s.LoopLength * 2 : 0);
  out.push_back(static_cast<uint8_t>(s.Volume));
  out.push_back(0);                                                        // finetune
  out.push_back(static_cast<uint8_t>((s.LoopLength > 0 ? 1 : 0) | 0x10));  // loop, 16-bit
  out.push_back(static_cast<uint8_t>(panning));
  out.push_back(static_cast<uint8_t>(kRelativeNote));
  out.push_back(0);
  PutString(out, s.Name, 22);

  int16_t previous = 0;
  for (float v : s.Data) {
    const int16_t value = static_cast<int16_t>(
        std::clamp(static_cast<int>(std::lround(v * 32767.0f)), -32768, 32767));
    Put16(out, static_cast<uint16_t>(value - previous));
    previous = value;
  }
}

}  // namespace

std::vector<uint8_t> EncodeXm(const TSong& song) {
  if (song.Patterns.size() > 256 || song.Order.empty() || song.Order.size() > 256) {
    throw std::runtime_error("bad XM order list or pattern count");
  }
  std::vector<uint8_t> out;
  PutString(out, "Extended Module: ", 17);
  PutString(out, song.Title, 20);
  out.push_back(0x1A);
  PutString(out, "brunival-assets", 20);
  Put16(out, 0x0104);
  Put32(out, kHeaderSize);
  Put16(out, static_cast<int>(song.Order.size()));
  Put16(out, 0);  // restart position
  Put16(out, kChannels);
  Put16(out, static_cast<int>(song.Patterns.size()));
  Put16(out, static_cast<int>(song.Samples.size()));
  Put16(out, 1);  // linear frequency table
  Put16(out, song.Speed);
  Put16(out, song.Tempo);
  for (size_t i = 0; i < 256; ++i) out.push_back(i < song.Order.size() ? song.Order[i] : 0);

  for (const TPattern& pattern : song.Patterns) {
    const std::vector<uint8_t> packed = PackPattern(song, pattern);
    if (packed.size() > 65535) throw std::runtime_error("XM pattern too large");
    Put32(out, 9);
    out.push_back(0);
    Put16(out, kRows);
    Put16(out, static_cast<int>(packed.size()));
    out.insert(out.end(), packed.begin(), packed.end());
  }
  // Gentle stereo spread by instrument number keeps the four voices apart.
  const int pans[] = {128, 128, 104, 152, 88, 168};
  for (size_t i = 0; i < song.Samples.size(); ++i) PutInstrument(out, song.Samples[i], pans[i % 6]);
  return out;
}
