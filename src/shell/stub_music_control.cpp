// Temporary stand-ins so the tree links; replaced by the music control.
#include "shell/music_control.h"

std::array<TSongSlot, 4> Songs;
void StartMusic(bool&) {}
void StopMusic() {}
void MusicControl(int32_t) {}
