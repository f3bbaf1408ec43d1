// The container's property bag: named values a control saves and restores. Writing a value
// equal to the default given omits it; reading a name that is absent returns the default
// given, and with no default raises the runtime's error 327.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "container/Variant.h"

class PropertyBag {
 public:
  virtual ~PropertyBag() = default;

  Variant ReadProperty(std::string_view name, const Variant& defaultValue = Variant::Missing()) const;
  void WriteProperty(std::string_view name, const Variant& value, const Variant& defaultValue = Variant::Missing());

 protected:
  PropertyBag() = default;
  PropertyBag(const PropertyBag&) = default;
  PropertyBag& operator=(const PropertyBag&) = default;

  virtual std::optional<Variant> Find(std::string_view name) const = 0;
  virtual void Store(std::string_view name, const Variant& value) = 0;
};

// A bag held in memory. Entries keep the order of their first write, so a test can compare
// what a control saved, in order.
class MemoryPropertyBag : public PropertyBag {
 public:
  using Entry = std::pair<std::string, Variant>;

  const std::vector<Entry>& Entries() const { return m_Entries; }
  std::vector<std::string> Names() const;
  bool Contains(std::string_view name) const { return Find(name).has_value(); }
  void Clear() { m_Entries.clear(); }

 protected:
  std::optional<Variant> Find(std::string_view name) const override;
  void Store(std::string_view name, const Variant& value) override;

 private:
  std::vector<Entry> m_Entries;
};
