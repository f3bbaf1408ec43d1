// Keys of a 1-based ordered array beside the array itself: the first position of each key,
// so that finding a key (and refusing a duplicate on adding) does not scan the array.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

class KeyIndex {
 public:
  // The first position holding sKey, or 0.
  int Find(std::string_view sKey) const {
    const auto found = m_First.find(sKey);
    return found == m_First.end() ? 0 : found->second;
  }
  // Records sKey at a position after every recorded one; an earlier position of it stays.
  void Append(const std::string& sKey, int position) { m_First.emplace(sKey, position); }
  void Clear() { m_First.clear(); }
  // Records the keys of positions 1..count again (after positions moved).
  template <class KeyAt>
  void Rebuild(int count, KeyAt keyAt) {
    m_First.clear();
    for (int i = 1; i <= count; ++i) Append(keyAt(i), i);
  }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  std::unordered_map<std::string, int, Hash, std::equal_to<>> m_First;
};
