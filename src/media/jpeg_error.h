// Turns the JPEG library's fatal errors into a jump back to the caller instead of process exit.
#pragma once
#include <csetjmp>
#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>

class EJPEG : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The library calls error_exit on any fatal error; ours records the text and longjmps to Jump,
// which the caller set with setjmp. Warnings are kept quiet: the library recovers from them.
struct TJpegErrorManager {
  jpeg_error_mgr Base;
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX] = {};
};

jpeg_error_mgr* InstallJpegErrorManager(TJpegErrorManager& manager);
