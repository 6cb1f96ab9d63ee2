// Temporary stand-ins so the tree links; replaced by the board rules.
#include "rules/board.h"

void PlaceAtom(uint8_t, uint8_t, int32_t) {}
void RebondAtom(uint8_t, uint8_t) {}
void ReleaseBonds(uint8_t, uint8_t) {}
void AnimateBoard(int32_t) {}
void DetonateAll() {}
void ClearBoard() {}
void CheckStructure(uint8_t, uint8_t, int32_t&) {}
