// A property bag kept in a JSON file: an ordered list of named, typed values. Value types
// kept: Empty, Null, Boolean, Integer, Long, Single, Double, String and Font objects (as
// nested objects). Other objects and arrays cannot be stored; saving them is a type mismatch.
#pragma once
#include <cstdint>
#include <string>

#include "container/PropertyBag.h"

class FilePropertyBag : public MemoryPropertyBag {
 public:
  // Starts empty when `path` does not exist yet, else loads it.
  explicit FilePropertyBag(std::string path);

  const std::string& Path() const { return m_Path; }
  // Replaces the entries with the file's; error 53 when the file is missing. A damaged file
  // (not a property bag, cut short, a value of the wrong kind or beyond its type) raises 13
  // or 6, naming the file and the key, and leaves the entries as they were.
  void Load();
  // Writes the entries to the file; error 75 when it cannot be written.
  void Save() const;

  std::string ToJson() const;
  void FromJson(const std::string& text);

 private:
  [[noreturn]] void RaiseDamaged(std::int32_t number, const std::string& key, const std::string& why) const;

  std::string m_Path;
};
