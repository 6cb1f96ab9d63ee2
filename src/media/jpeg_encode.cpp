// JPEG compression through the JPEG library's memory destination.
#include "media/jpeg_encode.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "media/jpeg_error.h"

namespace {

// Runs the compressor; returns false with the library's message in errors.Message on failure.
// Only C objects live between setjmp and longjmp, so no destructor is skipped.
bool Compress(const TPicture& picture, int quality, std::vector<uint8_t>& row,
              unsigned char** output, unsigned long* outputSize, TJpegErrorManager& errors) {
  jpeg_compress_struct cinfo;
  cinfo.err = InstallJpegErrorManager(errors);
  if (setjmp(errors.Jump)) {
    jpeg_destroy_compress(&cinfo);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, output, outputSize);
  cinfo.image_width = static_cast<JDIMENSION>(picture.Width);
  cinfo.image_height = static_cast<JDIMENSION>(picture.Height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, std::clamp(quality, 1, 100), TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    const uint32_t* source =
        picture.Pixels.data() + static_cast<size_t>(cinfo.next_scanline) * picture.Width;
    for (int32_t x = 0; x < picture.Width; ++x) {
      row[3 * x] = static_cast<uint8_t>(source[x] >> 16);
      row[3 * x + 1] = static_cast<uint8_t>(source[x] >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(source[x]);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

}  // namespace

std::vector<uint8_t> EncodeJpeg(const TPicture& picture, int quality) {
  if (picture.Empty() ||
      picture.Pixels.size() != static_cast<size_t>(picture.Width) * picture.Height) {
    throw EJPEG("Cannot encode an empty or malformed picture as JPEG");
  }
  std::vector<uint8_t> row(static_cast<size_t>(picture.Width) * 3);
  unsigned char* output = nullptr;
  unsigned long outputSize = 0;
  TJpegErrorManager errors;
  const bool ok = Compress(picture, quality, row, &output, &outputSize, errors);
  std::vector<uint8_t> file;
  if (ok) file.assign(output, output + outputSize);
  std::free(output);
  if (!ok) throw EJPEG(errors.Message);
  return file;
}
