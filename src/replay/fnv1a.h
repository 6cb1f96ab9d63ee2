// FNV-1a 64 over little-endian fields: the same digest on every target.
#pragma once
#include <cstdint>
#include <cstring>
#include <string_view>

class TFnv1a {
 public:
  TFnv1a() = default;
  explicit TFnv1a(uint64_t start) : hash_(start) {}
  void Add(std::string_view bytes) {
    for (char byte : bytes) AddByte(static_cast<uint8_t>(byte));
    Add(static_cast<int64_t>(bytes.size()));
  }
  void Add(int64_t value) {
    for (int i = 0; i < 8; ++i)
      AddByte(static_cast<uint8_t>(static_cast<uint64_t>(value) >> (8 * i)));
  }
  void Add(double value) {
    int64_t bits = 0;  // memcpy: not every target's library has std::bit_cast
    std::memcpy(&bits, &value, sizeof bits);
    Add(bits);
  }
  uint64_t Value() const { return hash_; }

 private:
  void AddByte(uint8_t byte) {
    hash_ ^= byte;
    hash_ *= 0x100000001b3ull;
  }
  uint64_t hash_ = 0xcbf29ce484222325ull;
};
