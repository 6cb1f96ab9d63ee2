// The music library the game commands: tracker modules loaded, played, looped and faded by handle.
#pragma once
#include <cstdint>

class TMixer;

// A loaded module. Opaque to the game; nullptr means "no module" and is accepted everywhere.
struct FMUSIC_MODULE;

// Where the modules are heard. The back end calls this once its mixer exists (the SDL main after
// OpenSdlAudio, the headless runner with the mixer it advances) and with nullptr before that mixer
// is destroyed. Without an output modules still load and report playing, they are just not heard
// and their time does not pass.
void SetMusicOutput(TMixer* mixer);

// The mixing rate and channel count are the output mixer's; the arguments are accepted and ignored.
// Always succeeds: loading modules does not depend on a sound device.
bool FSOUND_Init(int32_t mixRate, int32_t maxSoftwareChannels, uint32_t flags);
// Stops and frees every module still loaded. Accepted without a preceding FSOUND_Init.
void FSOUND_Close();

// Loads a MOD, XM or any other module format the tracker decoder reads; nullptr on failure
// (missing, unreadable or unrecognised file). A new module is stopped, loops for ever, volume 255.
FMUSIC_MODULE* FMUSIC_LoadSong(const char* path);
bool FMUSIC_FreeSong(FMUSIC_MODULE* module);
// Starts from the beginning (also when already playing).
bool FMUSIC_PlaySong(FMUSIC_MODULE* module);
bool FMUSIC_StopSong(FMUSIC_MODULE* module);
void FMUSIC_StopAllSongs();
// looping -1 (or any non-zero value): repeat for ever; 0: play once, then report not playing.
bool FMUSIC_SetLooping(FMUSIC_MODULE* module, int32_t looping);
// 0..255; values outside are limited to that range. Changes glide over one mix block, not a click.
bool FMUSIC_SetMasterVolume(FMUSIC_MODULE* module, int32_t volume);
// Also false for nullptr and for a handle that has been freed.
bool FMUSIC_IsPlaying(FMUSIC_MODULE* module);

// A fixed gain for one song in millibels (100 = 1 dB), on top of its master volume: evens out
// songs that were composed at different loudness.
bool SetSongGain(FMUSIC_MODULE* module, int32_t millibel);
