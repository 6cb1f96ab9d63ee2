#include "platform/version_option.h"

#include <algorithm>
#include <cstdio>

#include "platform/process_setup.h"
#include "platform/program_version.h"

std::optional<int> AnswerVersionOption(const std::vector<std::string>& args,
                                       std::string_view program) {
  if (std::find(args.begin() + std::min<size_t>(1, args.size()), args.end(), "--version") ==
      args.end()) {
    return std::nullopt;
  }
  UseParentConsole();
  const std::string line = std::string(program) + " " + kProgramVersion + "\n";
  std::fputs(line.c_str(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
