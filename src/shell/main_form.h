// The main window: owns the media components, the load-failure flags and the frame handler.
#pragma once
#include <cstdint>
#include <functional>

#include "media/display.h"
#include "media/input.h"
#include "media/picture_list.h"
#include "media/sound.h"
#include "media/timer.h"
#include "media/wave_list.h"

class IClock;
class IDisplayBackend;
class IKeyboardBackend;
class TMixer;

// What a back end hands the window: its clock, display, keyboard and (optionally) a mixer.
struct TPlatform {
  IClock& Clock;
  IDisplayBackend& Display;
  IKeyboardBackend& Keyboard;
  TMixer* Mixer = nullptr;  // nullptr: no sound device
};

class TMainForm {
 public:
  explicit TMainForm(const TPlatform& platform);
  ~TMainForm();

  TDXDraw DXDraw;
  TDXTimer DXTimer;
  TDXImageList DXImageList;
  TDXInput DXInput;
  TDXWaveList DXWaveList;
  TDXSound DXSound;

  bool ConfigFailed = false;
  bool GraphicsFailed = false;
  bool SoundsFailed = false;
  bool MusicFailed = false;

  void FormCreate();
  void FormClose();
  void DXDrawInitialize();
  void DXDrawFinalize();
  void DXTimerTimer(int32_t lagCount);
  // One frame of the game: the screen's frame, then music control and flip when it drew.
  void RunFrame(int32_t lagCount);
  // While set, the timer's frames go here instead (watching a replay runs the recorded frames
  // through RunFrame at its own pace).
  std::function<void(int32_t lagCount)> FrameOverride;

  // Closes the window: runs FormClose once; later frames do nothing.
  void Close();
  bool Closed() const { return closed_; }

 private:
  IDisplayBackend& window_;
  bool closed_ = false;
};

// The one main window of the process (nullptr before it is created).
extern TMainForm* MainForm;
