// Sound effects by name through the main window's sound list.
#include "shell/sound_effects.h"

#include "media/wave_list.h"

TWaveCollection* SoundEffects = nullptr;

void PlaySound(std::string_view name) {
  if (SoundEffects != nullptr) SoundEffects->Find(name).Play(false);
}

void StopSound(std::string_view name) {
  if (SoundEffects != nullptr) SoundEffects->Find(name).Stop();
}
