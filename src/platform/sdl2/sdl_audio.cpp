// The SDL2 audio device: its callback does nothing but ask our mixer for the next block.
#include "platform/sdl2/sdl_audio.h"

#include <SDL.h>

#include "media/mixer.h"

namespace {
constexpr Uint16 kBlockFrames = 1024;  // ~23 ms at 44100 Hz: low latency, few callbacks
SDL_AudioDeviceID OpenDevice = 0;
bool SubsystemStarted = false;

void SDLCALL FillBlock(void* user, Uint8* stream, int length) {
  auto* mixer = static_cast<TMixer*>(user);
  const int frames = length / static_cast<int>(2 * sizeof(float));
  mixer->Render(reinterpret_cast<float*>(stream), frames);
}
}  // namespace

bool OpenSdlAudio(TMixer& mixer) {
  if (OpenDevice != 0) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  SubsystemStarted = true;

  SDL_AudioSpec wanted{};
  wanted.freq = mixer.SampleRate();
  wanted.format = AUDIO_F32SYS;
  wanted.channels = 2;
  wanted.samples = kBlockFrames;
  wanted.callback = FillBlock;
  wanted.userdata = &mixer;
  // No changes allowed: SDL converts our float stereo to whatever the device really takes, so
  // the callback always sees the format the mixer writes.
  SDL_AudioSpec obtained{};
  OpenDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (OpenDevice == 0) {
    CloseSdlAudio();
    return false;
  }
  SDL_PauseAudioDevice(OpenDevice, 0);
  return true;
}

void CloseSdlAudio() {
  if (OpenDevice != 0) {
    SDL_CloseAudioDevice(OpenDevice);  // waits for a running callback to return
    OpenDevice = 0;
  }
  if (SubsystemStarted) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SubsystemStarted = false;
  }
}
