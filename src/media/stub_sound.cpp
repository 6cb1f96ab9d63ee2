// Temporary stand-ins so the tree links; replaced by the sound list and mixer.
#include "media/sound.h"
#include "media/wave_list.h"
#include "media/media_events.h"

TWaveCollectionItem::TWaveCollectionItem(TWaveCollection& owner) : owner_(owner) {}
TWaveCollectionItem::~TWaveCollectionItem() = default;
void TWaveCollectionItem::SetName(std::string name) {
  owner_.index_.Enter(this, name_, name);
  name_ = std::move(name);
}
void TWaveCollectionItem::SetMaxPlayingCount(int32_t count) { maxPlayingCount_ = count < 0 ? 0 : count; }
void TWaveCollectionItem::SetFrequency(int32_t frequency) { frequency_ = frequency; }
void TWaveCollectionItem::SetVolume(int32_t volume) { volume_ = volume; }
void TWaveCollectionItem::Play(bool) { RecordMediaEvent("play " + name_); }
void TWaveCollectionItem::Stop() { RecordMediaEvent("stop " + name_); }

TWaveCollection::TWaveCollection() = default;
TWaveCollection::~TWaveCollection() = default;
TWaveCollectionItem* TWaveCollection::FindOrNull(std::string_view name) { return index_.Find(name); }
TWaveCollectionItem& TWaveCollection::Find(std::string_view name) {
  if (auto* item = FindOrNull(name)) return *item;
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
void TWaveCollection::Initialize() {}
void TWaveCollection::Finalize() {}
void TWaveCollection::Restore() {}

void TDXSound::Initialize() { initialized_ = mixer_ != nullptr; }
void TDXSound::Finalize() { initialized_ = false; }
void TDXSound::Attach(TWaveCollection& list) {
  lists_.push_back(&list);
  list.Sound = this;
}
