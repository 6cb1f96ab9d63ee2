// The few file operations the stores need, by UTF-8 path on every system. Windows takes wide
// paths: a narrow one there is read in the ANSI code page and loses letters such as "ř".
#pragma once
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

std::filesystem::path PathFromUtf8(const std::string& text);
std::string Utf8FromPath(const std::filesystem::path& path);
// std::fopen by UTF-8 name.
FILE* OpenFileUtf8(const std::string& path, const char* mode);

enum class TReadFileResult { kRead, kMissing, kTooLarge, kFailed };
// Reads a regular file of at most maxSize bytes whole. On Windows it shares the file for reading,
// writing and deleting, and waits out a lock held for a moment by a scanner or a backup.
TReadFileResult ReadSmallFile(const std::string& path, size_t maxSize, std::string& bytes);

// Writes the bytes to temporary, flushes them to the disk and puts temporary in place of path
// in one step, replacing what was there, so a crash at any moment leaves either the old or the
// new file whole. False (and temporary removed) when any step fails; path is then untouched.
// On Windows a replace refused for a moment by another program's open handle is retried.
bool ReplaceFileDurably(const std::string& path, const std::string& temporary,
                        std::string_view bytes);
enum class TMoveAsideResult { kMoved, kTaken, kFailed };
// Renames path to aside unless aside exists in any form (kTaken).
TMoveAsideResult MoveFileAside(const std::string& path, const std::string& aside);
// False when the file, or its folder, is known to refuse reading or writing.
bool MayReadAndWrite(const std::string& file);
// The system's own words for why the last of these operations to fail in this thread failed.
std::string LastFileError();

// The user's folders for the game's settings and for its data (hall of fame), created on
// demand by their writers; empty when the system names none.
std::string UserConfigFolder();
std::string UserDataFolder();
