// The process-wide key-name table of the hot keys: names indexed by virtual-key code 1..256
// (element 0 exists and stays empty, so the table's upper bound is 256). Every control of the
// process shares it; it is filled when the first control initialises and erased when the
// last one terminates.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "container/Variant.h"

class HotKeyNameTable {
 public:
  static constexpr std::int32_t kLowerIndex = 1;
  static constexpr std::int32_t kUpperBound = 256;
  using Names = std::array<std::string, kUpperBound + 1>;

  // A control joins (the first one fills the table) or leaves (the last one erases it).
  static void AddUser();
  static void RemoveUser();

  // Entry iKey; runtime error 9 outside 1..256.
  static const std::string& Name(std::int32_t iKey);
  static void SetName(std::int32_t iKey, std::string name);
  // The whole table as an array of strings with bounds 0..256.
  static Variant AsArray();
  // Copies an array whose upper bound is 256 over the table; any other value is ignored.
  static void AssignArray(const Variant& names);

  static const Names& Table() { return Storage(); }

 private:
  static Names& Storage();
  static void FillDefaults(Names& names);
  static void CheckIndex(std::int32_t iKey);
};
