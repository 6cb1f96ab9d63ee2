// One play frame with a full board, digits on and a full side column, against clearing and
// copying one 640x480 frame in the same run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "media/media_events.h"
#include "platform/null_backend.h"
#include "play/game_state.h"
#include "play/start_game.h"
#include "shell/main_form.h"
#include "shell/screen_frames.h"
#include "shell/screen_state.h"
#include "store/level_params.h"

namespace {
// A picture of the game's sizes: a shade inside the shape, the black colour key outside.
void AddPicture(TPictureCollection& list, const char* name, int32_t width, int32_t height,
                const std::function<bool(int32_t, int32_t)>& inside, int32_t patternWidth = 0,
                int32_t patternHeight = 0) {
  TPictureCollectionItem& item = list.Add();
  item.SetName(name);
  item.Picture.Width = width;
  item.Picture.Height = height;
  item.Picture.Pixels.resize(static_cast<size_t>(width) * height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      item.Picture.Pixels[y * width + x] = inside(x, y) ? 0x203040u + ((x * 7 + y * 3) & 0x3F) : 0;
    }
  }
  item.PatternWidth = patternWidth;
  item.PatternHeight = patternHeight;
}

std::function<bool(int32_t, int32_t)> Disc(int32_t size) {
  return [size](int32_t x, int32_t y) {
    const double r = size / 2.0, dx = x + 0.5 - r, dy = y + 0.5 - r;
    return dx * dx + dy * dy <= r * r;
  };
}

bool Solid(int32_t, int32_t) {
  return true;
}

// Frame pictures with the board and side-column windows left transparent.
std::function<bool(int32_t, int32_t)> FrameWithWindow(int32_t left, int32_t right) {
  return [left, right](int32_t x, int32_t) { return x < left || x >= right; };
}

class PlayFrameRig {
 public:
  PlayFrameRig() : form_(TPlatform{clock_, display_, keys_, nullptr}) {
    form_.DXDraw.Initialize();
    TPictureCollection& pictures = form_.DXImageList.Items;
    for (const char* name : {"atom1", "atom2", "atom3", "atom4", "atom5"}) {
      AddPicture(pictures, name, 40, 40, Disc(36));
    }
    AddPicture(pictures, "elektron", 5, 5, Disc(5));
    AddPicture(pictures, "vazbaH", 40, 8, [](int32_t, int32_t y) { return y > 0 && y < 7; });
    AddPicture(pictures, "vazbaV", 8, 40, [](int32_t x, int32_t) { return x > 0 && x < 7; });
    AddPicture(pictures, "plochaL", 91, 480, Solid);
    AddPicture(pictures, "plochaH", 549, 67, Solid);
    AddPicture(pictures, "plochaD", 549, 13, Solid);
    AddPicture(pictures, "plochaS", 56, 400, FrameWithWindow(12, 56));
    AddPicture(pictures, "plochaP", 13, 400, Solid);
    AddPicture(
        pictures, "font1", 64 * 31, 31, [](int32_t x, int32_t y) { return (x + y) % 3 != 0; }, 31,
        31);
    AddPicture(
        pictures, "font2", 64 * 10, 14, [](int32_t x, int32_t y) { return (x + y) % 2 != 0; }, 10,
        14);
    pictures.Initialize(&form_.DXDraw);
    pictures.Restore();
    for (const char* name : {"menu_ok", "menu_pohyb", "menu_zpet", "mezihra", "vymena", "bum",
                             "uspech", "neuspech", "alert", "padatomu", "rekord"}) {
      form_.DXWaveList.Items.Add().SetName(name);
    }
    FillGame();
  }

  void Frame() { PlayFrame(16); }

 private:
  // "trenink a" supplies nothing while the column holds atoms, so the frame stays the same.
  static void FillGame() {
    ModeParams[4] = {0, "AAAAA", 1000, 0, 0, 1100};
    StartGame(4);
    Game.Phase = phPlay;
    Settings[3] = 1;
    for (int col = 1; col <= 12; ++col) {
      for (int row = 1; row <= 10; ++row) {
        TBoardCell& cell = Game.Board[col][row];
        cell.Kind = 4;
        cell.FreeElectrons = 2;
        cell.BondRight = col < 12;
        cell.BondDown = row < 10;
      }
    }
    Game.QueueCount = 10;
    for (int k = 1; k <= 10; ++k)
      Game.Queue[k] = {static_cast<uint8_t>(1 + k % 5), 462 - 33 * k, 0};
    Game.CursorCol = 6;
    Game.CursorRow = 5;
  }

  TStillClock clock_;
  TNoPicture display_;
  TNoKeys keys_;
  TMainForm form_;
};

void BM_PlayFrameFullBoard(benchmark::State& state) {
  PlayFrameRig rig;
  for (auto _ : state) {
    rig.Frame();
    benchmark::ClobberMemory();
  }
  TakeMediaEvents();
}
BENCHMARK(BM_PlayFrameFullBoard);

// The floor any frame pays: clearing the back surface and copying it out.
void BM_ClearAndCopyFrame(benchmark::State& state) {
  std::vector<uint32_t> back(640 * 480), front(640 * 480);
  for (auto _ : state) {
    std::memset(back.data(), 0, back.size() * sizeof(uint32_t));
    benchmark::ClobberMemory();
    std::memcpy(front.data(), back.data(), back.size() * sizeof(uint32_t));
    benchmark::ClobberMemory();
  }
  benchmark::DoNotOptimize(front.data());
}
BENCHMARK(BM_ClearAndCopyFrame);
}  // namespace
