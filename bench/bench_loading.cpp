// Start-up loading of picture and sound containers of the game's real size, made by the writer.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "media/container_pictures.h"
#include "media/container_sounds.h"
#include "media/container_writer.h"

namespace {

// Smooth shading with some edges, so JPEG sizes resemble drawn artwork rather than noise.
TPicture Artwork(int32_t width, int32_t height) {
  TPicture picture;
  picture.Width = width;
  picture.Height = height;
  picture.Pixels.reserve(static_cast<size_t>(width) * height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t r = static_cast<uint32_t>(x * 255 / width);
      const uint32_t g = static_cast<uint32_t>(y * 255 / height);
      const uint32_t b = ((x / 16 + y / 16) % 2) ? 0xC0 : 0x30;
      picture.Pixels.push_back(r << 16 | g << 8 | b);
    }
  }
  return picture;
}

// The game's set: a 640x480 JPEG backdrop, board and panel pieces, atom and bond sprite sheets,
// two fonts and the intro logos; 25 pictures in all.
std::vector<TPictureEntry> GamePictures() {
  struct TSpec {
    const char* Name;
    int32_t Width, Height;
    TPictureEncoding Encoding;
  };
  const TSpec specs[] = {
      {"menu", 640, 480, TPictureEncoding::Jpeg},
      {"DK-napis", 400, 120, TPictureEncoding::Jpeg},
      {"DK-logo", 256, 256, TPictureEncoding::Jpeg},
      {"DK-uvadi", 300, 60, TPictureEncoding::Dib24},
      {"font1", 960, 16, TPictureEncoding::Dib24},
      {"font2", 1920, 32, TPictureEncoding::Dib24},
      {"atom1", 320, 40, TPictureEncoding::Dib32},
      {"atom2", 320, 40, TPictureEncoding::Dib32},
      {"atom3", 320, 40, TPictureEncoding::Dib32},
      {"atom4", 320, 40, TPictureEncoding::Dib32},
      {"atom5", 320, 40, TPictureEncoding::Dib32},
      {"vazbaH", 80, 10, TPictureEncoding::Dib24},
      {"vazbaV", 10, 80, TPictureEncoding::Dib24},
      {"elektron", 48, 8, TPictureEncoding::Dib24},
      {"plochaL", 20, 400, TPictureEncoding::Dib24},
      {"plochaH", 480, 20, TPictureEncoding::Dib24},
      {"plochaD", 480, 20, TPictureEncoding::Dib24},
      {"plochaS", 40, 40, TPictureEncoding::Dib24},
      {"plochaP", 20, 400, TPictureEncoding::Dib24},
      {"panel", 160, 480, TPictureEncoding::Jpeg},
      {"kurzor", 160, 40, TPictureEncoding::Dib32},
      {"vybuch", 400, 40, TPictureEncoding::Dib32},
      {"opona", 320, 480, TPictureEncoding::Dib24},
      {"sipka", 16, 16, TPictureEncoding::Dib24},
      {"ramecek", 300, 200, TPictureEncoding::Dib24},
  };
  std::vector<TPictureEntry> entries;
  for (const auto& spec : specs) {
    TPictureEntry entry;
    entry.Name = spec.Name;
    entry.Picture = Artwork(spec.Width, spec.Height);
    entry.Encoding = spec.Encoding;
    entry.PatternWidth = spec.Width > 4 * spec.Height ? spec.Height : 0;
    entry.TransparentColor = clFuchsia;
    entries.push_back(std::move(entry));
  }
  return entries;
}

// Eleven effects of 0.2 to 1.2 s, 22050 Hz, 16-bit mono.
std::vector<TSoundEntry> GameSounds() {
  const char* names[] = {"menu_ok", "menu_pohyb", "menu_zpet", "mezihra",  "vymena", "bum",
                         "uspech",  "neuspech",   "alert",     "padatomu", "rekord"};
  std::vector<TSoundEntry> entries;
  for (int i = 0; i < 11; ++i) {
    TSoundEntry entry;
    entry.Name = names[i];
    const int frames = 22050 * (2 + i) / 10;
    for (int f = 0; f < frames; ++f) {
      const auto sample = static_cast<int16_t>(8000 * std::sin(f * 0.05 * (i + 1)));
      entry.Data.push_back(static_cast<uint8_t>(sample));
      entry.Data.push_back(static_cast<uint8_t>(static_cast<uint16_t>(sample) >> 8));
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

// What start-up pays for pictures: decoding plus making every drawable surface, in memory the
// process has not touched yet (freed memory goes back to the system before each round, as a
// fresh process has none to reuse).
void BM_LoadPictureFile(benchmark::State& state) {
  const std::string path = TempPath("bench_grafika.dat");
  WritePictureContainer(path, GamePictures());
  for (auto _ : state) {
    state.PauseTiming();
    malloc_trim(0);
    state.ResumeTiming();
    TPictureCollection list;
    list.LoadFromFile(path);
    list.Restore();
    benchmark::DoNotOptimize(list.Count());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadPictureFile)->Unit(benchmark::kMillisecond);

// The same into memory already in use: the decoding work alone. The allocator is told to keep
// freed memory, or whether it does would hang on what earlier benchmarks allocated.
void BM_ReloadPictureFile(benchmark::State& state) {
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  const std::string path = TempPath("bench_grafika_again.dat");
  WritePictureContainer(path, GamePictures());
  TPictureCollection list;
  list.LoadFromFile(path);
  list.Restore();
  for (auto _ : state) {
    list.LoadFromFile(path);
    list.Restore();
    benchmark::DoNotOptimize(list.Count());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReloadPictureFile)->Unit(benchmark::kMillisecond);

void BM_LoadSoundFile(benchmark::State& state) {
  const std::string path = TempPath("bench_zvuky.dat");
  WriteSoundContainer(path, GameSounds());
  TWaveCollection list;
  for (auto _ : state) {
    list.LoadFromFile(path);
    benchmark::DoNotOptimize(list.Count());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadSoundFile)->Unit(benchmark::kMillisecond);

// The backdrop alone: the single largest decoding cost at start-up.
void BM_DecodeBackdropJpeg(benchmark::State& state) {
  std::vector<TPictureEntry> entries = GamePictures();
  entries.resize(1);
  const std::vector<uint8_t> file = EncodePictureContainer(entries);
  for (auto _ : state) {
    TPictureCollection list;
    LoadPictureContainer(list, file);
    benchmark::DoNotOptimize(list.Items(0).Picture.Pixels.data());
  }
}
BENCHMARK(BM_DecodeBackdropJpeg)->Unit(benchmark::kMillisecond);

}  // namespace
