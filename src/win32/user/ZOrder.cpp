// Sibling z-order. Among top-level windows, top-most ones stay above the others and owned
// windows stay above their owner.
#include <algorithm>

#include "win32/user/UserInternals.h"

namespace win32::userimpl {

namespace {

std::vector<HWND>& Siblings(WindowRecord* w) { return Find(w->parent)->children; }

std::size_t TopmostCount(const std::vector<HWND>& siblings) {
  std::size_t i = 0;
  while (i < siblings.size() && Find(siblings[i])->IsTopmost()) ++i;
  return i;
}

// The first position a window may take: below every top-most sibling unless it is top-most.
std::size_t FirstAllowedIndex(WindowRecord* w, const std::vector<HWND>& siblings) {
  return w->IsChild() || w->IsTopmost() ? 0 : TopmostCount(siblings);
}

void RaiseOwnedAbove(WindowRecord* owner) {
  if (owner->IsChild()) return;
  std::vector<HWND> owned;
  for (HWND h : Siblings(owner)) {
    if (WindowRecord* o = Find(h); o && o->owner == owner->hwnd) owned.push_back(h);
  }
  // Keep their relative order: raise the bottom one first.
  for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
    WindowRecord* o = Find(*it);
    auto& siblings = Siblings(o);
    auto pos = std::find(siblings.begin(), siblings.end(), *it);
    auto ownerPos = std::find(siblings.begin(), siblings.end(), owner->hwnd);
    if (pos > ownerPos) {
      siblings.erase(pos);
      siblings.insert(std::find(siblings.begin(), siblings.end(), owner->hwnd), *it);
    }
    RaiseOwnedAbove(o);
  }
}

}  // namespace

void UnlinkFromParent(WindowRecord* w) {
  WindowRecord* parent = Find(w->parent);
  if (!parent) return;
  auto& siblings = parent->children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), w->hwnd), siblings.end());
}

void LinkToParent(WindowRecord* w, HWND insertAfter) {
  auto& siblings = Siblings(w);
  const std::size_t first = FirstAllowedIndex(w, siblings);
  std::size_t index = first;
  if (insertAfter == HWND_BOTTOM) {
    index = !w->IsChild() && w->IsTopmost() ? TopmostCount(siblings) : siblings.size();
  } else if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST &&
             insertAfter != HWND_NOTOPMOST) {
    auto it = std::find(siblings.begin(), siblings.end(), insertAfter);
    if (it != siblings.end()) index = std::max(first, static_cast<std::size_t>(it - siblings.begin()) + 1);
  }
  index = std::min(index, siblings.size());
  siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(index), w->hwnd);
  RaiseOwnedAbove(w);
}

void BringToTop(WindowRecord* w) {
  UnlinkFromParent(w);
  LinkToParent(w, HWND_TOP);
}

}  // namespace win32::userimpl
