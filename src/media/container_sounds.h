// Filling the sound list from the sound container (zvuky.dat).
#pragma once
#include <cstdint>
#include <span>

#include "media/wave_list.h"

// Reads a whole container held in memory into the list, appending items; errors propagate with
// the items read so far left in the list.
void LoadSoundContainer(TWaveCollection& list, std::span<const uint8_t> file);
