// Error manager for the JPEG library that reports through longjmp rather than exit().
#include "media/jpeg_error.h"

namespace {

void JumpOnError(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<TJpegErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, manager->Message);
  std::longjmp(manager->Jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* InstallJpegErrorManager(TJpegErrorManager& manager) {
  jpeg_std_error(&manager.Base);
  manager.Base.error_exit = JumpOnError;
  manager.Base.output_message = IgnoreMessage;
  return &manager.Base;
}
