// A fingerprint of the gameplay data as loaded: the twenty levels and the four other modes.
// Pictures and sounds are left out, so a reskinned game plays the replays of the original.
#pragma once
#include <cstdint>

uint64_t GameplayFingerprint();
