// The music library over the tracker decoder: modules rendered on the audio thread into our mixer.
#include "media/music_library.h"

#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

#include "media/mixer.h"

struct FMUSIC_MODULE {
  openmpt_module* Decoder = nullptr;
  std::atomic<bool> Playing{false};
  std::atomic<int32_t> Volume{255};
  float AppliedGain = 1.0f;  // guarded by the bus lock: where the last volume glide ended

  ~FMUSIC_MODULE() { openmpt_module_destroy(Decoder); }
};

namespace {
constexpr int kBlockFrames = 512;
constexpr std::streamsize kLargestModule = 64 << 20;
// MODs pan every channel fully left or right, which tires the ear in headphones; other formats
// carry their own panning and are played as composed.
constexpr int32_t kModStereoSeparationPercent = 50;

bool IsProtrackerModule(openmpt_module* decoder) {
  const char* type = openmpt_module_get_metadata(decoder, "type");
  const bool mod = type != nullptr && std::string_view(type) == "mod";
  openmpt_free_string(type);
  return mod;
}

// The one mixer source for all modules. Its lock guards the playlist and every decoder's state;
// the audio thread holds it while rendering, the game thread only to load, free, start or stop a
// song. Volume and playing state are atomics, so the per-frame calls never wait for a render.
class TMusicBus final : public TMixerSource {
 public:
  void MixInto(float* stereo, int frames, int32_t sampleRate) override {
    std::lock_guard lock(Lock);
    for (FMUSIC_MODULE* module : Playlist) {
      if (module->Playing.load()) MixModule(*module, stereo, frames, sampleRate);
    }
  }

  std::mutex Lock;
  std::vector<FMUSIC_MODULE*> Playlist;

 private:
  static void MixModule(FMUSIC_MODULE& module, float* stereo, int frames, int32_t sampleRate) {
    // The volume glides across the whole call, so per-frame fades do not step audibly.
    const float startGain = module.AppliedGain;
    const float endGain = std::clamp(module.Volume.load(), 0, 255) / 255.0f;
    module.AppliedGain = endGain;
    float block[2 * kBlockFrames];
    for (int done = 0; done < frames;) {
      const int wanted = std::min(kBlockFrames, frames - done);
      const int got = static_cast<int>(
          openmpt_module_read_interleaved_float_stereo(module.Decoder, sampleRate, wanted, block));
      for (int i = 0; i < got; ++i) {
        const float gain = startGain + (endGain - startGain) * (done + i + 1) / frames;
        stereo[2 * (done + i)] += block[2 * i] * gain;
        stereo[2 * (done + i) + 1] += block[2 * i + 1] * gain;
      }
      done += got;
      if (got < wanted) {
        module.Playing.store(false);  // a play-once song has reached its end
        return;
      }
    }
  }
};

struct TMusicLibrary {
  // Game thread only; never taken by the audio thread.
  std::mutex HandleLock;
  std::vector<std::unique_ptr<FMUSIC_MODULE>> Modules;
  TMusicBus Bus;
  TMixer* Output = nullptr;

  bool Live(FMUSIC_MODULE* module) {
    if (module == nullptr) return false;
    std::lock_guard lock(HandleLock);
    return std::any_of(Modules.begin(), Modules.end(),
                       [module](const auto& live) { return live.get() == module; });
  }
};

// Never destroyed: an audio callback still running while the process exits may reach the bus.
TMusicLibrary& Library() {
  static TMusicLibrary* library = new TMusicLibrary;
  return *library;
}

std::vector<char> ReadWholeFile(const char* path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return {};
  const std::streamsize size = file.tellg();
  if (size <= 0 || size > kLargestModule) return {};
  std::vector<char> bytes(static_cast<size_t>(size));
  file.seekg(0);
  if (!file.read(bytes.data(), size)) return {};
  return bytes;
}
}  // namespace

void SetMusicOutput(TMixer* mixer) {
  TMusicLibrary& library = Library();
  if (library.Output == mixer) return;
  if (library.Output != nullptr) library.Output->RemoveSource(&library.Bus);
  library.Output = mixer;
  if (mixer != nullptr) mixer->AddSource(&library.Bus);
}

bool FSOUND_Init(int32_t, int32_t, uint32_t) {
  return true;
}

