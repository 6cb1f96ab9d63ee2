// Reading uncompressed RIFF wave files into container sound entries.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "media/container_writer.h"

// Accepts 8- or 16-bit PCM, mono or stereo. Throws std::runtime_error naming `what` otherwise.
// A data chunk that claims more bytes than the file holds keeps the bytes that are there, as many
// writers leave such sizes; that is added to `warnings` when given.
TSoundEntry DecodeWav(const std::vector<uint8_t>& bytes, const std::string& what,
                      std::vector<std::string>* warnings = nullptr);

// A RIFF wave file holding the sound's samples.
std::vector<uint8_t> EncodeWav(const TSoundEntry& sound);
