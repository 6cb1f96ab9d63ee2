// Component-stream reading shared by the picture and sound containers.
#include "media/container_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <sys/stat.h>

#include "media/container_colors.h"
#include "media/container_text.h"

namespace {

// The longest resource header the reader looks at; the name's 0 byte must lie within it.
constexpr size_t kResourceHeaderLimit = 79;
constexpr size_t kResourceNameOffset = 3;

bool IsIdentifier(std::string_view name) {
  // ASCII only, whatever the locale: a letter of another code page is no identifier.
  auto isStart = [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
  };
  auto isPart = [&](char c) { return isStart(c) || (c >= '0' && c <= '9'); };
  if (name.empty()) return true;  // an unnamed root is allowed
  return isStart(name[0]) && std::all_of(name.begin() + 1, name.end(), isPart);
}

[[noreturn]] void InvalidValue() {
  throw EReadError(kInvalidPropertyValue);
}

}  // namespace

int ResolvePropertyPath(const TObjectSchema& object, std::string_view path) {
  const TObjectSchema* current = &object;
  while (true) {
    const size_t dot = path.find('.');
    const std::string_view part = path.substr(0, dot);
    const auto& properties = current->Properties;
    auto found = std::find_if(properties.begin(), properties.end(), [&](const TPropertySchema& p) {
      return SameIgnoringAsciiCase(p.Name, part);
    });
    if (found == properties.end()) throw EReadError(PropertyDoesNotExist(std::string(part)));
    if (dot == std::string_view::npos) return found->Id;
    if (found->Object == nullptr) throw EReadError(kInvalidPropertyPath);
    current = found->Object;
    path.remove_prefix(dot + 1);
  }
}

std::vector<uint8_t> ReadContainerFile(const std::string& fileName) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(fileName.c_str(), "rb"), std::fclose);
  auto fail = [&] {
    throw EFOpenError("Cannot open file \"" + fileName + "\". " + std::strerror(errno));
  };
  if (!file) fail();
  // Read straight into one buffer of the file's size; growing it chunk by chunk cost more than
  // decoding the pictures.
  struct stat status;
  if (fstat(fileno(file.get()), &status) != 0) fail();
  if (S_ISDIR(status.st_mode)) {
    errno = EISDIR;
    fail();
  }
  std::vector<uint8_t> bytes;
  if (S_ISREG(status.st_mode)) bytes.resize(static_cast<size_t>(status.st_size));
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
  uint8_t chunk[65536];  // whatever the size did not tell: a file that grew, or no size at all
  size_t count;
  while ((count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + count);
  }
  if (std::ferror(file.get())) fail();
  return bytes;
}

void TComponentReader::SkipResourceHeader() {
  const auto header = file_.first(std::min(file_.size(), kResourceHeaderLimit));
  const uint8_t expected[kResourceNameOffset] = {0xFF, kResourceTypeRawData, 0};
  for (size_t i = 0; i < kResourceNameOffset; ++i) {
    if (i == header.size()) throw EReadError(kStreamReadError);
    if (header[i] != expected[i]) throw EFilerError(kInvalidStreamFormat);
  }
  const auto nameEnd = std::find(header.begin() + kResourceNameOffset, header.end(), 0);
  if (nameEnd == header.end()) {
    // A file that ends before the name does is cut short; a name too long is no resource header.
    if (header.size() < kResourceHeaderLimit) throw EReadError(kStreamReadError);
    throw EFilerError(kInvalidStreamFormat);
  }
  // Name, its 0 byte, memory flags (2) and stream size (4) follow the first three bytes.
  const size_t nameLength = static_cast<size_t>(nameEnd - header.begin()) - kResourceNameOffset;
  in_.Skip(nameLength + 10);
}

void TComponentReader::ReadRoot() {
  SkipResourceHeader();
  auto signature = in_.Take(kStreamSignature.size());
  if (!std::equal(signature.begin(), signature.end(), kStreamSignature.begin())) {
    throw EFilerError(kInvalidStreamFormat);
  }
  uint8_t prefix = 0;
  if (in_.Peek(prefix) && prefix >= 0xF0) {
    in_.U8();
    constexpr uint8_t kChildPositionFlag = 2;
    if (prefix & kChildPositionFlag) ReadInteger();  // a position among siblings, unused
  }
  rootClass_ = in_.ShortString();
  rootName_ = in_.ShortString();
  if (!IsIdentifier(rootName_)) throw EComponentError(InvalidComponentName(rootName_));
}

bool TComponentReader::EndOfList() {
  uint8_t next = 0;
  if (!in_.Peek(next)) throw EReadError(kStreamReadError);
  if (next != vaNull) return false;
  in_.U8();
  return true;
}

void TComponentReader::ReadChildListEnd() {
  // The containers' roots own no child components; anything else is not one of these files.
  if (in_.U8() != vaNull) throw EFilerError(kInvalidStreamFormat);
}

int32_t TComponentReader::IntegerData(uint8_t tag) {
  switch (tag) {
    case vaInt8:
      return static_cast<int8_t>(in_.U8());
    case vaInt16:
      return static_cast<int16_t>(in_.U16());
    case vaInt32:
      return in_.I32();
    default:
      InvalidValue();
  }
}

int32_t TComponentReader::ReadInteger() {
  return IntegerData(in_.U8());
}

bool TComponentReader::ReadBoolean() {
  switch (in_.U8()) {
    case vaFalse:
      return false;
    case vaTrue:
      return true;
    case vaIdent: {
      const std::string identifier = in_.ShortString();
      if (SameIgnoringAsciiCase(identifier, "False")) return false;
      if (SameIgnoringAsciiCase(identifier, "True")) return true;
      InvalidValue();
    }
    default:
      InvalidValue();
  }
}

std::string TComponentReader::ReadString() {
  switch (in_.U8()) {
    case vaString:
      return in_.ShortString();
    case vaLString: {
      auto bytes = in_.Take(in_.U32());
      return std::string(bytes.begin(), bytes.end());
    }
    case vaWString:
      return Utf16ToWindows1250(in_.Take(uint64_t{in_.U32()} * 2));
    case vaUTF8String:
      return Utf8ToWindows1250(in_.Take(in_.U32()));
    default:
      InvalidValue();
  }
}

TColor TComponentReader::ReadColor() {
  const uint8_t tag = in_.U8();
  if (tag != vaIdent) return IntegerData(tag);
  if (auto color = ColorFromIdentifier(in_.ShortString())) return *color;
  InvalidValue();
}

std::span<const uint8_t> TComponentReader::ReadBinary() {
  if (in_.U8() != vaBinary) InvalidValue();
  return in_.Take(in_.U32());
}

void TComponentReader::ReadCollectionStart() {
  if (in_.U8() != vaCollection) InvalidValue();
}

bool TComponentReader::ReadNextItemStart() {
  uint8_t tag = in_.U8();
  if (tag == vaNull) return false;
  if (tag == vaInt8 || tag == vaInt16 || tag == vaInt32) {
    IntegerData(tag);  // the item's order value, which the lists do not use
    tag = in_.U8();
  }
  if (tag != vaList) InvalidValue();
  return true;
}
