// The game's language: --lang CODE, else the system's.
#pragma once

// Sets the language from the command line or the system; false (after a message on standard
// error) for an option it does not understand.
bool ChooseLanguage(int argc, char** argv);
