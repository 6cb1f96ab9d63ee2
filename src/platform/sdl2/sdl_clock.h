// The platform millisecond clock behind LagCount.
#pragma once
#include <SDL.h>

#include "platform/backend.h"

class TSdlClock : public IClock {
 public:
  uint32_t Milliseconds() override { return SDL_GetTicks(); }
};
