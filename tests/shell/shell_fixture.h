// A main window over fake back ends, started in an empty working directory of its own.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "fake_platform.h"
#include "shell/main_form.h"

class ShellFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    directory_ = std::filesystem::temp_directory_path() /
                 ("brunival-shell-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(directory_);
    std::filesystem::create_directories(directory_);
    std::filesystem::current_path(directory_);
    NewForm();
  }
  // Replaces the window by a fresh one over fresh counters (not yet created).
  void NewForm() {
    form.reset();
    display = FakeDisplay{};
    form = std::make_unique<TMainForm>(TPlatform{clock, display, keyboard, nullptr});
  }
  void TearDown() override {
    form.reset();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(directory_);
  }

  FakeClock clock;
  FakeDisplay display;
  FakeKeyboard keyboard;
  std::unique_ptr<TMainForm> form;

 private:
  std::filesystem::path previous_;
  std::filesystem::path directory_;
};
