// A property bag kept in a JSON file: an ordered list of named, typed values. Value types
// kept: Empty, Null, Boolean, Integer, Long, Single, Double, String and Font objects (as
// nested objects). Other objects and arrays cannot be stored; saving them is a type mismatch.
#pragma once
#include <string>

#include "container/PropertyBag.h"

class FilePropertyBag : public MemoryPropertyBag {
 public:
  // Starts empty when `path` does not exist yet, else loads it.
  explicit FilePropertyBag(std::string path);

  const std::string& Path() const { return m_Path; }
  // Replaces the entries with the file's; error 53 when the file is missing, 13 when its
  // content is not a property bag.
  void Load();
  // Writes the entries to the file; error 75 when it cannot be written.
  void Save() const;

  std::string ToJson() const;
  void FromJson(const std::string& text);

 private:
  std::string m_Path;
};
