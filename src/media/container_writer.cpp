// Authoring side of the asset containers: pictures as DIB or JPEG, sounds as RIFF PCM.
#include "media/container_writer.h"

#include <fstream>
#include <stdexcept>

#include "media/container_colors.h"
#include "media/container_stream.h"
#include "media/dib_encode.h"
#include "media/jpeg_encode.h"
#include "media/riff.h"

namespace {

constexpr std::string_view kPictureResourceName = "GRAFIKA";
constexpr std::string_view kSoundResourceName = "ZVUKY";

std::vector<uint8_t> PicturePayload(const TPictureEntry& entry) {
  TContainerStreamWriter payload;
  switch (entry.Encoding) {
    case TPictureEncoding::Dib32:
      payload.ShortString("TDIB");
      payload.Raw(EncodeDibTrueColor(entry.Picture, 32));
      break;
    case TPictureEncoding::Dib24:
      payload.ShortString("TDIB");
      payload.Raw(EncodeDibTrueColor(entry.Picture, 24));
      break;
    case TPictureEncoding::Dib8:
      payload.ShortString("TDIB");
      payload.Raw(EncodeDibPalette8(entry.Picture));
      break;
    case TPictureEncoding::Jpeg: {
      const std::vector<uint8_t> jpeg = EncodeJpeg(entry.Picture, entry.JpegQuality);
      payload.ShortString("TJPEGImage");
      payload.U32(static_cast<uint32_t>(jpeg.size()));
      payload.Raw(jpeg);
      break;
    }
  }
  return payload.Take();
}

// Only values that differ from an item's defaults are stored, as the reader fills in the rest.
void WriteIntegerUnlessZero(TContainerStreamWriter& out, std::string_view name, int32_t value) {
  if (value == 0) return;
  out.PropertyName(name);
  out.Integer(value);
}

void WritePictureItem(TContainerStreamWriter& out, const TPictureEntry& entry) {
  out.Tag(vaList);
  out.PropertyName("Name");
  out.String(entry.Name);
  WriteIntegerUnlessZero(out, "PatternHeight", entry.PatternHeight);
  WriteIntegerUnlessZero(out, "PatternWidth", entry.PatternWidth);
  if (!entry.Picture.Empty()) {
    out.PropertyName("Picture.Data");
    out.Binary(PicturePayload(entry));
  }
  WriteIntegerUnlessZero(out, "SkipHeight", entry.SkipHeight);
  WriteIntegerUnlessZero(out, "SkipWidth", entry.SkipWidth);
  if (!entry.Transparent) {
    out.PropertyName("Transparent");
    out.Boolean(false);
  }
  if (entry.TransparentColor != clBlack) {
    out.PropertyName("TransparentColor");
    if (auto identifier = IdentifierFromColor(entry.TransparentColor)) {
      out.Identifier(*identifier);
    } else {
      out.Integer(entry.TransparentColor);
    }
  }
  out.EndOfList();
}

void CheckSound(const TSoundEntry& entry) {
  if (entry.BitsPerSample != 8 && entry.BitsPerSample != 16) {
    throw std::runtime_error("Sound '" + entry.Name + "': " + std::to_string(entry.BitsPerSample) +
                             " bits per sample, expected 8 or 16");
  }
  if (entry.Channels != 1 && entry.Channels != 2) {
    throw std::runtime_error("Sound '" + entry.Name + "': " + std::to_string(entry.Channels) +
                             " channels, expected 1 or 2");
  }
  if (entry.SampleRate <= 0) {
    throw std::runtime_error("Sound '" + entry.Name + "': sample rate must be positive");
  }
  const size_t frameSize = static_cast<size_t>(entry.Channels) * (entry.BitsPerSample / 8);
  if (entry.Data.size() % frameSize != 0) {
    throw std::runtime_error("Sound '" + entry.Name + "': " + std::to_string(entry.Data.size()) +
                             " data bytes are not whole frames of " + std::to_string(frameSize));
  }
}

void WriteSoundItem(TContainerStreamWriter& out, const TSoundEntry& entry) {
  CheckSound(entry);
  out.Tag(vaList);
  out.PropertyName("Name");
  out.String(entry.Name);
  if (entry.Looped) {
    out.PropertyName("Looped");
    out.Boolean(true);
  }
  WriteIntegerUnlessZero(out, "MaxPlayingCount", entry.MaxPlayingCount);
  out.PropertyName("Wave.WAVE");
  out.Binary(BuildRiffWave(PcmWaveFormat(entry.SampleRate, entry.Channels, entry.BitsPerSample),
                           entry.Data));
  out.EndOfList();
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) throw std::runtime_error("Cannot create file \"" + path + "\"");
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) throw std::runtime_error("Cannot write file \"" + path + "\"");
}

}  // namespace

std::vector<uint8_t> EncodePictureContainer(const std::vector<TPictureEntry>& entries) {
  TContainerStreamWriter out;
  out.RootHeader(kPictureRootClass, "");
  out.PropertyName("List.ColorTable");
  out.Binary(std::vector<uint8_t>(1024, 0));  // unused at 32 bits per pixel, but expected there
  out.PropertyName("List");
  out.Tag(vaCollection);
  for (const auto& entry : entries) WritePictureItem(out, entry);
  out.EndOfList();  // collection
  out.EndOfList();  // root properties
  out.EndOfList();  // root children
  return WrapInResource(kPictureResourceName, out.Bytes());
}

std::vector<uint8_t> EncodeSoundContainer(const std::vector<TSoundEntry>& entries) {
  TContainerStreamWriter out;
  out.RootHeader(kWaveRootClass, "");
  out.PropertyName("List");
  out.Tag(vaCollection);
  for (const auto& entry : entries) WriteSoundItem(out, entry);
  out.EndOfList();  // collection
  out.EndOfList();  // root properties
  out.EndOfList();  // root children
  return WrapInResource(kSoundResourceName, out.Bytes());
}

void WritePictureContainer(const std::string& path, const std::vector<TPictureEntry>& entries) {
  WriteFile(path, EncodePictureContainer(entries));
}

void WriteSoundContainer(const std::string& path, const std::vector<TSoundEntry>& entries) {
  WriteFile(path, EncodeSoundContainer(entries));
}
