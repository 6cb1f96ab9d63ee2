// JPEG decompression through the JPEG library's memory source, with errors raised, never exit().
#include "media/jpeg_decode.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "media/dib.h"
#include "media/jpeg_error.h"
#include "platform/process_setup.h"

namespace {

// Real progressive files have about ten scans; thousands of tiny scans only burn time.
constexpr int kMaxScans = 256;

void Fail(j_common_ptr cinfo, const char* message) {
  auto* errors = reinterpret_cast<TJpegErrorManager*>(cinfo->err);
  std::strncpy(errors->Message, message, sizeof(errors->Message) - 1);
  std::longjmp(errors->Jump, 1);
}

void LimitScans(j_common_ptr cinfo) {
  if (cinfo->is_decompressor &&
      reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) {
    Fail(cinfo, "JPEG image has too many scans");
  }
}

// The library's SIMD float inverse DCT rounds a little differently from its portable C one, the
// only one the WebAssembly and Windows builds have: with the C one everywhere, every target draws
// the same pixels. The library reads this switch once, at its first use.
void UsePortableInverseDct() {
  [[maybe_unused]] static const bool set = (SetProcessEnvironment("JSIMD_FORCENONE", "1"), true);
}

// Only C objects and objects constructed by the caller live between setjmp and longjmp, so the
// jump skips no destructor; picture and the row buffers are merely resized here.
bool Decompress(std::span<const uint8_t> file, TPicture& picture, std::vector<uint8_t>& row,
                std::vector<uint32_t>& pixelRow, TJpegErrorManager& errors) {
  UsePortableInverseDct();
  jpeg_decompress_struct cinfo;
  jpeg_progress_mgr progress{};
  progress.progress_monitor = LimitScans;
  cinfo.err = InstallJpegErrorManager(errors);
  if (setjmp(errors.Jump)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  cinfo.progress = &progress;
  jpeg_mem_src(&cinfo, file.data(), static_cast<unsigned long>(file.size()));
  jpeg_read_header(&cinfo, TRUE);
  if (uint64_t{cinfo.image_width} * cinfo.image_height > kMaxPicturePixels) {
    Fail(reinterpret_cast<j_common_ptr>(&cinfo), "JPEG image is too large");
  }
  cinfo.scale_num = 1;
  cinfo.scale_denom = 1;
  cinfo.out_color_space = JCS_RGB;
  cinfo.dct_method = JDCT_FLOAT;
  cinfo.do_block_smoothing = TRUE;
  jpeg_start_decompress(&cinfo);

  picture.Width = static_cast<int32_t>(cinfo.output_width);
  picture.Height = static_cast<int32_t>(cinfo.output_height);
  // Rows are appended to reserved memory: clearing the whole picture first would touch every
  // fresh page twice, which costs more than the decoding.
  picture.Pixels.clear();
  picture.Pixels.reserve(static_cast<size_t>(cinfo.output_width) * cinfo.output_height);
  row.resize(static_cast<size_t>(cinfo.output_width) * cinfo.output_components);
  pixelRow.resize(cinfo.output_width);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_read_scanlines(&cinfo, rows, 1);
    for (JDIMENSION x = 0; x < cinfo.output_width; ++x) {
      pixelRow[x] = (uint32_t{row[3 * x]} << 16) | (uint32_t{row[3 * x + 1]} << 8) | row[3 * x + 2];
    }
    picture.Pixels.insert(picture.Pixels.end(), pixelRow.begin(), pixelRow.end());
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

TPicture DecodeJpeg(std::span<const uint8_t> file) {
  TPicture picture;
  std::vector<uint8_t> row;
  std::vector<uint32_t> pixelRow;
  TJpegErrorManager errors;
  if (!Decompress(file, picture, row, pixelRow, errors)) throw EJPEG(errors.Message);
  return picture;
}
