// A main window over in-memory back ends with empty stand-in pictures and sounds, for screen tests.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "media/media_events.h"
#include "play/game_state.h"
#include "screens/intro.h"
#include "shell/main_form.h"
#include "shell/screen_state.h"

class ScreenFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TMainForm>(TPlatform{clock_, display_, keyboard_, nullptr});
    form_->DXDraw.Initialize();
    for (const char* name : {"menu", "font1", "font2", "DK-napis", "DK-logo", "DK-uvadi"}) {
      form_->DXImageList.Items.Add().SetName(name);
    }
    for (const char* name : {"menu_ok", "menu_pohyb", "menu_zpet", "mezihra", "vymena", "bum",
                             "uspech", "neuspech", "alert", "padatomu", "rekord"}) {
      form_->DXWaveList.Items.Add().SetName(name);
    }
    Game = TGameState{};
    Game.Queue[0].Y = 462;
    ScreenState = ssIntro;
    LatchUp = LatchDown = LatchLeft = LatchRight = LatchConfirm = LatchBack = 0;
    ShowMenu(StartLabels, 5, 1);
    Settings = {0, 1, 1, 1};
    InfoTopLine = 1;
    ResetIntro();
    TakeMediaEvents();
  }

  void TearDown() override { form_.reset(); }

  // One frame with exactly these keys down.
  void Frame(int32_t lag, std::initializer_list<int> keys = {}) {
    keyboard_.down = std::set<int32_t>(keys.begin(), keys.end());
    form_->DXTimerTimer(lag);
  }

  void GoToMainMenu() {
    ScreenState = ssMainMenu;
    ShowMenu(MainLabels, 5, 1);
  }

  FakeClock clock_;
  FakeDisplay display_;
  FakeKeyboard keyboard_;
  std::unique_ptr<TMainForm> form_;
};
