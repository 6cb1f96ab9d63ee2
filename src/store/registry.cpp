// The hall-of-fame key's store: the user's data file, a chosen file, or memory only.
#include "store/registry.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "store/store_file.h"

namespace {
enum class TStoreLocation { kDefaultFile, kChosenFile, kMemory };

struct TStoreSettings {
  // Until the game picks its store, nothing reaches the user's files (unit tests, tools).
  TStoreLocation Location = TStoreLocation::kMemory;
  std::string ChosenFile;
  bool Failing = false;
  TStoreKeys MemoryKeys;
};

TStoreSettings& Settings() {
  static TStoreSettings settings;
  return settings;
}

std::string AbsoluteEnvironmentPath(const char* variable) {
  const char* value = std::getenv(variable);
  // Relative values are not to be trusted for data directories; they are ignored.
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

// The key can only be used when the file and its directory allow writing as well as reading.
bool Writable(const std::string& file) {
  std::filesystem::path directory = std::filesystem::path(file).parent_path();
  if (directory.empty()) directory = ".";
  std::error_code error;
  if (std::filesystem::exists(directory, error) && ::access(directory.c_str(), W_OK | X_OK) != 0)
    return false;
  if (std::filesystem::exists(file, error) && ::access(file.c_str(), R_OK | W_OK) != 0)
    return false;
  return true;
}
}  // namespace

void UseDefaultHighScoreStore() {
  Settings().Location = TStoreLocation::kDefaultFile;
}

void UseHighScoreStoreFile(const std::string& path) {
  Settings().Location = TStoreLocation::kChosenFile;
  Settings().ChosenFile = path;
}

void UseMemoryHighScoreStore() {
  Settings().Location = TStoreLocation::kMemory;
  Settings().MemoryKeys.clear();
}

void SetHighScoreStoreFailing(bool failing) {
  Settings().Failing = failing;
}

std::string DefaultHighScoreStorePath() {
  std::string base = AbsoluteEnvironmentPath("XDG_DATA_HOME");
  if (base.empty()) {
    const std::string home = AbsoluteEnvironmentPath("HOME");
    if (home.empty()) return {};
    base = home + "/.local/share";
  }
  return base + "/brunival/hall-of-fame.store";
}

bool TStoreKey::Open(const std::string& path, bool create) {
  Close();
  const TStoreSettings& settings = Settings();
  if (settings.Failing) return false;

  file_.clear();
  keys_.clear();
  switch (settings.Location) {
    case TStoreLocation::kMemory:
      keys_ = settings.MemoryKeys;
      break;
    case TStoreLocation::kChosenFile:
      file_ = settings.ChosenFile;
      break;
    case TStoreLocation::kDefaultFile:
      file_ = DefaultHighScoreStorePath();
      if (file_.empty()) return false;
      break;
  }
  if (!file_.empty()) {
    if (!Writable(file_)) return false;
    if (ReadStoreFile(file_, keys_) == TStoreFileState::kUnreadable) return false;
  }

  changed_ = false;
  if (!keys_.contains(path)) {
    if (!create) return false;
    keys_[path];
    changed_ = true;
  }
  path_ = path;
  open_ = true;
  return true;
}

std::string TStoreKey::ReadString(const std::string& name) const {
  if (!open_) return {};
  const TStoreValues& values = keys_.at(path_);
  const auto value = values.find(name);
  return value == values.end() ? std::string() : value->second;
}

void TStoreKey::WriteString(const std::string& name, const std::string& data) {
  if (!open_) return;
  keys_[path_][name] = data;
  changed_ = true;
}

bool TStoreKey::Close() {
  if (!open_) return true;
  open_ = false;
  if (!changed_) return true;
  changed_ = false;
  if (file_.empty()) {
    Settings().MemoryKeys = keys_;
    return true;
  }
  return WriteStoreFile(file_, keys_);
}