void FSOUND_Close() {
  std::vector<FMUSIC_MODULE*> loaded;
  {
    std::lock_guard lock(Library().HandleLock);
    for (const auto& module : Library().Modules) loaded.push_back(module.get());
  }
  for (FMUSIC_MODULE* module : loaded) FMUSIC_FreeSong(module);
}

FMUSIC_MODULE* FMUSIC_LoadSong(const char* path) {
  if (path == nullptr) return nullptr;
  const std::vector<char> bytes = ReadWholeFile(path);
  if (bytes.empty()) return nullptr;
  // At the end the decoder returns short and would resume from the start if read again; the bus
  // stops reading there, and PlaySong rewinds explicitly.
  const openmpt_module_initial_ctl controls[] = {{"play.at_end", "continue"}, {nullptr, nullptr}};
  openmpt_module* decoder = openmpt_module_create_from_memory2(
      bytes.data(), bytes.size(), openmpt_log_func_silent, nullptr, openmpt_error_func_ignore,
      nullptr, nullptr, nullptr, controls);
  if (decoder == nullptr) return nullptr;
  openmpt_module_set_repeat_count(decoder, -1);
  if (IsProtrackerModule(decoder)) {
    openmpt_module_set_render_param(decoder, OPENMPT_MODULE_RENDER_STEREOSEPARATION_PERCENT,
                                    kModStereoSeparationPercent);
  }

  auto module = std::make_unique<FMUSIC_MODULE>();
  module->Decoder = decoder;
  FMUSIC_MODULE* handle = module.get();
  TMusicLibrary& library = Library();
  {
    std::lock_guard lock(library.Bus.Lock);
    library.Bus.Playlist.push_back(handle);
  }
  std::lock_guard lock(library.HandleLock);
  library.Modules.push_back(std::move(module));
  return handle;
}

bool FMUSIC_FreeSong(FMUSIC_MODULE* module) {
  TMusicLibrary& library = Library();
  if (!library.Live(module)) return false;
  {
    std::lock_guard lock(library.Bus.Lock);
    auto& playlist = library.Bus.Playlist;
    playlist.erase(std::remove(playlist.begin(), playlist.end(), module), playlist.end());
  }
  std::lock_guard lock(library.HandleLock);
  std::erase_if(library.Modules, [module](const auto& live) { return live.get() == module; });
  return true;
}

bool FMUSIC_PlaySong(FMUSIC_MODULE* module) {
  TMusicLibrary& library = Library();
  if (!library.Live(module)) return false;
  std::lock_guard lock(library.Bus.Lock);
  openmpt_module_set_position_seconds(module->Decoder, 0.0);
  // Start at the level asked for, not gliding up from wherever the last play ended.
  module->AppliedGain = std::clamp(module->Volume.load(), 0, 255) / 255.0f;
  module->Playing.store(true);
  return true;
}

bool FMUSIC_StopSong(FMUSIC_MODULE* module) {
  if (!Library().Live(module)) return false;
  module->Playing.store(false);
  return true;
}

void FMUSIC_StopAllSongs() {
  std::lock_guard lock(Library().HandleLock);
  for (const auto& module : Library().Modules) module->Playing.store(false);
}

bool FMUSIC_SetLooping(FMUSIC_MODULE* module, int32_t looping) {
  TMusicLibrary& library = Library();
  if (!library.Live(module)) return false;
  std::lock_guard lock(library.Bus.Lock);
  openmpt_module_set_repeat_count(module->Decoder, looping != 0 ? -1 : 0);
  return true;
}

bool FMUSIC_SetMasterVolume(FMUSIC_MODULE* module, int32_t volume) {
  if (!Library().Live(module)) return false;
  module->Volume.store(std::clamp(volume, 0, 255));
  return true;
}

bool FMUSIC_IsPlaying(FMUSIC_MODULE* module) {
  return Library().Live(module) && module->Playing.load();
}

bool SetSongGain(FMUSIC_MODULE* module, int32_t millibel) {
  TMusicLibrary& library = Library();
  if (!library.Live(module)) return false;
  std::lock_guard lock(library.Bus.Lock);
  openmpt_module_set_render_param(module->Decoder, OPENMPT_MODULE_RENDER_MASTERGAIN_MILLIBEL,
                                  millibel);
  return true;
}
