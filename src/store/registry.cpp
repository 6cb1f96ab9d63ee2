// The hall-of-fame key's store: the user's data file, a chosen file, or memory only.
#include "store/registry.h"

#include "platform/file_system.h"
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
  const std::string folder = UserDataFolder();
  if (folder.empty()) return {};
  return Utf8FromPath(PathFromUtf8(folder) / "hall-of-fame.store");
}

bool TStoreKey::Open(const std::string& path, bool create) {
  Close();
  const TStoreSettings& settings = Settings();
  created_ = false;
  failure_.clear();
  if (settings.Failing) {
    failure_ = "access to the store is refused";
    return false;
  }

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
      if (file_.empty()) {
        failure_ = "no home folder to keep it in";
        return false;
      }
      break;
  }
  if (!file_.empty()) {
    if (!MayReadAndWrite(file_)) {
      failure_ = file_ + ": " + LastFileError();
      return false;
    }
    std::string failure;
    if (ReadStoreFile(file_, keys_, failure) == TStoreFileState::kUnreadable) {
      failure_ = file_ + ": " + failure;
      return false;
    }
  }

  changed_ = false;
  if (!keys_.contains(path)) {
    if (!create) return false;
    keys_[path];
    changed_ = true;
    created_ = true;
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
  std::string failure;
  if (WriteStoreFile(file_, keys_, failure)) return true;
  failure_ = file_ + ": " + failure;
  return false;
}
