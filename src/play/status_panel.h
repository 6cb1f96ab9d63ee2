// The time and molecule fields of the status panel, by mode and phase.
#pragma once

void DrawStatusFields();
