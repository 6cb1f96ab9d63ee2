// The hall-of-fame tables in their store: first run, insertion, crashes, damage and refusals.
#include "store/high_scores.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <thread>

#include "store/random.h"
#include "store/registry.h"
#include "store/scramble.h"
#include "store/store_format.h"
#include "temp_dir.h"

namespace {
const std::string kKey = "\\Software\\Dravokel\\Brunival";
const char* const kScores[] = {"50000", "45000", "40000", "35000", "30000",
                               "25000", "20000", "15000", "10000", "5000"};

struct Tables {
  THighScoreTable Names;
  THighScoreTable Scores;
  bool operator==(const Tables&) const = default;
};

Tables Loaded() {
  LoadHighScores();
  return {HallNames, HallScores};
}

Tables Defaults() {
  Tables tables;
  for (int t = 0; t < 3; ++t) {
    for (int e = 0; e < 10; ++e) {
      tables.Names[10 * t + e] = ((e % 2 == 0) != (t == 1)) ? "kelpa" : "rubo";
      tables.Scores[10 * t + e] = kScores[e];
    }
  }
  return tables;
}

void Store(const Tables& tables, const std::string& name, uint8_t table, const std::string& score) {
  StoreHighScore(tables.Names, tables.Scores, name, table, score);
}

enum class TChildUser { Unprivileged, Same };

// Runs check in a child process, by default as an unprivileged user when we are root (root
// writes anywhere); returns whether it passed.
bool PassesInChild(const std::function<bool()>& check, TChildUser user = TChildUser::Unprivileged) {
  const pid_t child = fork();
  if (child == 0) {
    if (user == TChildUser::Unprivileged && geteuid() == 0 &&
        (setgid(65534) != 0 || setuid(65534) != 0)) {
      _exit(2);
    }
    _exit(check() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Puts an environment variable back as it was.
class SavedVariable {
 public:
  explicit SavedVariable(const char* name) : name_(name) {
    const char* value = std::getenv(name);
    if (value != nullptr) value_ = value;
    set_ = value != nullptr;
  }
  ~SavedVariable() {
    if (set_) {
      setenv(name_, value_.c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::string value_;
  bool set_;
};

bool WriteProcFile(const char* path, const std::string& text) {
  std::ofstream file(path);
  return static_cast<bool>(file << text << std::flush);
}

// Mounts a 64 KB file system on directory, seen by this process only: as root in a mount
// namespace of its own, otherwise as root of a user namespace mapped onto our own ids.
bool MountTinyDisk(const std::filesystem::path& directory) {
  const uid_t uid = geteuid();
  const gid_t gid = getegid();
  if (uid == 0) {
    if (unshare(CLONE_NEWNS) != 0) return false;
  } else if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 ||
             !WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
             !WriteProcFile("/proc/self/setgroups", "deny") ||
             !WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
    return false;
  }
  return mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         mount("tmpfs", directory.c_str(), "tmpfs", 0, "size=64k") == 0;
}

class HighScores : public testing::Test {
 protected:
  void SetUp() override {
    RandSeed(11);
    SetHighScoreStoreFailing(false);
    UseHighScoreStoreFile(store_);
  }
  void TearDown() override {
    SetHighScoreStoreFailing(false);
    UseMemoryHighScoreStore();
  }

  TStoreValues StoredValues() const {
    TStoreKeys keys;
    if (!ParseStore(ReadBytes(store_), keys)) return {};
    return keys[kKey];
  }

  TempDir dir_;
  const std::string store_ = dir_.File("hall.store");
};
}  // namespace

TEST_F(HighScores, FirstRunLoadsAndWritesTheDefaults) {
  EXPECT_EQ(Loaded(), Defaults());
  const TStoreValues values = StoredValues();
  ASSERT_EQ(values.size(), 60u) << "expected j00..j29 and s00..s29";
  EXPECT_EQ(Unscramble(values.at("j29")), "rubo");
  EXPECT_EQ(Unscramble(values.at("s29")), "5000");
  EXPECT_EQ(values.at("j00").size(), 15u) << "three bytes per character";
  EXPECT_EQ(Loaded(), Defaults()) << "second load reads the store";
}

TEST_F(HighScores, NewScoreGoesBelowEqualOnesAndPushesTheLastOut) {
  const Tables before = Loaded();
  Store(before, "Ab c", 0, "45000");
  Tables expected = Defaults();
  for (int e = 9; e > 2; --e) {
    expected.Names[e] = expected.Names[e - 1];
    expected.Scores[e] = expected.Scores[e - 1];
  }
  expected.Names[2] = "Ab c";
  expected.Scores[2] = "45000";
  EXPECT_EQ(Loaded(), expected);
  EXPECT_EQ(HallScores[9], "10000") << "the 5000 entry drops out";
  EXPECT_EQ(before, Defaults()) << "the caller's arrays are not changed";
}

TEST_F(HighScores, ScoreNotAboveAnyEntryOrBadTableInsertsNothingButRewrites) {
  Loaded();
  const std::string firstWrite = ReadBytes(store_);
  Store(Defaults(), "x", 0, "5000");
  EXPECT_EQ(Loaded(), Defaults());
  EXPECT_NE(ReadBytes(store_), firstWrite) << "values are written again with fresh fillers";
  Store(Defaults(), "x", 3, "999999");
  EXPECT_EQ(Loaded(), Defaults());
  Store(Defaults(), "top", 2, "60000");
  EXPECT_EQ(Loaded().Names[20], "top");
}

TEST_F(HighScores, NamesWithAnyBytesSurvive) {
  const std::string name("\0\n\x1b\xff%", 5);
  Store(Loaded(), name, 1, "99999");
  EXPECT_EQ(Loaded().Names[10], name);
}

TEST_F(HighScores, CrashDuringAStoreLeavesOneWholeTable) {
  const Tables first = Loaded();
  // The tables after k records of "bbbbb" 99999; from the tenth on a store only rewrites them.
  const auto afterRecords = [&](int k) {
    Tables tables = first;
    for (int e = 0; e < 10; ++e) {
      tables.Names[e] = e < k ? "bbbbb" : first.Names[e - k];
      tables.Scores[e] = e < k ? "99999" : first.Scores[e - k];
    }
    return tables;
  };
  // Most kills land between making the new file and renaming it, while it is being flushed.
  for (int attempt = 0; attempt < 12; ++attempt) {
    const pid_t child = fork();
    if (child == 0) {
      for (;;) Store(first, "bbbbb", 0, "99999");
    }
    std::this_thread::sleep_for(std::chrono::microseconds(300 + 900 * attempt));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const Tables now = Loaded();
    bool whole = false;
    for (int k = 0; k <= 10; ++k) whole = whole || now == afterRecords(k);
    EXPECT_TRUE(whole) << "attempt " << attempt << ": tables mixed or lost";
    EXPECT_FALSE(std::filesystem::exists(store_ + ".broken-1")) << "attempt " << attempt;
  }
}

TEST_F(HighScores, FailedWriteKeepsThePreviousTables) {
  Store(Loaded(), "first", 0, "70000");
  // The new file cannot be made, so the replacement never happens.
  std::filesystem::create_directory(store_ + ".new");
  Store(Loaded(), "second", 0, "80000");
  EXPECT_EQ(Loaded().Names[0], "first");
}

// A full disk: a store on a tiny file system of its own, filled up before the second record.
// Needs a mount namespace; where the system refuses one the test is skipped.
TEST_F(HighScores, FullDiskKeepsThePreviousTablesAndRecovers) {
  constexpr int kNoMountNamespace = 77;
  const std::filesystem::path disk = dir_.Path() / "disk";
  std::filesystem::create_directory(disk);
  const pid_t child = fork();
  if (child == 0) {
    if (!MountTinyDisk(disk)) _exit(kNoMountNamespace);
    const std::string store = (disk / "hall.store").string();
    UseHighScoreStoreFile(store);
    Store(Loaded(), "first", 0, "70000");
    const std::string good = ReadBytes(store);

    const std::string filler = (disk / "filler").string();
    {
      std::ofstream fill(filler, std::ios::binary);
      const std::string block(4096, 'x');
      while (fill.write(block.data(), block.size()) && fill.flush()) {
      }
    }
    Store(Loaded(), "second", 0, "80000");
    const bool kept = Loaded().Names[0] == "first" && ReadBytes(store) == good &&
                      !std::filesystem::exists(store + ".new") &&
                      !std::filesystem::exists(store + ".broken-1");
    std::filesystem::remove(filler);
    Store(Loaded(), "third", 0, "90000");
    const bool recovered = Loaded().Names[0] == "third" && Loaded().Names[1] == "first";
    _exit(kept && recovered ? 0 : (kept ? 3 : 1));
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == kNoMountNamespace) GTEST_SKIP() << "no mount namespace here";
  EXPECT_NE(WEXITSTATUS(status), 1) << "full disk: the last good tables were not kept whole";
  EXPECT_NE(WEXITSTATUS(status), 3) << "space freed again: a new record was not stored";
}

// A write that stops half-way (here the file-size limit, as a quota would) loses nothing either.
TEST_F(HighScores, WriteCutShortKeepsThePreviousTables) {
  Store(Loaded(), "first", 0, "70000");
  const std::string good = ReadBytes(store_);
  EXPECT_TRUE(PassesInChild(
      [&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{good.size() / 2, good.size() / 2};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
        Store(Loaded(), "second", 0, "80000");
        return Loaded().Names[0] == "first" && !std::filesystem::exists(store_ + ".new");
      },
      TChildUser::Same));
  EXPECT_EQ(ReadBytes(store_), good);
}

TEST_F(HighScores, DamagedStoreIsSetAsideAndDefaultsComeBack) {
  Store(Loaded(), "first", 0, "70000");
  const std::string good = ReadBytes(store_);
  WriteBytes(store_, good.substr(0, good.size() / 2));
  EXPECT_EQ(Loaded(), Defaults());
  EXPECT_EQ(ReadBytes(store_ + ".broken-1"), good.substr(0, good.size() / 2));
  EXPECT_EQ(StoredValues().size(), 60u) << "a fresh store with the defaults";

  WriteBytes(store_, "garbage\n");
  EXPECT_EQ(Loaded(), Defaults());
  EXPECT_EQ(ReadBytes(store_ + ".broken-2"), "garbage\n") << "earlier copies are kept";
}

TEST_F(HighScores, StoreThatCannotBeUsedGivesDefaultsAndWritesNothing) {
  Store(Loaded(), "first", 0, "70000");
  const std::string good = ReadBytes(store_);

  SetHighScoreStoreFailing(true);
  EXPECT_EQ(Loaded(), Defaults()) << "a key we may not open counts as absent";
  Store(Defaults(), "x", 0, "90000");
  EXPECT_EQ(ReadBytes(store_), good);
  SetHighScoreStoreFailing(false);

  std::filesystem::permissions(dir_.Path(), std::filesystem::perms(0555));
  const std::string fresh = dir_.File("fresh.store");
  EXPECT_TRUE(PassesInChild([&] {
    if (!(Loaded() == Defaults())) return false;  // the existing store too: no write access
    UseHighScoreStoreFile(fresh);
    Store(Loaded(), "x", 0, "90000");
    return Loaded() == Defaults() && !std::filesystem::exists(fresh);
  })) << "read-only directory: expected the defaults and no file";
  EXPECT_EQ(ReadBytes(store_), good);
}

TEST_F(HighScores, MemoryStoreStartsAsAFirstRun) {
  UseMemoryHighScoreStore();
  Store(Loaded(), "mem", 0, "90000");
  EXPECT_EQ(Loaded().Names[0], "mem");
  UseMemoryHighScoreStore();
  EXPECT_EQ(Loaded(), Defaults());
  EXPECT_FALSE(std::filesystem::exists(store_));
}

TEST_F(HighScores, DefaultStoreLivesInTheUsersDataDirectory) {
  const SavedVariable savedHome("HOME");
  const SavedVariable savedDataHome("XDG_DATA_HOME");
  setenv("XDG_DATA_HOME", dir_.File("data").c_str(), 1);
  EXPECT_EQ(DefaultHighScoreStorePath(), dir_.File("data") + "/brunival/hall-of-fame.store");
  UseDefaultHighScoreStore();
  Store(Loaded(), "xdg", 0, "90000");
  EXPECT_EQ(Loaded().Names[0], "xdg");

  unsetenv("XDG_DATA_HOME");
  setenv("HOME", dir_.File("home").c_str(), 1);
  EXPECT_EQ(DefaultHighScoreStorePath(),
            dir_.File("home") + "/.local/share/brunival/hall-of-fame.store");
  unsetenv("HOME");
  EXPECT_EQ(DefaultHighScoreStorePath(), "");
  EXPECT_EQ(Loaded(), Defaults()) << "no home directory: the defaults, nothing written";
}
