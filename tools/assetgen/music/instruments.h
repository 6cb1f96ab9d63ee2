// Synthesised instrument samples for the songs: drums, bass, lead, pad and pluck.
#pragma once
#include "music/tracker.h"

enum class TInstrument { Kick, Snare, Hat, Bass, Lead, Pad, Pluck };

// The sample rendered for playback at `rate` samples per second (the format's natural rate).
TSample MakeInstrument(TInstrument instrument, double rate);
