// Window classes, creation and destruction with Win32's message order:
// WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE on creation; on destruction owned windows go
// first, then WM_DESTROY parent-first and WM_NCDESTROY child-first.
#include <cstddef>
#include <algorithm>

#include "win32/gdi.h"
#include "win32/objcount.h"
#include "win32/user/TextConversion.h"
#include "win32/user/UserInternals.h"

using namespace win32::userimpl;

namespace {

constexpr LRESULT kCreateFailed = -1;
constexpr int kDefaultWindowSize = 100;

ATOM Register(ClassRecord cls) {
  auto& classes = State().classes;
  const std::string key = Lower(cls.name);
  if (cls.name.empty() || classes.count(key)) return 0;
  classes.emplace(key, std::move(cls));
  return static_cast<ATOM>(classes.size());
}

int OrDefault(int value, int fallback) { return value == CW_USEDEFAULT ? fallback : value; }

template <class CreateStruct>
HWND Create(DWORD exStyle, const std::string& className, const std::string& name, DWORD style,
            int x, int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
            LPVOID param, bool unicode, CreateStruct& cs) {
  auto& state = State();
  auto cls = state.classes.find(Lower(className));
  if (cls == state.classes.end()) return nullptr;
  // A window whose parent is the desktop is a top-level window whatever its style says;
  // any other child window needs a parent.
  const bool onDesktop = parent == DesktopHandle();
  if (onDesktop) parent = nullptr;
  if ((style & WS_CHILD) && !parent && !onDesktop) return nullptr;
  const bool child = (style & WS_CHILD) != 0 && parent;
  WindowRecord* parentRecord = parent ? Find(parent) : nullptr;
  if (parent && !parentRecord) return nullptr;

  auto record = std::make_unique<WindowRecord>();
  WindowRecord* w = record.get();
  w->hwnd = reinterpret_cast<HWND>(state.nextHandle++);
  w->className = cls->second.name;
  w->classStyle = cls->second.style;
  w->classBackground = cls->second.background;
  w->proc = cls->second.proc;
  w->style = style & ~WS_VISIBLE;
  w->exStyle = exStyle;
  w->text = name;
  w->instance = instance;
  w->unicode = unicode;
  w->child = child;
  if (child) {
    w->parent = parent;
    w->id = static_cast<LONG>(reinterpret_cast<std::intptr_t>(menu));
  } else {
    w->parent = DesktopHandle();
    // The owner of a top-level window is always a top-level window.
    WindowRecord* ownerTop = TopLevelOf(parentRecord);
    w->owner = ownerTop ? ownerTop->hwnd : nullptr;
  }
  x = OrDefault(x, 0);
  y = OrDefault(y, 0);
  w->rect = PlacedRect(x, y, OrDefault(width, kDefaultWindowSize), OrDefault(height, kDefaultWindowSize));
  width = w->Width();
  height = w->Height();
  state.windows.Add(reinterpret_cast<std::uintptr_t>(w->hwnd), std::move(record));
  LinkToParent(w, HWND_TOP);
  win32::CountCreated(win32::ObjectKind::Window);

  cs.lpCreateParams = param;
  cs.hInstance = instance;
  cs.hMenu = menu;
  cs.hwndParent = parent;
  cs.cx = width;
  cs.cy = height;
  cs.x = x;
  cs.y = y;
  cs.style = static_cast<LONG>(style);
  cs.dwExStyle = exStyle;
  const HWND hwnd = w->hwnd;
  const LPARAM csParam = reinterpret_cast<LPARAM>(&cs);
  if (!Send(w, WM_NCCREATE, 0, csParam) || !Find(hwnd)) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (Send(w, WM_CREATE, 0, csParam) == kCreateFailed || !Find(hwnd)) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  Send(w, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
  Send(w, WM_MOVE, 0, MAKELPARAM(x, y));
  if (!Find(hwnd)) return nullptr;
  if (style & WS_VISIBLE) {
    if (child) {
      w->style |= WS_VISIBLE;
      InvalidateClient(w, nullptr, true, true);
    } else {
      ShowWindow(hwnd, SW_SHOW);
    }
  }
  return Find(hwnd) ? hwnd : nullptr;
}

void SendDestroy(WindowRecord* w) {
  Send(w, WM_DESTROY, 0, 0);
  const std::vector<HWND> children = w->children;
  for (HWND child : children) {
    if (WindowRecord* c = Find(child)) SendDestroy(c);
  }
}

void Free(WindowRecord* w) {
  const std::vector<HWND> children = w->children;
  for (HWND child : children) {
    if (WindowRecord* c = Find(child)) Free(c);
  }
  Send(w, WM_NCDESTROY, 0, 0);
  KillWindowTimers(w->hwnd);
  PurgeMessages(w->hwnd);
  UnlinkFromParent(w);
  win32::CountDestroyed(win32::ObjectKind::Window);
  EraseWindow(w->hwnd);
}

}  // namespace

ATOM RegisterClassA(const WNDCLASSA* wc) {
  if (!wc || !wc->lpszClassName) return 0;
  return Register(ClassRecord{wc->lpszClassName, wc->style, wc->lpfnWndProc, wc->hbrBackground,
                              wc->hInstance, false});
}

ATOM RegisterClassW(const WNDCLASSW* wc) {
  if (!wc || !wc->lpszClassName) return 0;
  return Register(ClassRecord{Narrow(wc->lpszClassName), wc->style, wc->lpfnWndProc,
                              wc->hbrBackground, wc->hInstance, true});
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE) {
  return className && State().classes.erase(Lower(className)) ? TRUE : FALSE;
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
  CREATESTRUCTA cs{};
  cs.lpszName = windowName;
  cs.lpszClass = className;
  return Create(exStyle, className ? className : "", windowName ? windowName : "", style, x, y,
                width, height, parent, menu, instance, param, false, cs);
}

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
  CREATESTRUCTW cs{};
  cs.lpszName = windowName;
  cs.lpszClass = className;
  return Create(exStyle, Narrow(className), Narrow(windowName), style, x, y, width, height, parent,
                menu, instance, param, true, cs);
}

BOOL DestroyWindow(HWND hwnd) {
  WindowRecord* w = Find(hwnd);
  if (!w || w == &DesktopRecord() || w->destroying) return FALSE;
  w->destroying = true;
  if (w->IsVisibleStyle()) {
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (!w->IsChild()) {
    // Owned windows die before their owner.
    std::vector<HWND> owned;
    for (HWND top : DesktopRecord().children) {
      if (WindowRecord* t = Find(top); t && t->owner == hwnd) owned.push_back(top);
    }
    for (HWND o : owned) DestroyWindow(o);
  }
  ForgetFocusAndActivation(w);
  ReleaseCaptureWithin(w);
  SendDestroy(w);
  Free(w);
  return TRUE;
}
