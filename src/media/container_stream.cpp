// Primitive writers of the component stream and its resource header.
#include "media/container_stream.h"

#include <limits>
#include <stdexcept>
#include <string>

void TContainerStreamWriter::U16(uint16_t value) {
  Byte(static_cast<uint8_t>(value));
  Byte(static_cast<uint8_t>(value >> 8));
}

void TContainerStreamWriter::U32(uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) Byte(static_cast<uint8_t>(value >> shift));
}

void TContainerStreamWriter::Raw(std::span<const uint8_t> data) {
  bytes_.insert(bytes_.end(), data.begin(), data.end());
}

void TContainerStreamWriter::Raw(std::string_view text) {
  bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void TContainerStreamWriter::ShortString(std::string_view text) {
  if (text.size() > 255) throw std::runtime_error("Short string longer than 255 bytes");
  Byte(static_cast<uint8_t>(text.size()));
  Raw(text);
}

void TContainerStreamWriter::Integer(int32_t value) {
  if (value >= std::numeric_limits<int8_t>::min() && value <= std::numeric_limits<int8_t>::max()) {
    Tag(vaInt8);
    Byte(static_cast<uint8_t>(value));
  } else if (value >= std::numeric_limits<int16_t>::min() &&
             value <= std::numeric_limits<int16_t>::max()) {
    Tag(vaInt16);
    U16(static_cast<uint16_t>(value));
  } else {
    Tag(vaInt32);
    U32(static_cast<uint32_t>(value));
  }
}

void TContainerStreamWriter::String(std::string_view text) {
  if (text.size() <= 255) {
    Tag(vaString);
    ShortString(text);
  } else {
    Tag(vaLString);
    U32(static_cast<uint32_t>(text.size()));
    Raw(text);
  }
}

void TContainerStreamWriter::Identifier(std::string_view name) {
  Tag(vaIdent);
  ShortString(name);
}

void TContainerStreamWriter::Binary(std::span<const uint8_t> data) {
  if (data.size() > std::numeric_limits<uint32_t>::max()) {
    throw std::runtime_error("Binary value larger than 4 GiB");
  }
  Tag(vaBinary);
  U32(static_cast<uint32_t>(data.size()));
  Raw(data);
}

void TContainerStreamWriter::RootHeader(std::string_view className, std::string_view objectName) {
  Raw(kStreamSignature);
  ShortString(className);
  ShortString(objectName);
}

std::vector<uint8_t> ResourceHeader(std::string_view name, uint32_t streamSize) {
  TContainerStreamWriter header;
  header.Byte(0xFF);
  header.U16(kResourceTypeRawData);
  if (name.find('\0') != std::string_view::npos) {
    throw std::runtime_error("Resource name holds a zero byte");
  }
  header.Raw(name);
  header.Byte(0);
  header.U16(kResourceMemoryFlags);
  header.U32(streamSize);
  return header.Take();
}

std::vector<uint8_t> WrapInResource(std::string_view name, const std::vector<uint8_t>& stream) {
  if (stream.size() > std::numeric_limits<uint32_t>::max()) {
    throw std::runtime_error("Component stream larger than 4 GiB");
  }
  std::vector<uint8_t> file = ResourceHeader(name, static_cast<uint32_t>(stream.size()));
  file.insert(file.end(), stream.begin(), stream.end());
  return file;
}
