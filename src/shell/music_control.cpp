// The four music modules: loaded at start-up, faded and chosen by screen every drawn frame.
#include "shell/music_control.h"

#include <algorithm>
#include <filesystem>
#include <string>

#include "media/media_events.h"
#include "media/music_library.h"
#include "media/wave_list.h"
#include "replay/frame_recorder.h"
#include "shell/main_form.h"
#include "shell/screen_state.h"

std::array<TSongSlot, 4> Songs;

namespace {
constexpr const char* kSongFiles[4] = {"mod/menu.mod", "mod/hudba1.xm", "mod/hudba2.mod",
                                       "mod/hudba3.mod"};
// The XM is composed about 2.5 dB quieter than the MODs (as they play at moderate stereo
// separation); raised, never the louder songs pushed, so all four sit within 1 dB.
constexpr int32_t kSongGainMillibel[4] = {0, 250, 0, 0};

void PlaySong(int slot) {
  RecordMediaEvent("music play " + std::to_string(slot));
  FMUSIC_PlaySong(Songs[slot].Handle);
}

void StopSong(int slot) {
  RecordMediaEvent("music stop " + std::to_string(slot));
  FMUSIC_StopSong(Songs[slot].Handle);
}

void StopAllSongs() {
  RecordMediaEvent("music stopall");
  FMUSIC_StopAllSongs();
}

bool IsPlaying(int slot) {
  return FMUSIC_IsPlaying(Songs[slot].Handle);
}

void StartPlaySong() {
  PlaySong(1 + MusicRandom(3));
}

bool InGame(TScreenState state) {
  return state == ssPlay || state == ssGameOver || state == ssNameEntry;
}
}  // namespace

void StartMusic(bool& musicFailed) {
  musicFailed = false;
  FSOUND_Init(44100, 64, 0);
  std::error_code error;
  if (std::filesystem::is_regular_file(kSongFiles[0], error)) {
    // Every load is attempted, so one missing module does not hide another.
    for (int slot = 0; slot < 4; ++slot) {
      Songs[slot].Handle = FMUSIC_LoadSong(kSongFiles[slot]);
      if (Songs[slot].Handle == nullptr) musicFailed = true;
      SetSongGain(Songs[slot].Handle, kSongGainMillibel[slot]);
    }
  } else {
    musicFailed = true;
  }
  Songs[0].MasterVolume = 255;
  for (int slot = 1; slot < 4; ++slot) Songs[slot].MasterVolume = 0;
  if (musicFailed) return;

  for (const TSongSlot& song : Songs) FMUSIC_SetMasterVolume(song.Handle, song.MasterVolume);
  PlaySong(0);
  FMUSIC_SetLooping(Songs[0].Handle, -1);
  for (int slot = 1; slot < 4; ++slot) FMUSIC_SetLooping(Songs[slot].Handle, 0);
}

void StopMusic() {
  FMUSIC_FreeSong(Songs[0].Handle);
  FSOUND_Close();
  // Closing the library released every module; no slot may keep a handle to freed memory.
  for (TSongSlot& song : Songs) song.Handle = nullptr;
}

void MusicControl(int32_t lagCount) {
  const int32_t step = lagCount / 2;
  for (TSongSlot& song : Songs) {
    if (Settings[1] == 1) {
      song.MasterVolume = std::min(song.MasterVolume + step, 255);
    } else {
      song.MasterVolume = std::max(song.MasterVolume - step, 0);
    }
    FMUSIC_SetMasterVolume(song.Handle, song.MasterVolume);
  }

  if (InGame(ScreenState)) {
    if (IsPlaying(0)) {
      StopSong(0);
      StartPlaySong();
    } else if (!IsPlaying(1) && !IsPlaying(2) && !IsPlaying(3)) {
      StartPlaySong();
    }
  } else if (!IsPlaying(0)) {
    StopAllSongs();
    PlaySong(0);
  }

  if (MainForm == nullptr) return;
  TWaveCollection& waves = MainForm->DXWaveList.Items;
  const int32_t volume = Settings[2] == 1 ? 0 : kMinVolume;
  for (int32_t i = 0; i < waves.Count(); ++i) waves.Items(i).SetVolume(volume);
}
