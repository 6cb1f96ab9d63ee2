// Reading and crash-safe writing of the store file on disk.
#pragma once
#include <string>

#include "store/store_format.h"

enum class TStoreFileState {
  kMissing,     // no file yet (or a damaged one was just set aside): a first run
  kLoaded,      // the keys were read
  kUnreadable,  // the file is there but cannot be used; it is left as it is
};

// A file that does not parse is renamed to "<path>.broken-N" (the first free N from 1), never
// deleted, and reads as missing; when it cannot be renamed it is unreadable. For an unreadable file
// failure says why, in the system's words.
TStoreFileState ReadStoreFile(const std::string& path, TStoreKeys& keys, std::string& failure);

// Writes "<path>.new", flushes it to the disk and puts it in place of the file, so a crash at any
// moment leaves either the old or the new file whole. Creates the directory when needed. False when
// nothing could be written; failure then says why.
bool WriteStoreFile(const std::string& path, const TStoreKeys& keys, std::string& failure);
