// The records behind handles (GDI objects, device contexts, windows). Drawing and input look the
// same few handles up again and again (the DC, its bitmap, the brush just made, the window under
// the mouse), so a small direct-mapped cache of recent lookups sits in front of the hash table; records never move, so a cached pointer stays valid until the
// handle is erased. Erased records' storage is kept for the next few handles.
#pragma once
#include <array>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace win32 {

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
  void Add(std::uintptr_t key, Record record) {
    if (m_Spare.empty()) {
      m_Records.emplace(key, std::move(record));
      return;
    }
    auto node = std::move(m_Spare.back());
    m_Spare.pop_back();
    node.key() = key;
    node.mapped() = std::move(record);
    m_Records.insert(std::move(node));
  }
  // Calls fn(key, record) for every record.
  template <class Fn>
  void ForEach(Fn fn) {
    for (auto& [key, record] : m_Records) fn(key, record);
  }
  void Erase(std::uintptr_t key) {
    Slot& slot = SlotOf(key);
    if (slot.key == key) slot = Slot{};
    auto node = m_Records.extract(key);
    // A few records are kept for the next handles: a DC is made and deleted on every paint.
    if (!node.empty() && m_Spare.size() < kSpareRecords) {
      node.mapped() = Record{};
      m_Spare.push_back(std::move(node));
    }
  }

 private:
  static constexpr std::size_t kSlots = 64;  // a power of two: the slot is the handle's low bits
  struct Slot {
    std::uintptr_t key = 0;
    Record* record = nullptr;
  };
  Slot& SlotOf(std::uintptr_t key) { return m_Cache[key & (kSlots - 1)]; }

  using Records = std::unordered_map<std::uintptr_t, Record>;
  static constexpr std::size_t kSpareRecords = 8;
  Records m_Records;
  std::vector<typename Records::node_type> m_Spare;
  std::array<Slot, kSlots> m_Cache{};
};

}  // namespace win32
