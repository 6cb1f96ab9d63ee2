// The sound output: opens the mixer's device for the sound list; without a device every call is silent.
#pragma once
#include <vector>

class TMixer;
class TWaveCollection;

class TDXSound {
 public:
  // mixer may be nullptr: no sound device, silent operation.
  explicit TDXSound(TMixer* mixer) : mixer_(mixer) {}
  bool Initialized() const { return initialized_; }
  void Initialize();
  void Finalize();
  TMixer* Mixer() const { return mixer_; }
  void Attach(TWaveCollection& list);

 private:
  TMixer* mixer_;
  bool initialized_ = false;
  std::vector<TWaveCollection*> lists_;
};
