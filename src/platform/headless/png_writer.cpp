// Surface to PNG through libpng; $00RRGGBB pixels become RGB triples.
#include "platform/headless/png_writer.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "media/surface.h"
#include "platform/file_system.h"

namespace {
struct TFileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};

// libpng reports errors by longjmp; this keeps that jump inside one frame with no C++ objects
// that need destroying.
bool WriteRows(FILE* file, int32_t width, int32_t height, png_bytepp rows, std::string& error) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) {
    error = "out of memory";
    return false;
  }
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    error = "libpng failed";
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}
}  // namespace

bool WriteSurfacePng(const TDirectDrawSurface& surface, const std::string& path,
                     std::string& error) {
  // A display that was never set up still gives a picture of the right size: black.
  const int32_t width = surface.Width() > 0 ? surface.Width() : 640;
  const int32_t height = surface.Height() > 0 ? surface.Height() : 480;
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3, 0);
  if (surface.Width() > 0 && surface.Height() > 0) {
    const uint32_t* pixels = surface.Pixels();
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
      rgb[i * 3] = static_cast<uint8_t>(pixels[i] >> 16);
      rgb[i * 3 + 1] = static_cast<uint8_t>(pixels[i] >> 8);
      rgb[i * 3 + 2] = static_cast<uint8_t>(pixels[i]);
    }
  }
  std::vector<png_bytep> rows(static_cast<size_t>(height));
  for (int32_t y = 0; y < height; ++y) rows[y] = rgb.data() + static_cast<size_t>(y) * width * 3;

  std::unique_ptr<FILE, TFileCloser> file(OpenFileUtf8(path, "wb"));
  if (!file) {
    error = "cannot open for writing";
    return false;
  }
  if (!WriteRows(file.get(), width, height, rows.data(), error)) return false;
  if (std::fflush(file.get()) != 0) {
    error = "write failed";
    return false;
  }
  return true;
}
