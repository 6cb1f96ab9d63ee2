// Bounds-checked little-endian reading over bytes held in memory.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "media/container_errors.h"

// Every read that would pass the end raises EReadError "Stream read error" and consumes nothing,
// so no length taken from the data can make a caller read or allocate beyond what is there.
class TByteReader {
 public:
  explicit TByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t Position() const { return position_; }
  size_t Remaining() const { return bytes_.size() - position_; }
  bool AtEnd() const { return position_ == bytes_.size(); }

  uint8_t U8() { return Take(1)[0]; }
  uint16_t U16() {
    auto b = Take(2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
  }
  uint32_t U32() {
    auto b = Take(4);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
           (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
  }
  int32_t I32() { return static_cast<int32_t>(U32()); }
  // Peeks without consuming; false at the end.
  bool Peek(uint8_t& value) const {
    if (AtEnd()) return false;
    value = bytes_[position_];
    return true;
  }
  std::span<const uint8_t> Take(uint64_t count) {
    if (count > Remaining()) throw EReadError(kStreamReadError);
    auto part = bytes_.subspan(position_, static_cast<size_t>(count));
    position_ += static_cast<size_t>(count);
    return part;
  }
  void Skip(uint64_t count) { Take(count); }
  std::string ShortString() {
    auto text = Take(U8());
    return std::string(text.begin(), text.end());
  }

 private:
  std::span<const uint8_t> bytes_;
  size_t position_ = 0;
};
