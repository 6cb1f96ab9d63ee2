// Temporary stand-ins so the tree links; replaced by the display, timer and keyboard.
#include "media/display.h"
#include "media/input.h"
#include "media/timer.h"
#include "platform/backend.h"

TDXDraw::TDXDraw(IDisplayBackend& backend) : backend_(backend) {}
void TDXDraw::Initialize() {
  surface_.SetSize(SurfaceWidth, SurfaceHeight);
  initialized_ = true;
  if (OnInitialize) OnInitialize();
}
void TDXDraw::Finalize() {
  if (OnFinalize) OnFinalize();
  initialized_ = false;
}
bool TDXDraw::CanDraw() { return initialized_ && !initializing_; }
void TDXDraw::Flip() { backend_.Present(surface_); }
void TDXDraw::Attach(TPictureCollection& list) { imageLists_.push_back(&list); }

TDXTimer::TDXTimer(IClock& clock) : clock_(clock) {}
void TDXTimer::SetEnabled(bool enabled) { enabled_ = running_ = enabled; }
void TDXTimer::Tick() {}
void TDXTimer::SetApplicationActive(bool active) { applicationActive_ = active; }

void TKeyboard::Update() {
  KeyStates.fill(0);
  backend_.ReadKeys(KeyStates);
}
