// The game's eleven sound effects, synthesised.
#pragma once
#include <vector>

#include "media/container_writer.h"
#include "sound/synth.h"

// Recorded at 22050 Hz so that effects the game replays at another rate change pitch.
constexpr int kEffectRate = 22050;
// Peak level of every effect: a little below full scale.
constexpr float kEffectPeak = 0.85f;

// Raw signals before finishing, by name; empty for an unknown name.
TSignal SynthesizeEffect(const std::string& name);

// All eleven effects, finished: faded, normalised, 16-bit mono. "alert" loops seamlessly.
std::vector<TSoundEntry> MakeAllSounds();
