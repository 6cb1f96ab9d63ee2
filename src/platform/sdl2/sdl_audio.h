// The SDL2 audio device: one stereo output whose callback pulls the game's mixer.
#pragma once

class TMixer;

// Opens the default audio device at the mixer's rate (stereo float, ~1024-frame blocks; SDL
// converts to whatever the device takes) and starts it. False when no device can be opened:
// the game then runs without sound. The mixer must outlive CloseSdlAudio.
bool OpenSdlAudio(TMixer& mixer);
// Stops the callback and closes the device; harmless when nothing is open.
void CloseSdlAudio();
