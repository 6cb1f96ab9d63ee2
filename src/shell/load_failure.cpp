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
#include "text/catalogue.h"
#include "text/cp1250.h"

namespace {
// Built in, in both languages: these lines show when the data set, catalogues included, is
// missing. Drawn in the window's own font, so they keep their diacritics.
struct TFailureLines {
  std::string_view Config, Graphics, Sounds, Music, Closing, ClosingCursor;
};
constexpr TFailureLines kCzechLines = {
    "Chyba při načítání konfiguračního souboru: \"nexoda.cfg\""_cp1250,
    "Chyba při načítání datového souboru: \"grafika.dat\""_cp1250,
    "Chyba při načítání datového souboru: \"zvuky.dat\""_cp1250,
    "Chyba při načítání souborů z adresáře: \"mod\""_cp1250,
    "Program nemůže být kvůli chybám spuštěn..."_cp1250,
    "Program nemůže být kvůli chybám spuštěn... _"_cp1250,
};
constexpr TFailureLines kEnglishLines = {
    "Error loading the configuration file: \"nexoda.cfg\"",
    "Error loading the data file: \"grafika.dat\"",
    "Error loading the data file: \"zvuky.dat\"",
    "Error loading the files in the folder: \"mod\"",
    "The program cannot start because of these errors...",
    "The program cannot start because of these errors... _",
};
constexpr std::string_view kRule =
    "===================================================================";
constexpr std::string_view kSignature = "DRAVOKEL:";

void WriteMessages(TMainForm& form, TDirectDrawSurfaceCanvas& canvas) {
  const TFailureLines& lines = Language() == "cs" ? kCzechLines : kEnglishLines;
  int32_t y = 10;
  const auto line = [&](bool failed, std::string_view message) {
    if (!failed) return;
    canvas.TextOut(10, y, std::string(message));
    y += 15;
  };
  line(form.ConfigFailed, lines.Config);
  line(form.GraphicsFailed, lines.Graphics);
  line(form.SoundsFailed, lines.Sounds);
  line(form.MusicFailed, lines.Music);

  const int32_t time = Game.StateTime;
  y += 15;
  if (time > 1000) canvas.TextOut(10, y, std::string(kRule));
  y += 30;
  if (time > 1500) canvas.TextOut(10, y, std::string(kSignature));
  y += 30;
  if (time > 2000) {
    // The underscore blinks: shown in the odd half-seconds, first from 2500 to 2999.
    const bool cursorOn = (time / 500) % 2 == 1;
    canvas.TextOut(10, y, std::string(cursorOn ? lines.ClosingCursor : lines.Closing));
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
