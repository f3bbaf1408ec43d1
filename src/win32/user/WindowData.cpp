// Window data (GetWindowLongA and friends), window text, properties and relations.
#include <algorithm>
#include <vector>

#include "win32/user/TextConversion.h"
#include "win32/user/UserInternals.h"

using namespace win32::userimpl;

namespace {

// Window procedures as 32-bit values: index into this table plus a base that keeps the
// values away from small integers and handles.
constexpr LONG kWndProcThunkBase = 0x7F000000;
std::vector<WNDPROC> wndProcThunks;

HWND Owner(const WindowRecord* w) { return w->IsChild() ? nullptr : w->owner; }

void Reparent(WindowRecord* w, HWND newParent) {
  UnlinkFromParent(w);
  w->parent = newParent;
  w->child = newParent != DesktopHandle();
  if (w->child) {
    w->surface.reset();
    w->surfaceArea = RECT{};
    w->owner = nullptr;
  }
  LinkToParent(w, HWND_TOP);
}

}  // namespace

LONG LongFromWndProc(WNDPROC proc) {
  if (!proc) return 0;
  for (std::size_t i = 0; i < wndProcThunks.size(); ++i) {
    if (wndProcThunks[i] == proc) return kWndProcThunkBase + static_cast<LONG>(i);
  }
  wndProcThunks.push_back(proc);
  return kWndProcThunkBase + static_cast<LONG>(wndProcThunks.size() - 1);
}

WNDPROC WndProcFromLong(LONG value) {
  const LONG index = value - kWndProcThunkBase;
  if (value < kWndProcThunkBase || index >= static_cast<LONG>(wndProcThunks.size())) return nullptr;
  return wndProcThunks[static_cast<std::size_t>(index)];
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

LRESULT CallWindowProcA(LONG proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(WndProcFromLong(proc), hwnd, msg, wParam, lParam);
}

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
  const WindowRecord* w = Find(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWL_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWL_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWL_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->IsChild() ? w->parent : w->owner);
    case GWL_STYLE: return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w->exStyle);
    case GWL_USERDATA: return w->userData;
    case GWL_ID: return w->id;
    default: return 0;
  }
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
  WindowRecord* w = Find(hwnd);
  if (!w) return 0;
  const LONG_PTR old = GetWindowLongPtrA(hwnd, index);
  switch (index) {
    case GWL_WNDPROC: w->proc = reinterpret_cast<WNDPROC>(value); break;
    case GWL_HINSTANCE: w->instance = reinterpret_cast<HINSTANCE>(value); break;
    case GWL_HWNDPARENT:
      if (!w->IsChild()) w->owner = reinterpret_cast<HWND>(value);
      break;
    case GWL_STYLE: w->style = static_cast<DWORD>(value); break;
    case GWL_EXSTYLE: w->exStyle = static_cast<DWORD>(value); break;
    case GWL_USERDATA: w->userData = value; break;
    case GWL_ID: w->id = static_cast<LONG>(value); break;
    default: return 0;
  }
  return old;
}

LONG GetWindowLongA(HWND hwnd, int index) {
  if (index == GWL_WNDPROC) {
    const WindowRecord* w = Find(hwnd);
    return w ? LongFromWndProc(w->proc) : 0;
  }
  return static_cast<LONG>(GetWindowLongPtrA(hwnd, index));
}

LONG SetWindowLongA(HWND hwnd, int index, LONG value) {
  if (index == GWL_WNDPROC) {
    const LONG old = GetWindowLongA(hwnd, index);
    if (WindowRecord* w = Find(hwnd); w && WndProcFromLong(value)) w->proc = WndProcFromLong(value);
    return old;
  }
  if (index == GWL_HWNDPARENT) {
    return static_cast<LONG>(SetWindowLongPtrA(hwnd, index, reinterpret_cast<LONG_PTR>(LongToHandle<HWND>(value))));
  }
  return static_cast<LONG>(SetWindowLongPtrA(hwnd, index, value));
}

