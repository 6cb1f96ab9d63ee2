// Reading uncompressed RIFF wave files into container sound entries.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "media/container_writer.h"

// Accepts 8- or 16-bit PCM, mono or stereo. Throws std::runtime_error naming `what` otherwise.
TSoundEntry DecodeWav(const std::vector<uint8_t>& bytes, const std::string& what);

// A RIFF wave file holding the sound's samples.
std::vector<uint8_t> EncodeWav(const TSoundEntry& sound);
