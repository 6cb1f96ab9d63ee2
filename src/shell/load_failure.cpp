// The load-failure screen: the failed file's message and the closing lines; a key closes it.
// 2 s.
#include "shell/load_failure.h"

#include <algorithm>
#include <limits>
#include <string>

#include "media/canvas.h"
#include "media/color.h"
#include "play/game_state.h"
#include "shell/main_form.h"
#include "text/cp1250.h"

namespace {
constexpr std::string_view kConfigMessage =
    "Chyba při načítání konfiguračního souboru: \"nexoda.cfg\""_cp1250;
constexpr std::string_view kGraphicsMessage =
    "Chyba při načítání datového souboru: \"grafika.dat\""_cp1250;
constexpr std::string_view kSoundsMessage =
    "Chyba při načítání datového souboru: \"zvuky.dat\""_cp1250;
constexpr std::string_view kMusicMessage = "Chyba při načítání souborů z adresáře: \"mod\""_cp1250;
constexpr std::string_view kRule =
    "===================================================================";
constexpr std::string_view kSignature = "DRAVOKEL:";
constexpr std::string_view kClosing = "Program nemůže být kvůli chybám spuštěn..."_cp1250;
constexpr std::string_view kClosingCursor = "Program nemůže být kvůli chybám spuštěn... _"_cp1250;

void WriteMessages(TMainForm& form, TDirectDrawSurfaceCanvas& canvas) {
  int32_t y = 10;
  const auto line = [&](bool failed, std::string_view message) {
    if (!failed) return;
    canvas.TextOut(10, y, std::string(message));
    y += 15;
  };
  line(form.ConfigFailed, kConfigMessage);
  line(form.GraphicsFailed, kGraphicsMessage);
  line(form.SoundsFailed, kSoundsMessage);
  line(form.MusicFailed, kMusicMessage);

  const int32_t time = Game.StateTime;
  y += 15;
  if (time > 1000) canvas.TextOut(10, y, std::string(kRule));
  y += 30;
  if (time > 1500) canvas.TextOut(10, y, std::string(kSignature));
  y += 30;
  if (time > 2000) {
    // The underscore blinks: shown in the odd half-seconds, first from 2500 to 2999.
    const bool cursorOn = (time / 500) % 2 == 1;
    canvas.TextOut(10, y, std::string(cursorOn ? kClosingCursor : kClosing));
  }
}
}  // namespace

void LoadFailureFrame(TMainForm& form, int32_t lagCount) {
  // Saturates instead of overflowing, so a screen left open for weeks keeps all its lines.
  Game.StateTime = static_cast<int32_t>(
      std::min<int64_t>(int64_t{Game.StateTime} + lagCount, std::numeric_limits<int32_t>::max()));
  TKeyboard& keyboard = form.DXInput.Keyboard;
  keyboard.Update();
  if (Game.StateTime > 2000 &&
      (keyboard.Keys(VK_RETURN) || keyboard.Keys(VK_SPACE) || keyboard.Keys(VK_ESCAPE))) {
    form.Close();
  }
  if (!form.DXDraw.CanDraw()) return;

  TDirectDrawSurface& surface = form.DXDraw.Surface();
  surface.Fill(0);
  TDirectDrawSurfaceCanvas& canvas = surface.Canvas();
  canvas.Brush.Color = clBlack;
  canvas.Brush.Style = bsClear;
  canvas.Font.Color = RGBColor(255, 255, 255);
  canvas.Pen.Color = RGBColor(255, 255, 0);
  canvas.Rectangle(5, 5, 635, 475);
  WriteMessages(form, canvas);
  canvas.Release();
  form.DXDraw.Flip();
}
