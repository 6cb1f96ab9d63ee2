// How close a board is to empty, for the mode that is won by clearing it: everything standing
// should end up in one structure whose last free electron closes it.
#pragma once

double JudgeClearing();
