// RIFF wave parsing for the packer.
#include "pack/wav_files.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8);
}

}  // namespace

TSoundEntry DecodeWav(const std::vector<uint8_t>& bytes, const std::string& what,
                      std::vector<std::string>* warnings) {
  auto fail = [&](const std::string& why) { return std::runtime_error(what + ": " + why); };
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    throw fail("not a RIFF wave file");
  }
  bool haveFormat = false, haveData = false;
  TSoundEntry sound;
  for (size_t at = 12; at + 8 <= bytes.size();) {
    uint32_t size = Le32(bytes, at + 4);
    const size_t body = at + 8;
    const bool isData = std::memcmp(bytes.data() + at, "data", 4) == 0;
    if (size > bytes.size() - body) {
      if (!isData) throw fail("chunk runs past the end of the file");
      size = static_cast<uint32_t>(bytes.size() - body);
      if (warnings)
        warnings->push_back(what + ": data chunk cut short; keeping its " + std::to_string(size) +
                            " bytes");
    }
    if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0) {
      if (size < 16) throw fail("format chunk too short");
      if (Le16(bytes, body) != 1) throw fail("only uncompressed PCM is supported");
      sound.Channels = static_cast<int16_t>(Le16(bytes, body + 2));
      sound.SampleRate = static_cast<int32_t>(Le32(bytes, body + 4));
      sound.BitsPerSample = static_cast<int16_t>(Le16(bytes, body + 14));
      haveFormat = true;
    } else if (isData) {
      sound.Data.assign(bytes.begin() + body, bytes.begin() + body + size);
      haveData = true;
    }
    // Chunk bodies are padded to an even length.
    at = body + size + (size & 1);
  }
  if (!haveFormat || !haveData) throw fail("missing format or data chunk");
  if (sound.Channels < 1 || sound.Channels > 2) throw fail("only mono and stereo are supported");
  if (sound.BitsPerSample != 8 && sound.BitsPerSample != 16)
    throw fail("only 8- and 16-bit samples");
  if (sound.SampleRate <= 0) throw fail("bad sample rate");
  return sound;
}

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>((v >> (8 * i)) & 255));
}
void Put16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v & 255));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

}  // namespace

std::vector<uint8_t> EncodeWav(const TSoundEntry& sound) {
  std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
  const uint32_t dataSize = static_cast<uint32_t>(sound.Data.size());
  Put32(out, 36 + dataSize + (dataSize & 1));
  for (char c : std::string("WAVEfmt ")) out.push_back(static_cast<uint8_t>(c));
  Put32(out, 16);
  Put16(out, 1);
  Put16(out, static_cast<uint16_t>(sound.Channels));
  Put32(out, static_cast<uint32_t>(sound.SampleRate));
  const uint16_t blockAlign = static_cast<uint16_t>(sound.Channels * sound.BitsPerSample / 8);
  Put32(out, static_cast<uint32_t>(sound.SampleRate) * blockAlign);
  Put16(out, blockAlign);
  Put16(out, static_cast<uint16_t>(sound.BitsPerSample));
  for (char c : std::string("data")) out.push_back(static_cast<uint8_t>(c));
  Put32(out, dataSize);
  out.insert(out.end(), sound.Data.begin(), sound.Data.end());
  if (dataSize & 1) out.push_back(0);
  return out;
}
