// A main window over in-memory back ends with empty stand-in pictures and sounds, for screen tests.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "media/media_events.h"
#include "play/game_state.h"
#include "platform/backend.h"
#include "screens/intro.h"
#include "shell/main_form.h"
#include "shell/screen_state.h"

class ScreenFixture : public ::testing::Test {
 protected:
  struct Clock : IClock {
    uint32_t Milliseconds() override { return 0; }
  };
  struct Display : IDisplayBackend {
    bool Open(int32_t, int32_t, bool) override { return true; }
    void Close() override {}
    bool CanPresent() override { return true; }
    void Present(const TDirectDrawSurface&) override {}
  };
  struct Keyboard : IKeyboardBackend {
    std::vector<int> down;
    bool IsForeground() override { return true; }
    void ReadKeys(std::array<uint8_t, 256>& states) override {
      for (int code : down) states[static_cast<size_t>(code)] = 0x80;
    }
  };

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
    keyboard_.down.assign(keys.begin(), keys.end());
    form_->DXTimerTimer(lag);
  }

  void GoToMainMenu() {
    ScreenState = ssMainMenu;
    ShowMenu(MainLabels, 5, 1);
  }

  Clock clock_;
  Display display_;
  Keyboard keyboard_;
  std::unique_ptr<TMainForm> form_;
};
