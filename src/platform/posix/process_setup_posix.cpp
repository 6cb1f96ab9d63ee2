// Programs on POSIX systems need no preparation: arguments are UTF-8 bytes already.
#include "platform/process_setup.h"

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

void UseBinaryStandardOutput() {}

void SetUpGameProcess() {}
