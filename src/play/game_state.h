// The record of the running game: clock, side column, cursor, board, score, mode and phase.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "rules/board.h"
#include "store/level_params.h"

struct TQueueEntry {
  uint8_t Kind = 0;
  int32_t Y = 0;  // top edge of the atom picture in the side column
  uint8_t LandSound = 0;
};

using TPlayPhase = uint8_t;
constexpr TPlayPhase phPlay = 0;
constexpr TPlayPhase phResult = 1;
constexpr TPlayPhase phBriefing = 2;

struct TGameState {
  int32_t StateTime = 0;
  uint8_t QueueCount = 0;
  std::array<TQueueEntry, 21> Queue{};  // [0] floor marker, [1] atom in hand
  uint8_t CursorCol = 1;
  uint8_t CursorRow = 1;
  double CursorOffsetX = 0.0;
  double CursorOffsetY = 0.0;
  int8_t CursorStepX = 0;
  int8_t CursorStepY = 0;
  int32_t CursorPulseStep = 1;
  int32_t CursorPulse = 50;
  TBoard Board{};
  int32_t Score = 0;
  uint8_t GameMode = 0;
  TLevelParams Level;
  uint8_t QuitPrompt = 0;
  uint8_t NewRecord = 0;
  uint8_t LevelNumber = 1;
  TPlayPhase Phase = phPlay;
  int32_t MoleculesMade = 0;
  int32_t ResultTime = 0;
  int32_t OverlaySlide = 0;
  int32_t NextAtomTime = 0;
  uint8_t BoardCleared = 1;
  std::string EnteredName;
};

extern TGameState Game;
