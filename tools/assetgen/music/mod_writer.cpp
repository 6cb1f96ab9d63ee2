// ProTracker "M.K." module writer: 31 samples, 4 channels, 8-bit signed sample data.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "music/tracker.h"

namespace {

// Periods of octaves 1..3 at finetune 0, from C-1 to B-3.
constexpr uint16_t kPeriods[36] = {856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
                                   428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
                                   214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};
constexpr int kC3Index = 24;

void PutString(std::vector<uint8_t>& out, const std::string& text, size_t length) {
  for (size_t i = 0; i < length; ++i) out.push_back(i < text.size() ? text[i] : 0);
}

void PutWordBE(std::vector<uint8_t>& out, int value) {
  out.push_back(static_cast<uint8_t>((value >> 8) & 255));
  out.push_back(static_cast<uint8_t>(value & 255));
}

int8_t ToByte(float v) {
  return static_cast<int8_t>(std::clamp(static_cast<int>(std::lround(v * 127.0f)), -128, 127));
}

// Sample lengths are stored in words: even byte counts only.
size_t EvenLength(size_t n) {
  return n & ~static_cast<size_t>(1);
}

}  // namespace

std::vector<uint8_t> EncodeMod(const TSong& song) {
  if (song.Samples.size() > 31) throw std::runtime_error("a MOD holds at most 31 samples");
  if (song.Patterns.size() > 64) throw std::runtime_error("a MOD holds at most 64 patterns");
  if (song.Order.empty() || song.Order.size() > 128) throw std::runtime_error("bad order list");
  std::vector<uint8_t> out;
  PutString(out, song.Title, 20);
  for (size_t i = 0; i < 31; ++i) {
    if (i >= song.Samples.size()) {
      PutString(out, "", 22);
      PutWordBE(out, 0), out.push_back(0), out.push_back(0), PutWordBE(out, 0), PutWordBE(out, 1);
      continue;
    }
    const TSample& s = song.Samples[i];
    const size_t length = EvenLength(s.Data.size());
    if (length / 2 > 65535) throw std::runtime_error("sample " + s.Name + " too long for a MOD");
    PutString(out, s.Name, 22);
    PutWordBE(out, static_cast<int>(length / 2));
    out.push_back(0);  // finetune
    out.push_back(static_cast<uint8_t>(s.Volume));
    if (s.LoopLength > 0) {
      PutWordBE(out, s.LoopStart / 2);
      PutWordBE(out, s.LoopLength / 2);
    } else {
      PutWordBE(out, 0), PutWordBE(out, 1);
    }
  }
  out.push_back(static_cast<uint8_t>(song.Order.size()));
  out.push_back(127);
  for (size_t i = 0; i < 128; ++i) out.push_back(i < song.Order.size() ? song.Order[i] : 0);
  PutString(out, "M.K.", 4);
  for (const TPattern& pattern : song.Patterns) {
    for (const auto& row : pattern.Rows) {
      for (const TCell& cell : row) {
        int period = 0;
        if (cell.Pitch > 0) {
          const TSample& s = song.Samples.at(cell.Instrument - 1);
          const int index = kC3Index + cell.Pitch - s.BaseMidi;
          if (index < 0 || index >= 36) {
            throw std::runtime_error("note " + std::to_string(cell.Pitch) +
                                     " out of MOD range for " + s.Name);
          }
          period = kPeriods[index];
        }
        int effect = cell.Effect, param = cell.Param;
        if (effect == 0 && param == 0 && cell.Volume >= 0) effect = 0xC, param = cell.Volume;
        out.push_back(static_cast<uint8_t>((cell.Instrument & 0xF0) | (period >> 8)));
        out.push_back(static_cast<uint8_t>(period & 255));
        out.push_back(static_cast<uint8_t>(((cell.Instrument & 0x0F) << 4) | effect));
        out.push_back(static_cast<uint8_t>(param));
      }
    }
  }
  for (const TSample& s : song.Samples) {
    const size_t length = EvenLength(s.Data.size());
    for (size_t i = 0; i < length; ++i) out.push_back(static_cast<uint8_t>(ToByte(s.Data[i])));
  }
  return out;
}

double SongSeconds(const TSong& song) {
  // Each row lasts Speed ticks of 2.5 / Tempo seconds.
  return song.Order.size() * kRows * song.Speed * 2.5 / song.Tempo;
}
