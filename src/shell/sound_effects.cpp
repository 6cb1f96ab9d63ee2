// Sound effects by name through the main window's sound list.
#include "shell/sound_effects.h"

#include <cstdio>
#include <set>
#include <string>

#include "media/media_events.h"
#include "media/wave_list.h"

TWaveCollection* SoundEffects = nullptr;

namespace {
std::set<std::string, std::less<>> toldMissing;

// A player-made sound file may lack any effect: the effect is then silence, so a screen that
// plays it before acting still acts. Each missing name is told once.
TWaveCollectionItem* FindEffect(std::string_view name) {
  if (SoundEffects == nullptr) return nullptr;
  if (auto* item = SoundEffects->FindOrNull(name)) return item;
  if (toldMissing.emplace(name).second) {
    std::fprintf(stderr, "brunival: sound '%.*s' is missing; it stays silent\n",
                 static_cast<int>(name.size()), name.data());
    RecordMediaEvent("missing " + std::string(name));
  }
  return nullptr;
}
}  // namespace

void UseSoundEffects(TWaveCollection* list) {
  SoundEffects = list;
  toldMissing.clear();
}

void PlaySound(std::string_view name) {
  if (auto* item = FindEffect(name)) item->Play(false);
}

void StopSound(std::string_view name) {
  if (auto* item = FindEffect(name)) item->Stop();
}
