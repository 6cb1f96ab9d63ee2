// The game's language: --lang CODE, else the system's.
#pragma once

// Sets the language: CODE (checked by the caller) when given, else the system's.
void ChooseLanguage(const char* code);
