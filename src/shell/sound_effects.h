// Playing and stopping the sound effects by name, as every screen does.
#pragma once
#include <string_view>

class TWaveCollection;

// The sound list the effects come from; set by the main window (tests may set their own).
extern TWaveCollection* SoundEffects;

// Find(name).Play(false): raises EWaveCollectionError for an unknown name.
void PlaySound(std::string_view name);
// Find(name).Stop().
void StopSound(std::string_view name);
