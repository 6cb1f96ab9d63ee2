// Starting the runner through the shell and reading what it left behind.
#include "headless_client.h"

#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {
std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}
}  // namespace

uint32_t TScreenshot::Pixel(int32_t x, int32_t y) const {
  const size_t at = (static_cast<size_t>(y) * Width + x) * 3;
  return (uint32_t{Rgb[at]} << 16) | (uint32_t{Rgb[at + 1]} << 8) | Rgb[at + 2];
}

int TScreenshot::LitPixels(int32_t top, int32_t left, int32_t right) const {
  int lit = 0;
  for (int32_t y = top; y < top + 13; ++y) {
    for (int32_t x = left; x < right; ++x) lit += Pixel(x, y) != 0 ? 1 : 0;
  }
  return lit;
}

THeadlessClient::THeadlessClient() {
  static std::atomic<int> serial{0};
  directory_ = std::filesystem::temp_directory_path() /
               ("brunival-e2e-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
  std::filesystem::remove_all(directory_);
  std::filesystem::create_directories(directory_);
}

THeadlessClient::~THeadlessClient() {
  std::error_code ignored;
  std::filesystem::remove_all(directory_, ignored);
}

THeadlessRun THeadlessClient::Run(const std::string& script, const std::string& options,
                                  bool throughStdin) const {
  // The script lives outside the working directory, so the game sees an empty one.
  const std::filesystem::path scriptFile = directory_.string() + ".script";
  std::ofstream(scriptFile) << script;
  const std::filesystem::path out = directory_.string() + ".out";
  const std::filesystem::path err = directory_.string() + ".err";
  // A checker such as valgrind may run the game: "BRUNIVAL_HEADLESS_WRAPPER=valgrind -q".
  const char* wrapper = std::getenv("BRUNIVAL_HEADLESS_WRAPPER");
  const std::string command = "cd " + Quoted(directory_.string()) + " && " +
                              (wrapper != nullptr ? std::string(wrapper) + " " : "") +
                              Quoted(BRUNIVAL_HEADLESS) + " " + options +
                              (throughStdin ? " < " : " ") + Quoted(scriptFile.string()) + " > " +
                              Quoted(out.string()) + " 2> " + Quoted(err.string());
  const int wait = std::system(command.c_str());

  THeadlessRun run;
  run.Status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
  run.Out = ReadFile(out);
  run.Err = ReadFile(err);
  std::istringstream lines(run.Out);
  std::string line;
  while (std::getline(lines, line)) run.States.push_back(nlohmann::json::parse(line));
  for (const auto& file : {scriptFile, out, err}) std::filesystem::remove(file);
  return run;
}

TScreenshot THeadlessClient::Screenshot(const std::string& name) const {
  TScreenshot shot;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  const std::string path = (directory_ / name).string();
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    ADD_FAILURE() << "cannot read screenshot " << path << ": " << image.message;
    return shot;
  }
  image.format = PNG_FORMAT_RGB;
  shot.Width = static_cast<int32_t>(image.width);
  shot.Height = static_cast<int32_t>(image.height);
  shot.Rgb.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, shot.Rgb.data(), 0, nullptr)) {
    ADD_FAILURE() << "cannot decode screenshot " << path << ": " << image.message;
    shot = TScreenshot{};
  }
  return shot;
}
