// Test main window for the play screens: fake back ends, test pictures and sounds, test levels.
#include "play_rig.h"

#include <algorithm>

#include "media/media_events.h"
#include "play/game_state.h"
#include "play/side_column.h"
#include "play/start_game.h"
#include "shell/screen_state.h"
#include "store/high_scores.h"
#include "store/level_params.h"
#include "store/random.h"
#include "store/registry.h"

namespace {
void AddPicture(TPictureCollection& list, const std::string& name, int32_t width, int32_t height,
                uint32_t pixel, int32_t patternWidth = 0, int32_t patternHeight = 0) {
  TPictureCollectionItem& item = list.Add();
  item.SetName(name);
  item.Picture.Width = width;
  item.Picture.Height = height;
  item.Picture.Pixels.assign(static_cast<size_t>(width) * height, pixel);
  item.PatternWidth = patternWidth;
  item.PatternHeight = patternHeight;
}

// 64 glyphs of 31 x 31 pixels; the blank (pattern 0) is all colour key, every other a solid block.
void AddBlockFont(TPictureCollection& list) {
  AddPicture(list, "font1", 64 * 31, 31, kFontPixel, 31, 31);
  TPicture& picture = list.Find("font1").Picture;
  for (int y = 0; y < 31; ++y) std::fill_n(picture.Pixels.begin() + y * 64 * 31, 31, 0u);
}
}  // namespace

void PlayRig::SetUp() {
  form_ = std::make_unique<TMainForm>(TPlatform{clock_, display_, keyboard_, nullptr});
  form_->DXDraw.Initialize();
  TPictureCollection& pictures = form_->DXImageList.Items;
  for (int kind = 1; kind <= 5; ++kind) {
    AddPicture(pictures, "atom" + std::to_string(kind), 40, 40, kAtomPixel + kind);
  }
  AddPicture(pictures, "elektron", 1, 1, kElectronPixel);
  AddPicture(pictures, "plochaL", 91, 480, kLeftFramePixel);
  for (const char* name : {"vazbaH", "vazbaV", "plochaH", "plochaD", "plochaS", "plochaP", "font2",
                           "menu", "DK-napis", "DK-logo", "DK-uvadi"}) {
    pictures.Add().SetName(name);
  }
  AddBlockFont(pictures);
  pictures.Initialize(&form_->DXDraw);
  pictures.Restore();
  for (const char* name : {"menu_ok", "menu_pohyb", "menu_zpet", "mezihra", "vymena", "bum",
                           "uspech", "neuspech", "alert", "padatomu", "rekord"}) {
    form_->DXWaveList.Items.Add().SetName(name);
  }

  for (int k = 1; k <= 20; ++k) ArcadeLevels[k] = {60000, "A", 4000, 2, 0, 2000};
  for (int mode = 2; mode <= 5; ++mode) ModeParams[mode] = {60000, "A", 4000, 0, 0, 1100};
  Game = TGameState{};
  Game.Queue[0].Y = 462;
  ScreenState = ssModeChoice;
  LatchUp = LatchDown = LatchLeft = LatchRight = LatchConfirm = LatchBack = 0;
  Settings = {0, 1, 1, 0};
  RandSeed(12345);
  UseMemoryHighScoreStore();
  LoadHighScores();
  TakeMediaEvents();
}

void PlayRig::TearDown() {
  form_.reset();
}

void PlayRig::Frame(int32_t lag, std::initializer_list<int> keys) {
  keyboard_.down.assign(keys.begin(), keys.end());
  form_->DXTimerTimer(lag);
}

void PlayRig::Frames(int count, int32_t lag, std::initializer_list<int> keys) {
  for (int i = 0; i < count; ++i) Frame(lag, keys);
}

void PlayRig::StartAndPlay(uint8_t mode) {
  StartGame(mode);
  for (int i = 0; i < 1000 && Game.StateTime <= Game.Level.BriefingDelay; ++i) Frame(100);
  Frame(16, {VK_SPACE});
  for (int i = 0; i < 1000 && Game.Phase != phPlay; ++i) Frame(100);
  ASSERT_EQ(Game.Phase, phPlay) << "the briefing should have ended";
}

void PlayRig::WaitForLandedAtom() {
  for (int i = 0; i < 625; ++i) {
    if (Game.QueueCount > 0 && AtomInHandLanded()) return;
    Frame(16);
  }
  FAIL() << "no atom landed in the side column within 10 s";
}

void PlayRig::MoveCursorTo(int col, int row) {
  while (Game.CursorCol != col || Game.CursorRow != row) {
    const int key = Game.CursorCol < col   ? VK_RIGHT
                    : Game.CursorCol > col ? VK_LEFT
                    : Game.CursorRow < row ? VK_DOWN
                                           : VK_UP;
    Frame(40, {key});
    while (Game.CursorStepX != 0 || Game.CursorStepY != 0) Frame(40);
  }
}

void PlayRig::PlaceAt(int col, int row) {
  MoveCursorTo(col, row);
  WaitForLandedAtom();
  Frame(16, {VK_SPACE});
  Frame(16);
}

void PlayRig::RunWhileScreen(uint8_t state, int32_t lag, int limit) {
  for (int i = 0; i < limit && ScreenState == state; ++i) Frame(lag);
  ASSERT_NE(ScreenState, state) << "the screen should have changed within " << limit << " frames";
}

int PlayRig::Count(const std::vector<std::string>& events, const std::string& event) const {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

uint32_t PlayRig::Pixel(int x, int y) const {
  return form_->DXDraw.Surface().Row(y)[x] & 0xFFFFFF;
}
