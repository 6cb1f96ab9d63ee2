// The sound output: opens the mixer's device for the sound list; without a device every call is
// silent.
#pragma once
#include <vector>

class TMixer;
class TWaveCollection;

class TDXSound {
 public:
  // mixer may be nullptr: no sound device, silent operation.
  explicit TDXSound(TMixer* mixer) : mixer_(mixer) {}
  // Finalizes and detaches the attached lists, so they never reach a mixer that may be gone.
  ~TDXSound();
  TDXSound(const TDXSound&) = delete;
  TDXSound& operator=(const TDXSound&) = delete;

  bool Initialized() const { return initialized_; }
  // Opens the device (a missing one is not an error) and initializes and restores the lists.
  void Initialize();
  void Finalize();
  TMixer* Mixer() const { return initialized_ ? mixer_ : nullptr; }
  // An attached list follows the output: initialized and restored when it opens, finalized when
  // it closes. A list attached to an open output is initialized at once.
  void Attach(TWaveCollection& list);
  void Detach(TWaveCollection& list);

 private:
  TMixer* mixer_;
  bool initialized_ = false;
  std::vector<TWaveCollection*> lists_;
};
