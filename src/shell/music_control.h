// The four music modules and what every drawn frame does with them.
#pragma once
#include <array>
#include <cstdint>

struct FMUSIC_MODULE;

struct TSongSlot {
  FMUSIC_MODULE* Handle = nullptr;  // nullptr when not loaded
  int32_t MasterVolume = 0;         // 0..255, last given to the module
};

// [0] "mod/menu.mod" (looped), [1..3] the play songs.
extern std::array<TSongSlot, 4> Songs;

// Start-up: init the music library, load the four modules, start the menu song; sets musicFailed.
void StartMusic(bool& musicFailed);
// Shutdown: free the menu module and close the music library.
void StopMusic();
// Common tail of a drawn frame: volume fade, song choice, sound-effect volumes.
void MusicControl(int32_t lagCount);
