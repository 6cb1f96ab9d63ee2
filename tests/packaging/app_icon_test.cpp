// Tests of the application icon: its sizes, its transparency and the PNG files written for it.
#include "icons/app_icon.h"

#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

struct TRgbaImage {
  int Width = 0, Height = 0;
  std::vector<uint8_t> Pixels;  // RGBA, straight alpha
  const uint8_t* At(int x, int y) const { return &Pixels[(y * Width + x) * 4]; }
};

TRgbaImage ReadRgbaPng(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  TRgbaImage result;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    ADD_FAILURE() << "cannot read " << path << ": " << image.message;
    return result;
  }
  EXPECT_TRUE(image.format & PNG_FORMAT_FLAG_ALPHA) << path << " has no alpha channel";
  image.format = PNG_FORMAT_RGBA;
  result.Width = image.width;
  result.Height = image.height;
  result.Pixels.resize(PNG_IMAGE_SIZE(image));
  EXPECT_TRUE(png_image_finish_read(&image, nullptr, result.Pixels.data(), 0, nullptr))
      << "cannot decode " << path << ": " << image.message;
  return result;
}

// A folder of this process's own, so parallel test processes do not meet.
std::filesystem::path ScratchDir(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("brunival-icons-" + std::to_string(::getpid()) + "-" + name);
  std::filesystem::remove_all(dir);
  return dir;
}

}  // namespace

TEST(AppIcon, EverySizeIsAnOpaqueAtomOnATransparentSquare) {
  for (int size : kAppIconSizes) {
    const TLayer icon = MakeAppIcon(size);
    ASSERT_EQ(icon.Width(), size);
    ASSERT_EQ(icon.Height(), size);
    for (auto [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}})
      EXPECT_LT(icon.At(x, y).A, 0.02f)
          << size << "px corner (" << x << "," << y << ") should be clear";
    const TPremul& centre = icon.At(size / 2, size / 2);
    EXPECT_GT(centre.A, 0.99f) << size << "px centre should be solid";
    // The atom is the blue four-electron kind: blue outweighs red in its body.
    const TPremul& body = icon.At(size * 5 / 8, size * 5 / 8);
    EXPECT_GT(body.B, body.R) << size << "px body should be blue, got R " << body.R << " B "
                              << body.B;
  }
}

TEST(AppIcon, WritesOneRgbaPngPerSize) {
  const auto dir = ScratchDir("sizes");
  const std::vector<std::string> files = WriteAppIcons(dir.string());
  std::vector<int> sizes(std::begin(kAppIconSizes), std::end(kAppIconSizes));
  sizes.insert(sizes.end(), std::begin(kWebAppIconSizes), std::end(kWebAppIconSizes));
  ASSERT_EQ(files.size(), sizes.size());
  for (size_t i = 0; i < files.size(); ++i) {
    const int size = sizes[i];
    const std::string expectedName = std::to_string(size) + "x" + std::to_string(size) + ".png";
    EXPECT_EQ(std::filesystem::path(files[i]).filename().string(), expectedName);
    const TRgbaImage image = ReadRgbaPng(files[i]);
    EXPECT_EQ(image.Width, size) << files[i];
    EXPECT_EQ(image.Height, size) << files[i];
    if (image.Pixels.empty()) continue;
    EXPECT_EQ(image.At(0, 0)[3], 0) << files[i] << " corner should be transparent";
    EXPECT_EQ(image.At(size / 2, size / 2)[3], 255) << files[i] << " centre should be opaque";
  }
  std::filesystem::remove_all(dir);
}

TEST(AppIcon, PngKeepsStraightColourUnderPartialAlpha) {
  const auto dir = ScratchDir("alpha");
  std::filesystem::create_directories(dir);
  TLayer layer(2, 1);
  layer.At(0, 0) = {0.25f, 0.0f, 0.5f, 0.5f};  // half-covered: straight colour 0.5, 0, 1
  layer.At(1, 0) = {1.5f, 0.2f, 0.2f, 1.0f};   // added light past full brightness
  const std::string path = (dir / "alpha.png").string();
  WriteRgbaPng(path, layer);
  const TRgbaImage image = ReadRgbaPng(path);
  ASSERT_EQ(image.Pixels.size(), 8u);
  EXPECT_EQ(std::vector<int>(image.Pixels.begin(), image.Pixels.begin() + 4),
            (std::vector<int>{128, 0, 255, 128}));
  EXPECT_EQ(image.At(1, 0)[0], 255) << "light past 1.0 should clamp, not wrap";
  std::filesystem::remove_all(dir);
}

TEST(AppIcon, UnwritableFileIsReportedByName) {
  const std::string path = "/nonexistent-folder/icon.png";
  try {
    WriteRgbaPng(path, MakeAppIcon(16));
    FAIL() << "writing to " << path << " should throw";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find(path), std::string::npos)
        << "message should name the file, got: " << error.what();
  }
}
