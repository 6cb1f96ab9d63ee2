// The selection frame of the board and of the name-entry keyboard: cell-to-cell slides and pulse.
#pragma once
#include <cstdint>

// Advances a slide along one axis at 0.5 pixel per ms; the cell changes when it covers `spacing`.
void SlideAxis(double& offset, int8_t& step, uint8_t& cell, int32_t lagMs, double spacing);

// Moves the frame brightness by lagMs / msPerStep, bouncing between 50 and 255.
void PulseCursor(int32_t lagMs, double msPerStep);

// Cursor back to column 1, row 1, standing still.
void ResetCursor();
