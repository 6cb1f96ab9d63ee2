// Writing a painting layer with its transparency as an RGBA PNG file.
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "icons/app_icon.h"

namespace {

uint8_t ToByte(float value) {
  return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255));
}

}  // namespace

void WriteRgbaPng(const std::string& path, const TLayer& layer) {
  std::vector<uint8_t> rgba;
  rgba.reserve(static_cast<size_t>(layer.Width()) * layer.Height() * 4);
  for (int y = 0; y < layer.Height(); ++y) {
    for (int x = 0; x < layer.Width(); ++x) {
      const TPremul& p = layer.At(x, y);
      // Layers are premultiplied; PNG wants straight colour. Added light can push a channel
      // past its alpha, which clamps to full brightness.
      const float a = std::clamp(p.A, 0.0f, 1.0f);
      const float k = a > 0 ? 1 / a : 0;
      rgba.insert(rgba.end(), {ToByte(p.R * k), ToByte(p.G * k), ToByte(p.B * k), ToByte(a)});
    }
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = layer.Width();
  image.height = layer.Height();
  image.format = PNG_FORMAT_RGBA;
  if (!png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr)) {
    const std::string reason = image.message;
    png_image_free(&image);
    throw std::runtime_error("cannot write " + path + ": " + reason);
  }
}
