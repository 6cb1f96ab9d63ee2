// The named sound list: effects played by name, each with a Master voice and reusable copies.
#include "media/wave_list.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "media/media_events.h"
#include "media/sound.h"

TWaveCollectionItem::TWaveCollectionItem(TWaveCollection& owner) : owner_(owner) {}

TWaveCollectionItem::~TWaveCollectionItem() {
  FreeVoices();
}

void TWaveCollectionItem::SetName(std::string name) {
  owner_.index_.Enter(this, name_, name);
  name_ = std::move(name);
}

TMixer* TWaveCollectionItem::Mixer() const {
  return owner_.Sound != nullptr ? owner_.Sound->Mixer() : nullptr;
}

void TWaveCollectionItem::SetMaxPlayingCount(int32_t count) {
  maxPlayingCount_ = std::max(count, 0);
  if (initialized_) FreeCopies();
}

void TWaveCollectionItem::SetFrequency(int32_t frequency) {
  frequency_ = frequency;
  TMixer* mixer = Mixer();
  if (initialized_ && mixer != nullptr) mixer->SetVoiceFrequency(master_, frequency);
}

void TWaveCollectionItem::SetVolume(int32_t volume) {
  volume_ = volume;
  TMixer* mixer = Mixer();
  if (initialized_ && mixer != nullptr) mixer->SetVoiceVolume(master_, volume);
}

TVoiceId TWaveCollectionItem::ChooseCopy(TMixer& mixer) {
  for (TVoiceId copy : copies_) {
    if (!mixer.VoicePlaying(copy)) return copy;
  }
  if (maxPlayingCount_ == 0 || static_cast<int32_t>(copies_.size()) < maxPlayingCount_) {
    const TVoiceId copy = mixer.DuplicateVoice(master_);
    if (copy != kNoVoice) copies_.push_back(copy);
    return copy;
  }
  // Every allowed copy is sounding: the oldest is restarted and becomes the newest.
  const TVoiceId oldest = copies_.front();
  copies_.erase(copies_.begin());
  copies_.push_back(oldest);
  return oldest;
}

void TWaveCollectionItem::Play(bool wait) {
  RecordMediaEvent("play " + name_);
  TMixer* mixer = Mixer();
  if (!initialized_ || mixer == nullptr || master_ == kNoVoice) return;
  if (Looped) {
    mixer->StartVoice(master_, frequency_, volume_, Pan, true);
    return;
  }
  const TVoiceId voice = ChooseCopy(*mixer);
  if (voice == kNoVoice) return;
  mixer->StartVoice(voice, frequency_, volume_, Pan, false);
  if (!wait) return;

  // Waits for the end, but never longer than the sound could last: a mixer nobody renders
  // (headless, or a device that stopped) must not hang the caller.
  TPcmFormat format;
  ParseWaveFormat(Wave.Format, format);
  const int64_t rate = std::max<int64_t>(frequency_ != 0 ? frequency_ : format.SampleRate, 1);
  const int64_t frameBytes = std::max(format.Channels * format.BitsPerSample / 8, 1);
  const int64_t limitMs = static_cast<int64_t>(Wave.Data.size()) / frameBytes * 1000 / rate + 1000;
  for (int64_t waited = 0; waited < limitMs && mixer->VoicePlaying(voice); waited += 10) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

void TWaveCollectionItem::Stop() {
  RecordMediaEvent("stop " + name_);
  TMixer* mixer = Mixer();
  if (!initialized_ || mixer == nullptr) return;
  mixer->StopVoice(master_);
  for (TVoiceId copy : copies_) mixer->StopVoice(copy);
}

void TWaveCollectionItem::BuildMaster() {
  FreeVoices();
  TMixer* mixer = Mixer();
  if (mixer == nullptr) return;
  // A recording the mixer cannot take gets no Master and plays nothing, like an empty one:
  // one odd effect must not stop the game from starting.
  TPcmFormat format;
  if (!ParseWaveFormat(Wave.Format, format)) return;
  master_ = mixer->CreateVoice(MakeSampleBuffer(format, Wave.Data.data(), Wave.Data.size()));
  if (master_ == kNoVoice) return;
  mixer->SetVoiceFrequency(master_, frequency_);
  mixer->SetVoicePan(master_, Pan);
  mixer->SetVoiceVolume(master_, volume_);
}

void TWaveCollectionItem::FreeCopies() {
  if (TMixer* mixer = Mixer()) {
    for (TVoiceId copy : copies_) mixer->DestroyVoice(copy);
  }
  copies_.clear();
}

void TWaveCollectionItem::FreeVoices() {
  FreeCopies();
  if (TMixer* mixer = Mixer(); mixer != nullptr && master_ != kNoVoice) {
    mixer->DestroyVoice(master_);
  }
  master_ = kNoVoice;
}

TWaveCollection::TWaveCollection() = default;

TWaveCollection::~TWaveCollection() {
  if (Sound != nullptr) Sound->Detach(*this);
  Clear();
}

TWaveCollectionItem* TWaveCollection::FindOrNull(std::string_view name) {
  return index_.Find(name);
}

TWaveCollectionItem& TWaveCollection::Find(std::string_view name) {
  if (TWaveCollectionItem* item = FindOrNull(name)) return *item;
  throw EWaveCollectionError("Wave '" + std::string(name) + "' not found");
}

TWaveCollectionItem& TWaveCollection::Add() {
  items_.push_back(std::make_unique<TWaveCollectionItem>(*this));
  return *items_.back();
}

void TWaveCollection::Clear() {
  index_.Clear();
  items_.clear();
}

void TWaveCollection::Initialize() {
  if (Sound == nullptr || !Sound->Initialized()) return;
  for (auto& item : items_) item->initialized_ = true;
}

void TWaveCollection::Finalize() {
  for (auto& item : items_) {
    item->FreeVoices();
    item->initialized_ = false;
  }
}

void TWaveCollection::Restore() {
  for (auto& item : items_) {
    if (item->initialized_) item->BuildMaster();
  }
}
