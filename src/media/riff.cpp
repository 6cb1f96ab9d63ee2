// Reads and writes RIFF wave files chunk by chunk.
#include "media/riff.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string_view>

#include "media/container_bytes.h"
#include "media/container_stream.h"

namespace {

bool Is(std::span<const uint8_t> bytes, std::string_view text) {
  return std::equal(bytes.begin(), bytes.end(), text.begin(), text.end());
}

uint32_t ChunkSize(size_t size) {
  if (size > std::numeric_limits<uint32_t>::max() - 64) {
    throw std::runtime_error("Wave chunk larger than 4 GiB");
  }
  return static_cast<uint32_t>(size);
}

}  // namespace

std::vector<uint8_t> PcmWaveFormat(int32_t samplesPerSecond, int16_t channels,
                                   int16_t bitsPerSample) {
  const uint16_t blockAlign = static_cast<uint16_t>(channels * ((bitsPerSample + 7) / 8));
  TContainerStreamWriter out;
  out.U16(kWaveFormatPcm);
  out.U16(static_cast<uint16_t>(channels));
  out.U32(static_cast<uint32_t>(samplesPerSecond));
  out.U32(static_cast<uint32_t>(samplesPerSecond) * blockAlign);
  out.U16(blockAlign);
  out.U16(static_cast<uint16_t>(bitsPerSample));
  return out.Take();
}

std::vector<uint8_t> BuildRiffWave(std::span<const uint8_t> format, std::span<const uint8_t> data) {
  const uint32_t formatSize = ChunkSize(format.size());
  const uint32_t dataSize = ChunkSize(data.size());
  TContainerStreamWriter out;
  out.Raw("RIFF");
  out.U32(ChunkSize(uint64_t{4} + 8 + formatSize + 8 + dataSize));
  out.Raw("WAVE");
  out.Raw("fmt ");
  out.U32(formatSize);
  out.Raw(format);
  out.Raw("data");
  out.U32(dataSize);
  out.Raw(data);
  return out.Take();
}

TWave ReadRiffWave(std::span<const uint8_t> payload) {
  TWave wave;
  if (payload.empty()) return wave;
  TByteReader in(payload);
  auto riff = in.Take(4);
  in.Skip(4);  // the RIFF size is not trusted: the payload's own end counts
  auto waveId = in.Take(4);
  if (!Is(riff, "RIFF") || !Is(waveId, "WAVE")) throw EWaveError(kWaveInvalid);

  std::span<const uint8_t> data;
  while (in.Remaining() >= 8) {
    auto id = in.Take(4);
    const uint32_t size = in.U32();
    if (Is(id, "fmt ")) {
      auto body = in.Take(size);
      wave.Format.assign(body.begin(), body.end());
    } else if (Is(id, "data")) {
      // Many writers leave a data size larger than what follows: the bytes that are there count.
      data = in.Take(std::min<uint64_t>(size, in.Remaining()));
    } else {
      // A foreign chunk that claims more than is left just ends the payload.
      in.Skip(std::min<uint64_t>(size, in.Remaining()));
    }
  }
  wave.Data.assign(data.begin(), data.end());
  return wave;
}
