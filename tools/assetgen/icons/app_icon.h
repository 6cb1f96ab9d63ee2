// The application icon: a glowing atom painted at each size a desktop asks for.
#pragma once
#include <string>
#include <vector>

#include "paint/layer.h"

// The square sizes desktops look for in the hicolor theme.
inline constexpr int kAppIconSizes[] = {16, 32, 48, 64, 128, 256};
// The sizes a web app's manifest offers for a home screen and a splash screen.
inline constexpr int kWebAppIconSizes[] = {192, 512};

// The icon painted at `size` x `size` pixels on a transparent background.
TLayer MakeAppIcon(int size);

// Writes DIR/NxN.png for every size in kAppIconSizes and kWebAppIconSizes; returns the files
// written.
std::vector<std::string> WriteAppIcons(const std::string& dir);

// Writes a layer as an 8-bit RGBA PNG with straight alpha. Throws std::runtime_error naming the
// file when it cannot be written.
void WriteRgbaPng(const std::string& path, const TLayer& layer);
