// The intro: title, logo and "presents" line fading in, then the hand-over to the main menu.
#include "screens/intro.h"

#include "media/input.h"
#include "play/game_state.h"
#include "play/play_drawing.h"
#include "screens/menu_common.h"
#include "shell/main_form.h"
#include "shell/rounding.h"
#include "shell/screen_frames.h"
#include "shell/screen_state.h"
#include "text/catalogue.h"

TIntro Intro;

void ResetIntro() {
  Intro.Objects[1] = {0.0, 100, 7700, 74.0, 225.0, 491.0, 28.0, "napis"};
  Intro.Objects[2] = {0.0, 2700, 7700, 20.0, 199.0, 83.0, 80.0, "logo"};
  Intro.Objects[3] = {0.0, 5000, 7700, 288.0, 265.0, 63.0, 13.0, "uvadi"};
}

namespace {
void DrawIntroPicture(TIntroObjekt& picture, int32_t lagCount) {
  auto& pictures = MainForm->DXImageList.Items;
  const std::string name = "DK-" + picture.Name;
  // Player-made art may lack the language's own picture; the original then stands in.
  auto* local = pictures.FindOrNull(LocalPictureName(name));
  auto& image = local != nullptr ? *local : pictures.Find(name);
  if (picture.Alpha < 255) {
    picture.Alpha += lagCount / 5.0;
    const TRect rect{RoundHalfEven(picture.X), RoundHalfEven(picture.Y),
                     RoundHalfEven(picture.X + picture.Width),
                     RoundHalfEven(picture.Y + picture.Height)};
    image.DrawBlended(BackSurface(), rect, 0, RoundHalfEven(picture.Alpha));
  } else {
    picture.Alpha = 255.0;
    image.Draw(BackSurface(), RoundHalfEven(picture.X), RoundHalfEven(picture.Y), 0);
  }
}
}  // namespace

bool IntroFrame(int32_t lagCount) {
  MainForm->DXInput.Update();
  auto& title = Intro.Objects[1];
  if (Game.StateTime >= title.EndTime) {
    LatchBack = 1;
    ScreenState = ssMainMenu;
    ShowMenu(MainLabels, 5, 1);
  }
  // Mirror Esc and Enter so a key held when the intro ends does not act in the main menu.
  LatchBack = KeyDown(VK_ESCAPE) ? 1 : 0;
  LatchConfirm = KeyDown(VK_RETURN) ? 1 : 0;
  Game.StateTime += lagCount;

  if (!MainForm->DXDraw.CanDraw()) return false;
  BackSurface().Fill(0);
  for (int j = 1; j <= 3; ++j) {
    auto& picture = Intro.Objects[j];
    if (picture.StartTime <= Game.StateTime && Game.StateTime < picture.EndTime) {
      DrawIntroPicture(picture, lagCount);
    }
  }
  if (title.StartTime + 2000 < Game.StateTime && Game.StateTime < title.EndTime) {
    title.X += lagCount / 20.0;
  }
  if (title.X > 115.0) title.X = 115.0;
  return true;
}
