// The value tags of the component stream and a writer for its primitives, shared by both
// containers.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// One-byte type tag that starts every value of the component stream.
enum TValueTag : uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,
  vaNil = 13,
  vaCollection = 14,
  vaSingle = 15,
  vaCurrency = 16,
  vaDate = 17,
  vaWString = 18,
  vaInt64 = 19,
  vaUTF8String = 20,
};

inline constexpr std::string_view kStreamSignature = "TPF0";
inline constexpr uint16_t kResourceTypeRawData = 10;
inline constexpr uint16_t kResourceMemoryFlags = 0x1030;
inline constexpr std::string_view kPictureRootClass = "TPictureCollectionComponent";
inline constexpr std::string_view kWaveRootClass = "TWaveCollectionComponent";

// Appends little-endian primitives and tagged values to a growing byte buffer.
class TContainerStreamWriter {
 public:
  void Byte(uint8_t value) { bytes_.push_back(value); }
  void U16(uint16_t value);
  void U32(uint32_t value);
  void Raw(std::span<const uint8_t> data);
  void Raw(std::string_view text);
  // One length byte, then the bytes; longer texts are refused.
  void ShortString(std::string_view text);

  void Tag(TValueTag tag) { Byte(tag); }
  // Tagged with the smallest of the three integer tags that holds the value.
  void Integer(int32_t value);
  // Tag 6 up to 255 bytes, tag 12 beyond.
  void String(std::string_view text);
  void Identifier(std::string_view name);
  void Boolean(bool value) { Tag(value ? vaTrue : vaFalse); }
  void Binary(std::span<const uint8_t> data);
  void PropertyName(std::string_view path) { ShortString(path); }
  void EndOfList() { Byte(vaNull); }

  // Signature and root header: "TPF0", class name, object name.
  void RootHeader(std::string_view className, std::string_view objectName);

  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

// The 16-bit resource header put before a component stream of streamSize bytes.
std::vector<uint8_t> ResourceHeader(std::string_view name, uint32_t streamSize);

// Resource header followed by the stream: the whole container file.
std::vector<uint8_t> WrapInResource(std::string_view name, const std::vector<uint8_t>& stream);
