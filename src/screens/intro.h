// The intro: three pictures fading in before the main menu.
#pragma once
#include <array>
#include <cstdint>
#include <string>

struct TIntroObjekt {
  double Alpha = 0.0;
  int32_t StartTime = 0;
  int32_t EndTime = 0;
  double X = 0.0;
  double Y = 0.0;
  double Width = 0.0;
  double Height = 0.0;
  std::string Name;
};

struct TIntro {
  std::array<TIntroObjekt, 4> Objects;  // [1..3]
};

extern TIntro Intro;

// Gives Intro its first values.
void ResetIntro();
