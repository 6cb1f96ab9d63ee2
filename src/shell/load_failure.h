// The load-failure screen: the failed file's message, then the closing lines; closes on a key after 2 s.
#pragma once
#include <cstdint>

class TMainForm;

void LoadFailureFrame(TMainForm& form, int32_t lagCount);
