// The display's life cycle (set-up, tear-down, lost-surface repair) and the flip.
#include "media/display.h"

#include <string>

#include "media/picture_list.h"
#include "platform/backend.h"

TDXDraw::TDXDraw(IDisplayBackend& backend) : backend_(backend) {}

void TDXDraw::Attach(TPictureCollection& list) {
  imageLists_.push_back(&list);
}

void TDXDraw::Initialize() {
  Finalize();
  initializing_ = true;
  if (!backend_.Open(SurfaceWidth, SurfaceHeight, (Options & doFullScreen) != 0)) {
    initializing_ = false;
    throw EDirectDrawError("Display mode cannot be changed (" + std::to_string(SurfaceWidth) + "x" +
                           std::to_string(SurfaceHeight) + " 32bit)");
  }
  surface_.SetSize(SurfaceWidth, SurfaceHeight);
  initialized_ = true;
  initializing_ = false;
  for (TPictureCollection* list : imageLists_) list->Initialize(this);
  if (OnInitialize) OnInitialize();
  for (TPictureCollection* list : imageLists_) list->Restore();
}

void TDXDraw::Finalize() {
  if (!initialized_) return;
  initializing_ = true;
  if (OnFinalize) OnFinalize();
  for (TPictureCollection* list : imageLists_) list->Finalize();
  backend_.Close();
  initialized_ = false;
  initializing_ = false;
}

bool TDXDraw::SurfacesUsable() {
  if (!initialized_ || initializing_ || surface_.Width() == 0) return false;
  if (backend_.SurfacesLost()) {
    if (!backend_.RestoreSurfaces()) return false;
    // What the lost memory held is gone: start again from black and rebuild the pictures.
    surface_.Fill(0);
    for (TPictureCollection* list : imageLists_) list->Restore();
  }
  return backend_.CanPresent();
}

bool TDXDraw::CanDraw() {
  if (ForcedDrawable) return *ForcedDrawable && initialized_ && surface_.Width() != 0;
  return SurfacesUsable();
}

void TDXDraw::Flip() {
  if (PresentHeld || !SurfacesUsable()) return;
  backend_.Present(surface_);
}
