// What the collection proxies share: Item, Exists and Remove take an Index that is either a
// position (error 8 outside 1..Count) or a key (no element, and no error, when unknown), and
// Exists reports false for every error instead of raising it. A collection supplies how an
// Index resolves, how a proxy for one element is made and how an element is removed.
#pragma once
#include <memory>

#include "container/AutomationError.h"
#include "container/Variant.h"
#include "core/automation/MenuProxy.h"

template <class Element>
class ProxyCollection : public MenuProxy {
 public:
  bool Exists(const Variant& Index) const {
    try {
      return Resolve(Index) > 0;
    } catch (const AutomationError&) {
      return false;
    }
  }
  // Nothing (null) for an unknown key.
  std::shared_ptr<Element> Item(const Variant& Index) const {
    const int position = Resolve(Index);
    return position == 0 ? nullptr : MakeItem(position);
  }
  std::shared_ptr<Element> operator()(const Variant& Index) const { return Item(Index); }
  void Remove(const Variant& Index) {
    const int position = Resolve(Index);
    if (position != 0) RemoveAt(position);
  }

 protected:
  using MenuProxy::MenuProxy;

  // The position Index names, 0 for an unknown key (see MenuProxy::ResolveIndex).
  virtual int Resolve(const Variant& Index) const = 0;
  virtual std::shared_ptr<Element> MakeItem(int position) const = 0;
  virtual void RemoveAt(int position) = 0;
};
