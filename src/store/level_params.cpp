// The level tables of the process.
#include "store/level_params.h"

std::array<TLevelParams, 21> ArcadeLevels;
std::array<TLevelParams, 6> ModeParams;
