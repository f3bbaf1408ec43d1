// The records behind GDI handles. Drawing looks the same few handles up again and again (the
// DC, its bitmap, the brush just made), so a small direct-mapped cache of recent lookups sits
// in front of the hash table; records never move, so a cached pointer stays valid until the
// handle is erased.
#pragma once
#include <array>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace win32::gdi {

template <class Record>
class HandleTable {
 public:
  Record* Find(std::uintptr_t key) {
    Slot& slot = SlotOf(key);
    if (slot.key == key && slot.record != nullptr) return slot.record;
    const auto it = m_Records.find(key);
    if (it == m_Records.end()) return nullptr;
    slot = Slot{key, &it->second};
    return slot.record;
  }
  void Add(std::uintptr_t key, Record record) { m_Records.emplace(key, std::move(record)); }
  void Erase(std::uintptr_t key) {
    Slot& slot = SlotOf(key);
    if (slot.key == key) slot = Slot{};
    m_Records.erase(key);
  }

 private:
  static constexpr std::size_t kSlots = 64;  // a power of two: the slot is the handle's low bits
  struct Slot {
    std::uintptr_t key = 0;
    Record* record = nullptr;
  };
  Slot& SlotOf(std::uintptr_t key) { return m_Cache[key & (kSlots - 1)]; }

  std::unordered_map<std::uintptr_t, Record> m_Records;
  std::array<Slot, kSlots> m_Cache{};
};

}  // namespace win32::gdi
