// Drawing helpers shared by the play, game-over and name-entry screens.
#include "play/play_drawing.h"

#include "media/display.h"
#include "media/picture_list.h"
#include "media/surface.h"
#include "shell/main_form.h"
#include "text/strings.h"

TDirectDrawSurface& BackSurface() {
  return MainForm->DXDraw.Surface();
}

TDirectDrawSurfaceCanvas& BackCanvas() {
  return BackSurface().Canvas();
}

void DrawPicture(std::string_view name, int32_t x, int32_t y) {
  MainForm->DXImageList.Items.Find(name).Draw(BackSurface(), x, y, 0);
}

void TFramePicture::Draw(int32_t x, int32_t y) {
  if (item_ == nullptr) item_ = &MainForm->DXImageList.Items.Find(name_);
  item_->Draw(BackSurface(), x, y, 0);
}

std::string MinutesSeconds(int32_t timeMs) {
  return IntToPadded('0', 2, timeMs / 60000) + ":" + IntToPadded('0', 2, timeMs / 1000 % 60);
}
