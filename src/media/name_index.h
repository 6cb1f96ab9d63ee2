// The 256-bucket name lookup shared by the picture list and the sound list.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Lower-cases a Windows-1250 name (ASCII and the code page's accented capitals).
std::string LowerCaseName(std::string_view name);

// Whether two names are equal apart from case, compared as LowerCaseName would, without copying.
bool SameName(std::string_view a, std::string_view b);

// Bucket of a name: (L*16 + c[0] + c[L-2]) mod 256 of the lower-cased name, (L*16) mod 256 when L
// < 2.
uint8_t NameBucket(std::string_view name);

// Among items whose names are equal apart from case, the one whose name was set last is found.
template <class Item>
class TNameIndex {
 public:
  // Call whenever an item's name is set: moves the item to the head of its name's chain.
  void Enter(Item* item, std::string_view oldName, std::string_view newName) {
    Remove(item, oldName);
    buckets_[NameBucket(newName)].push_back(item);
  }
  void Remove(Item* item, std::string_view name) {
    auto& chain = buckets_[NameBucket(name)];
    for (auto it = chain.begin(); it != chain.end(); ++it) {
      if (*it == item) {
        chain.erase(it);
        return;
      }
    }
  }
  Item* Find(std::string_view name) const {
    const auto& chain = buckets_[NameBucket(name)];
    // The head of the chain is the back of the vector.
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
      if (SameName((*it)->Name(), name)) return *it;
    }
    return nullptr;
  }
  void Clear() {
    for (auto& chain : buckets_) chain.clear();
  }

 private:
  std::array<std::vector<Item*>, 256> buckets_;
};
