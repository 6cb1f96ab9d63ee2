// What a program does first on its system before the game runs.
#pragma once
#include <string>
#include <string_view>
#include <vector>

// The command line as UTF-8 (Windows hands main its arguments in the ANSI code page).
std::vector<std::string> Utf8Arguments(int argc, char** argv);
// The runner's output is compared byte for byte across systems: no "\r\n" translation.
void UseBinaryStandardOutput();
// A Windows window program has no standard output of its own: it writes to the console it was
// started from, if any. Elsewhere standard output is already there.
void UseParentConsole();
// Only one copy of the game plays at a time (on Windows, where a player double-clicks twice):
// true when another copy runs, after its window was brought forward; this one then exits.
bool HandOverToRunningCopy();
// The game as a player starts it. On Windows there is no console: what the game reports on
// standard error goes to a log in the user's folder (the previous run's kept beside it), and the
// data set is read from the program's own folder wherever it was started from.
void SetUpGameProcess();
// A line for the log alone (on Windows, which opens it with the program's version and the
// system's); on a terminal it would be noise.
void WriteToLog(std::string_view line);
// An error that stops the game before it could show anything: on standard error, and on
// Windows, where nobody reads that, in a message box naming the log too.
void ReportFatalError(std::string_view message);
// The user's language as a locale value ("cs_CZ.UTF-8"); empty when the system names none.
std::string UserLocale();
// Sets an environment variable of this process, read by libraries at their first use.
void SetProcessEnvironment(const char* name, const char* value);
