// Turning an atom into an exploding cell, shared by structure removal and the end-of-level blast.
#pragma once
#include "rules/board.h"

// Kind + 100, no free electron, no bond; the blast animation starts from nothing.
void StartBlast(TBoardCell& cell);
