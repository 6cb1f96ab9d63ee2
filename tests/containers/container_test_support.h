// Helpers for the container tests: crafting containers, loading them, comparing pictures.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "media/container_errors.h"
#include "media/container_pictures.h"
#include "media/container_sounds.h"
#include "media/container_stream.h"

using TWriteBody = std::function<void(TContainerStreamWriter&)>;

// A whole file: resource header, root header, the root properties written by body, list ends.
inline std::vector<uint8_t> MakeContainer(std::string_view rootClass, const TWriteBody& body,
                                          std::string_view resourceName = "TEST") {
  TContainerStreamWriter out;
  out.RootHeader(rootClass, "");
  body(out);
  out.EndOfList();
  out.EndOfList();
  return WrapInResource(resourceName, out.Bytes());
}

// Root property "List" holding the items written by items.
inline std::vector<uint8_t> MakeListContainer(std::string_view rootClass, const TWriteBody& items,
                                              std::string_view resourceName = "TEST") {
  return MakeContainer(
      rootClass,
      [&](TContainerStreamWriter& out) {
        out.PropertyName("List");
        out.Tag(vaCollection);
        items(out);
        out.EndOfList();
      },
      resourceName);
}

// One picture item whose properties are written by properties.
inline std::vector<uint8_t> MakePictureItemContainer(const TWriteBody& properties) {
  return MakeListContainer(kPictureRootClass, [&](TContainerStreamWriter& out) {
    out.Tag(vaList);
    properties(out);
    out.EndOfList();
  });
}

inline std::vector<uint8_t> MakeSoundItemContainer(const TWriteBody& properties) {
  return MakeListContainer(kWaveRootClass, [&](TContainerStreamWriter& out) {
    out.Tag(vaList);
    properties(out);
    out.EndOfList();
  });
}

// A picture payload: class name, then the class's data as given.
inline std::vector<uint8_t> MakePayload(std::string_view className,
                                        const std::vector<uint8_t>& data) {
  TContainerStreamWriter out;
  out.ShortString(className);
  out.Raw(data);
  return out.Take();
}

inline std::vector<uint8_t> MakePayloadContainer(const std::vector<uint8_t>& payload) {
  return MakePictureItemContainer([&](TContainerStreamWriter& out) {
    out.PropertyName("Name");
    out.String("p");
    out.PropertyName("Picture.Data");
    out.Binary(payload);
  });
}

inline std::vector<uint8_t> MakeWaveContainer(const std::vector<uint8_t>& riff) {
  return MakeSoundItemContainer([&](TContainerStreamWriter& out) {
    out.PropertyName("Name");
    out.String("s");
    out.PropertyName("Wave.WAVE");
    out.Binary(riff);
  });
}

// The message a load fails with, or "" when it succeeds.
inline std::string PictureLoadError(const std::vector<uint8_t>& file) {
  TPictureCollection list;
  try {
    LoadPictureContainer(list, file);
  } catch (const std::exception& error) {
    return error.what();
  }
  return "";
}

inline std::string SoundLoadError(const std::vector<uint8_t>& file) {
  TWaveCollection list;
  try {
    LoadSoundContainer(list, file);
  } catch (const std::exception& error) {
    return error.what();
  }
  return "";
}

inline TPicture LoadOnlyPicture(const std::vector<uint8_t>& file) {
  TPictureCollection list;
  LoadPictureContainer(list, file);
  EXPECT_EQ(list.Count(), 1) << "expected one picture item";
  return list.Count() > 0 ? list.Items(0).Picture : TPicture{};
}

// A picture whose every pixel differs from its neighbours, so misplaced rows or columns show.
inline TPicture MakeTestPicture(int32_t width, int32_t height) {
  TPicture picture;
  picture.Width = width;
  picture.Height = height;
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      picture.Pixels.push_back(static_cast<uint32_t>(((x * 37 + y * 11) & 0xFF) << 16 |
                                                     ((x * 5 + y * 71) & 0xFF) << 8 |
                                                     ((x * 13 ^ y * 29) & 0xFF)));
    }
  }
  return picture;
}

// Same size and every channel within tolerance; the message names the first pixel that differs.
inline testing::AssertionResult SamePicture(const TPicture& expected, const TPicture& actual,
                                            int tolerance = 0) {
  if (expected.Width != actual.Width || expected.Height != actual.Height) {
    return testing::AssertionFailure() << "expected " << expected.Width << "x" << expected.Height
                                       << ", got " << actual.Width << "x" << actual.Height;
  }
  if (actual.Pixels.size() != expected.Pixels.size()) {
    return testing::AssertionFailure()
           << "expected " << expected.Pixels.size() << " pixels, got " << actual.Pixels.size();
  }
  for (size_t i = 0; i < expected.Pixels.size(); ++i) {
    for (int shift = 0; shift < 24; shift += 8) {
      const int e = (expected.Pixels[i] >> shift) & 0xFF;
      const int a = (actual.Pixels[i] >> shift) & 0xFF;
      if (std::abs(e - a) > tolerance) {
        char text[96];
        std::snprintf(text, sizeof text, "pixel (%zu,%zu): expected %06X, got %06X",
                      i % expected.Width, i / expected.Width, expected.Pixels[i], actual.Pixels[i]);
        return testing::AssertionFailure() << text;
      }
    }
  }
  return testing::AssertionSuccess();
}
