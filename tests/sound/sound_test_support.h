// Test helpers for sound: recordings built in memory, a tiny tracker module, and output measures.
#pragma once
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "media/wave_list.h"

namespace sound_test {

inline void PutU16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
inline void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

// A PCM format record ("fmt " body) as a wave file carries it.
inline std::vector<uint8_t> FormatRecord(int rate, int channels, int bits, int tag = 1) {
  std::vector<uint8_t> record;
  const int block = channels * bits / 8;
  PutU16(record, tag);
  PutU16(record, channels);
  PutU32(record, rate);
  PutU32(record, rate * block);
  PutU16(record, block);
  PutU16(record, bits);
  return record;
}

// `frames` frames of 16-bit mono at one constant level: its output length is easy to measure.
inline TWave ConstantWave(int rate, int frames, int16_t level = 16384) {
  TWave wave;
  wave.Format = FormatRecord(rate, 1, 16);
  for (int i = 0; i < frames; ++i) PutU16(wave.Data, static_cast<uint16_t>(level));
  return wave;
}

// Root mean square of interleaved stereo frames [first, last).
inline double Rms(const std::vector<float>& stereo, size_t first = 0, size_t last = SIZE_MAX) {
  last = std::min(last, stereo.size() / 2);
  if (last <= first) return 0.0;
  double sum = 0.0;
  for (size_t i = 2 * first; i < 2 * last; ++i) sum += double(stereo[i]) * stereo[i];
  return std::sqrt(sum / double(2 * (last - first)));
}

// Number of frames up to and including the last one that is not silence.
inline size_t AudibleFrames(const std::vector<float>& stereo) {
  for (size_t frame = stereo.size() / 2; frame > 0; --frame) {
    if (stereo[2 * frame - 2] != 0.0f || stereo[2 * frame - 1] != 0.0f) return frame;
  }
  return 0;
}

// A 4-channel "M.K." module: one pattern of `rows` rows at speed 3 (60 ms a row) ended by a
// pattern break, with a looped square-wave sample sounding on two channels throughout.
inline std::vector<uint8_t> TinyModule(int rows = 8) {
  std::vector<uint8_t> mod(20, 0);  // title
  const char* name = "tiny";
  std::copy(name, name + 4, mod.begin());
  for (int sample = 1; sample <= 31; ++sample) {
    mod.insert(mod.end(), 22, 0);
    const bool used = sample == 1;
    const uint16_t words = used ? 16 : 0;
    mod.push_back(words >> 8);
    mod.push_back(words & 0xFF);
    mod.push_back(0);              // finetune
    mod.push_back(used ? 64 : 0);  // volume
    mod.push_back(0);              // loop start
    mod.push_back(0);
    mod.push_back(0);  // loop length in words; 1 means no loop
    mod.push_back(used ? 16 : 1);
  }
  mod.push_back(1);    // song length
  mod.push_back(127);  // restart
  mod.insert(mod.end(), 128, 0);
  mod.insert(mod.end(), {'M', '.', 'K', '.'});
  std::vector<uint8_t> pattern(64 * 4 * 4, 0);
  auto cell = [&](int row, int channel, int sample, int period, int effect, int param) {
    uint8_t* c = &pattern[(row * 4 + channel) * 4];
    c[0] = static_cast<uint8_t>((sample & 0xF0) | ((period >> 8) & 0x0F));
    c[1] = static_cast<uint8_t>(period & 0xFF);
    c[2] = static_cast<uint8_t>(((sample & 0x0F) << 4) | effect);
    c[3] = static_cast<uint8_t>(param);
  };
  cell(0, 0, 1, 428, 0xF, 3);       // C-2, speed 3
  cell(0, 1, 1, 214, 0x0, 0);       // C-3
  cell(rows - 1, 2, 0, 0, 0xD, 0);  // pattern break: the song ends after this row
  mod.insert(mod.end(), pattern.begin(), pattern.end());
  for (int i = 0; i < 32; ++i) mod.push_back(i < 16 ? 100 : static_cast<uint8_t>(-100));
  return mod;
}

inline void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A fresh directory that is the working directory while the object lives.
class ScopedWorkDir {
 public:
  ScopedWorkDir() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "sound-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    std::filesystem::current_path(path_);
  }
  ~ScopedWorkDir() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

}  // namespace sound_test
