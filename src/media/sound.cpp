// The sound output component: hands the mixer to its sound lists, or nothing when there is none.
#include "media/sound.h"

#include <algorithm>

#include "media/wave_list.h"

TDXSound::~TDXSound() {
  Finalize();
  for (TWaveCollection* list : lists_) list->Sound = nullptr;
}

void TDXSound::Initialize() {
  if (initialized_) return;
  // No device is not an error: the program runs silently and the lists stay uninitialized.
  if (mixer_ == nullptr) return;
  initialized_ = true;
  for (TWaveCollection* list : lists_) {
    list->Initialize();
    list->Restore();
  }
}

void TDXSound::Finalize() {
  // The lists let go of their voices while the mixer is still reachable through this output.
  for (TWaveCollection* list : lists_) list->Finalize();
  initialized_ = false;
}

void TDXSound::Attach(TWaveCollection& list) {
  if (std::find(lists_.begin(), lists_.end(), &list) == lists_.end()) lists_.push_back(&list);
  list.Sound = this;
  if (initialized_) {
    list.Initialize();
    list.Restore();
  }
}

void TDXSound::Detach(TWaveCollection& list) {
  list.Finalize();
  lists_.erase(std::remove(lists_.begin(), lists_.end(), &list), lists_.end());
  if (list.Sound == this) list.Sound = nullptr;
}