BOOL SetPropA(HWND hwnd, LPCSTR name, void* data) {
  WindowRecord* w = Find(hwnd);
  if (!w || !name) return FALSE;
  w->props.insert_or_assign(std::string(name), data);
  return TRUE;
}

void* GetPropA(HWND hwnd, LPCSTR name) {
  const WindowRecord* w = Find(hwnd);
  if (!w || !name) return nullptr;
  auto it = w->props.find(std::string_view(name));
  return it == w->props.end() ? nullptr : it->second;
}

void* RemovePropA(HWND hwnd, LPCSTR name) {
  WindowRecord* w = Find(hwnd);
  if (!w || !name) return nullptr;
  auto it = w->props.find(std::string_view(name));
  if (it == w->props.end()) return nullptr;
  void* data = it->second;
  w->props.erase(it);
  return data;
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
  WindowRecord* w = Find(hwnd);
  if (!w) return FALSE;
  w->text = text ? text : "";
  return TRUE;
}

BOOL SetWindowTextW(HWND hwnd, LPCWSTR text) { return SetWindowTextA(hwnd, Narrow(text).c_str()); }

int GetWindowTextA(HWND hwnd, LPSTR buffer, int maxCount) {
  const WindowRecord* w = Find(hwnd);
  return w ? CopyOut(w->text, buffer, maxCount) : 0;
}

int GetWindowTextW(HWND hwnd, LPWSTR buffer, int maxCount) {
  const WindowRecord* w = Find(hwnd);
  return w ? CopyOut(Widen(w->text), buffer, maxCount) : 0;
}

int GetWindowTextLengthA(HWND hwnd) {
  const WindowRecord* w = Find(hwnd);
  return w ? static_cast<int>(w->text.size()) : 0;
}

int GetClassNameA(HWND hwnd, LPSTR buffer, int maxCount) {
  const WindowRecord* w = Find(hwnd);
  return w ? CopyOut(w->className, buffer, maxCount) : 0;
}

HWND GetDesktopWindow() { return DesktopHandle(); }

HWND GetParent(HWND hwnd) {
  const WindowRecord* w = Find(hwnd);
  if (!w) return nullptr;
  if (w->IsChild()) return w->parent;
  return (w->style & WS_POPUP) ? w->owner : nullptr;
}

HWND SetParent(HWND child, HWND newParent) {
  WindowRecord* w = Find(child);
  if (!newParent) newParent = DesktopHandle();
  WindowRecord* p = Find(newParent);
  if (!w || !p || w == p || IsInSubtree(newParent, w)) return nullptr;
  const HWND old = w->parent;
  const bool visible = IsReallyVisible(w);
  if (visible) SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Reparent(w, newParent);
  if (visible) SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return old;
}

HWND GetWindow(HWND hwnd, UINT relation) {
  const WindowRecord* w = Find(hwnd);
  if (!w) return nullptr;
  if (relation == GW_OWNER) return Owner(w);
  if (relation == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
  const WindowRecord* parent = Find(w->parent);
  if (!parent) return nullptr;
  const auto& siblings = parent->children;
  auto it = std::find(siblings.begin(), siblings.end(), hwnd);
  switch (relation) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return it + 1 < siblings.end() ? *(it + 1) : nullptr;
    case GW_HWNDPREV: return it > siblings.begin() ? *(it - 1) : nullptr;
    default: return nullptr;
  }
}

HWND GetAncestor(HWND hwnd, UINT flags) {
  WindowRecord* w = Find(hwnd);
  if (!w || w == &DesktopRecord()) return nullptr;
  if (flags == GA_PARENT) return w->parent;
  WindowRecord* root = TopLevelOf(w);
  if (flags == GA_ROOTOWNER) {
    while (WindowRecord* owner = Find(root->owner)) root = owner;
  }
  return root->hwnd;
}
