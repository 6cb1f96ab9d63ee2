// Playing and stopping the sound effects by name, as every screen does.
#pragma once
#include <string_view>

class TWaveCollection;

// The sound list the effects come from; set by the main window (tests may set their own).
extern TWaveCollection* SoundEffects;
// Sets SoundEffects and forgets which missing names were told.
void UseSoundEffects(TWaveCollection* list);

// Find(name).Play(false); a name the list lacks is silence, reported once on standard error and
// as a "missing NAME" media event.
void PlaySound(std::string_view name);
// Find(name).Stop(), with a missing name treated as above.
void StopSound(std::string_view name);
