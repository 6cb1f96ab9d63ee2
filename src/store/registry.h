// Our stand-in for the registry key that holds the hall of fame: string values in one store file.
#pragma once
#include <string>

#include "store/store_format.h"

// Where the hall-of-fame key lives. The game uses the user's data directory
// ($XDG_DATA_HOME/brunival/, else ~/.local/share/brunival/; %APPDATA%\Brunival\); the headless
// runner picks one of these. Until one is chosen the key lives in memory, so tests and tools never
// touch the user's.
void UseDefaultHighScoreStore();
void UseHighScoreStoreFile(const std::string& path);
// Keeps the key in memory only, as on a first run (the runner without --store).
void UseMemoryHighScoreStore();
// Every attempt to open the key fails (as without the rights to it).
void SetHighScoreStoreFailing(bool failing);

// The store file the game uses by default; empty when there is no home directory.
std::string DefaultHighScoreStorePath();

// One key of the store, opened for reading and writing. Values are read from a snapshot taken
// when the key is opened; the changes reach the store together when the key is closed, so a
// crash part-way through the writes leaves the store as it was.
class TStoreKey {
 public:
  TStoreKey() = default;
  ~TStoreKey() { Close(); }
  TStoreKey(const TStoreKey&) = delete;
  TStoreKey& operator=(const TStoreKey&) = delete;

  // False when the key cannot be opened with read and write access, or does not exist and
  // create is not set. With create set, a missing key is made.
  bool Open(const std::string& path, bool create);
  // Whether the last Open made the key (it did not exist).
  bool Created() const { return created_; }
  // Why the last Open or Close failed, in the system's words where it gave any.
  const std::string& Failure() const { return failure_; }
  // The data of a string value; a value the key does not have reads as the empty text.
  std::string ReadString(const std::string& name) const;
  void WriteString(const std::string& name, const std::string& data);
  // Writes the changes back. False when the store could not be written; it then keeps what
  // it had before.
  bool Close();

 private:
  bool open_ = false;
  bool changed_ = false;
  bool created_ = false;
  std::string failure_;
  std::string file_;  // empty: the in-memory store
  std::string path_;
  TStoreKeys keys_;
};
