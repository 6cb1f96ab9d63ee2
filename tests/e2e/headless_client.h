// Running brunival-headless as a user would: a script in a fresh empty directory, its output,
// exit status and screenshots read back.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

struct THeadlessRun {
  int Status = -1;
  std::string Out;
  std::string Err;
  std::vector<nlohmann::json> States;  // one per "state" line
};

struct TScreenshot {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint8_t> Rgb;
  uint32_t Pixel(int32_t x, int32_t y) const;  // $00RRGGBB
  // Non-black pixels in rows [top, top + 13) and columns [left, right).
  int LitPixels(int32_t top, int32_t left = 6, int32_t right = 634) const;
};

class THeadlessClient {
 public:
  // A fresh empty working directory, removed again by the destructor.
  THeadlessClient();
  ~THeadlessClient();
  const std::filesystem::path& Directory() const { return directory_; }

  // Runs the script (from a file, or through standard input) with the given options.
  THeadlessRun Run(const std::string& script, const std::string& options = "",
                   bool throughStdin = false) const;
  // Reads a screenshot the script wrote into the working directory; fails the test if unreadable.
  TScreenshot Screenshot(const std::string& name) const;

 private:
  std::filesystem::path directory_;
};
