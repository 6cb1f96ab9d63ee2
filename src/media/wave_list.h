// The named sound list: effects played by name with copies sharing one recording.
#pragma once
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "media/mixer.h"
#include "media/name_index.h"

class EWaveCollectionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A recording: the wave format record (the "fmt " chunk body) and the sample bytes.
struct TWave {
  std::vector<uint8_t> Format;
  std::vector<uint8_t> Data;
};

class TWaveCollection;
class TDXSound;

class TWaveCollectionItem {
 public:
  explicit TWaveCollectionItem(TWaveCollection& owner);
  ~TWaveCollectionItem();

  const std::string& Name() const { return name_; }
  void SetName(std::string name);

  TWave Wave;
  bool Looped = false;
  int32_t MaxPlayingCount() const { return maxPlayingCount_; }
  // Negative values are stored as 0; on an initialized item all copies are freed.
  void SetMaxPlayingCount(int32_t count);
  int32_t Frequency() const { return frequency_; }
  void SetFrequency(int32_t frequency);
  int32_t Volume() const { return volume_; }
  void SetVolume(int32_t volume);
  int32_t Pan = 0;

  bool Initialized() const { return initialized_; }
  void Play(bool wait);
  void Stop();

  // The voices in the mixer (for tests and diagnostics): the Master holding the samples, and the
  // copies in their reuse order, oldest first.
  TVoiceId MasterVoice() const { return master_; }
  const std::vector<TVoiceId>& Copies() const { return copies_; }

 private:
  friend class TWaveCollection;
  TMixer* Mixer() const;
  TVoiceId ChooseCopy(TMixer& mixer);
  void BuildMaster();
  void FreeCopies();
  void FreeVoices();

  TWaveCollection& owner_;
  std::string name_;
  int32_t maxPlayingCount_ = 0;
  int32_t frequency_ = 0;
  int32_t volume_ = 0;
  bool initialized_ = false;
  TVoiceId master_ = kNoVoice;
  std::vector<TVoiceId> copies_;
};

class TWaveCollection {
 public:
  TWaveCollection();
  ~TWaveCollection();

  // Raises EWaveCollectionError "Wave '%s' not found".
  TWaveCollectionItem& Find(std::string_view name);
  TWaveCollectionItem* FindOrNull(std::string_view name);
  TWaveCollectionItem& Items(int32_t index) { return *items_[index]; }
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  TWaveCollectionItem& Add();
  void Clear();

  // Replaces all items by a container file's content; defined with the container reader.
  void LoadFromFile(const std::string& fileName);

  // Called by the sound output: Initialize marks every item ready when a device is open,
  // Restore builds each initialized item's Master voice, Finalize frees all voices.
  void Initialize();
  void Finalize();
  void Restore();

  TDXSound* Sound = nullptr;

 private:
  friend class TWaveCollectionItem;
  std::vector<std::unique_ptr<TWaveCollectionItem>> items_;
  TNameIndex<TWaveCollectionItem> index_;
};

// The sound list component on the main window.
struct TDXWaveList {
  TWaveCollection Items;
};
