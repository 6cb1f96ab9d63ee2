// The load-failure screen: the failed file's message and the closing lines; a key closes it.
#pragma once
#include <cstdint>

class TMainForm;

void LoadFailureFrame(TMainForm& form, int32_t lagCount);
