// RIFF wave files: the sound payload of the sound container, read and written.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "media/wave_list.h"

inline constexpr uint16_t kWaveFormatPcm = 1;

// The 16-byte wave format record of uncompressed PCM.
std::vector<uint8_t> PcmWaveFormat(int32_t samplesPerSecond, int16_t channels,
                                   int16_t bitsPerSample);

// "RIFF", size, "WAVE", then a "fmt " chunk and a "data" chunk, without padding between chunks.
std::vector<uint8_t> BuildRiffWave(std::span<const uint8_t> format, std::span<const uint8_t> data);

// An empty payload is a sound without data. Raises EWaveError "Wave is invalid" when the
// payload does not start with "RIFF", any size, "WAVE", and EReadError "Stream read error"
// when it ends inside those 12 bytes or inside a "fmt " body. A "data" body cut short keeps the
// bytes that are there.
TWave ReadRiffWave(std::span<const uint8_t> payload);
