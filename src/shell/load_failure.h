// The load-failure screen: the failed file's message, then the closing lines; a key closes it later.
#pragma once
#include <cstdint>

class TMainForm;

void LoadFailureFrame(TMainForm& form, int32_t lagCount);
