#include "container/PropertyBag.h"

#include <algorithm>

#include "container/AutomationError.h"
#include "container/RuntimeErrors.h"
#include "container/StdFont.h"

namespace {
// Two fonts with the same attributes count as equal, so a font read back from a file (a new
// object) is omitted again when it still matches its default.
bool SameFont(const Variant& a, const Variant& b) {
  if (!a.IsObject() || !b.IsObject()) return false;
  const auto fa = a.ObjectAs<StdFont>();
  const auto fb = b.ObjectAs<StdFont>();
  return fa && fb && fa->SameAttributes(*fb);
}
}  // namespace

Variant PropertyBag::ReadProperty(std::string_view name, const Variant& defaultValue) const {
  if (std::optional<Variant> found = Find(name)) return *found;
  if (defaultValue.IsMissing()) {
    throw AutomationError(runtime_error_number::DataValueNotFound, "VBRuntime", "Data value named '" + std::string(name) + "' not found");
  }
  return defaultValue;
}

void PropertyBag::WriteProperty(std::string_view name, const Variant& value, const Variant& defaultValue) {
  if (!defaultValue.IsMissing() && (VariantEquals(value, defaultValue) || SameFont(value, defaultValue))) return;
  Store(name, value);
}

std::vector<std::string> MemoryPropertyBag::Names() const {
  std::vector<std::string> names;
  for (const Entry& e : m_Entries) names.push_back(e.first);
  return names;
}

std::optional<Variant> MemoryPropertyBag::Find(std::string_view name) const {
  const auto it = std::find_if(m_Entries.begin(), m_Entries.end(), [&](const Entry& e) { return e.first == name; });
  if (it == m_Entries.end()) return std::nullopt;
  return it->second;
}

void MemoryPropertyBag::Store(std::string_view name, const Variant& value) {
  const auto it = std::find_if(m_Entries.begin(), m_Entries.end(), [&](const Entry& e) { return e.first == name; });
  if (it != m_Entries.end()) {
    it->second = value;
  } else {
    m_Entries.emplace_back(std::string(name), value);
  }
}
