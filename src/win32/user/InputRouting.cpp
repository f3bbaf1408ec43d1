// Mouse and keyboard input as Windows routes it: the mouse to the capture window, else to
// the window under the cursor; a press in any window other than the active one (a child of the
// active window included) first sends it WM_MOUSEACTIVATE, and activates its top-level window
// unless the answer is a no-activate code; keys to the focus window, else the active one.
#include <cstdlib>

#include "win32/user/UserInternals.h"

using namespace win32::userimpl;

namespace {

constexpr UINT kDoubleClickTime = 500;
constexpr int kDoubleClickDistance = 4;
constexpr LPARAM HTCLIENT = 1;
constexpr int kScanCodeShift = 16;
constexpr LPARAM kExtendedBit = 1 << 24;
constexpr LPARAM kContextBit = 1 << 29;
constexpr LPARAM kPreviousStateBit = 1 << 30;
constexpr LPARAM kTransitionBit = static_cast<LPARAM>(1u << 31);
constexpr int kRepeatMask = 0xFFFF;

struct ButtonInfo {
  int vk;
  UINT down;
  UINT up;
  UINT dblclk;
};

ButtonInfo InfoFor(win32::MouseButton button) {
  switch (button) {
    case win32::MouseButton::Right: return {VK_RBUTTON, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK};
    case win32::MouseButton::Middle: return {VK_MBUTTON, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK};
    default: return {VK_LBUTTON, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK};
  }
}

bool& KeyDownFlag(int vk) { return State().keyDown[static_cast<std::size_t>(vk)]; }

WPARAM MouseKeyState() {
  WPARAM mk = 0;
  if (KeyDownFlag(VK_LBUTTON)) mk |= MK_LBUTTON;
  if (KeyDownFlag(VK_RBUTTON)) mk |= MK_RBUTTON;
  if (KeyDownFlag(VK_MBUTTON)) mk |= MK_MBUTTON;
  if (KeyDownFlag(VK_SHIFT)) mk |= MK_SHIFT;
  if (KeyDownFlag(VK_CONTROL)) mk |= MK_CONTROL;
  return mk;
}

WindowRecord* MouseTarget() {
  auto& state = State();
  if (WindowRecord* capture = Find(state.capture)) return capture;
  WindowRecord* under = Find(WindowFromPoint(state.cursor));
  if (!under || under == &DesktopRecord() || (under->style & WS_DISABLED)) return nullptr;
  return under;
}

void PostMouse(WindowRecord* target, UINT message) {
  POINT pt = State().cursor;
  ScreenToClient(target->hwnd, &pt);
  Post(target->hwnd, message, MouseKeyState(), MAKELPARAM(pt.x, pt.y));
}

// True when the click may go on to the window.
bool MouseActivate(WindowRecord* target, UINT message) {
  auto& state = State();
  WindowRecord* top = TopLevelOf(target);
  if (state.capture || !top || target->hwnd == state.active) return true;
  const HWND topHandle = top->hwnd;
  const LRESULT answer = Send(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(topHandle),
                              MAKELPARAM(static_cast<int>(HTCLIENT), static_cast<int>(message)));
  if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && Find(topHandle)) {
    ActivateTopLevel(topHandle, WA_CLICKACTIVE);
  }
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

bool IsDoubleClick(const WindowRecord* target, UINT downMessage) {
  const ClickRecord& last = State().lastClick;
  const POINT pt = State().cursor;
  return (target->classStyle & CS_DBLCLKS) && last.hwnd == target->hwnd && last.downMessage == downMessage &&
         Now() - last.time <= kDoubleClickTime && std::abs(pt.x - last.pt.x) <= kDoubleClickDistance / 2 &&
         std::abs(pt.y - last.pt.y) <= kDoubleClickDistance / 2;
}

}  // namespace

namespace win32::userimpl {

void ReleaseCaptureWithin(const WindowRecord* root) {
  if (IsInSubtree(State().capture, root)) ReleaseCapture();
}

void RouteMouseMove(POINT screenPt) {
  State().cursor = screenPt;
  if (WindowRecord* target = MouseTarget()) PostMouse(target, WM_MOUSEMOVE);
}

void RouteMouseButton(win32::MouseButton button, bool down) {
  const ButtonInfo info = InfoFor(button);
  KeyDownFlag(info.vk) = down;
  WindowRecord* target = MouseTarget();
  if (!target) return;
  if (!down) {
    PostMouse(target, info.up);
    return;
  }
  const HWND hwnd = target->hwnd;
  if (!MouseActivate(target, info.down) || !(target = Find(hwnd))) return;
  auto& last = State().lastClick;
  if (IsDoubleClick(target, info.down)) {
    last = ClickRecord{};
    PostMouse(target, info.dblclk);
    return;
  }
  last = ClickRecord{hwnd, info.down, Now(), State().cursor};
  PostMouse(target, info.down);
}

void RouteKey(int vk, bool down, int repeat) {
  auto& state = State();
  bool& isDown = KeyDownFlag(vk);
  const bool wasDown = isDown;
  if (down && !wasDown) state.keyToggled[static_cast<std::size_t>(vk)] = !state.keyToggled[static_cast<std::size_t>(vk)];
  isDown = down;
  const bool alt = KeyDownFlag(VK_MENU);
  const bool sys = (alt || vk == VK_MENU) && !KeyDownFlag(VK_CONTROL);
  LPARAM lParam = (down ? (repeat & kRepeatMask) : 1) |
                  static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(vk), MAPVK_VK_TO_VSC) << kScanCodeShift);
  if (IsExtendedKey(vk)) lParam |= kExtendedBit;
  if (alt) lParam |= kContextBit;
  if (wasDown) lParam |= kPreviousStateBit;
  if (!down) lParam |= kTransitionBit;
  const UINT message = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
  const HWND target = state.focus ? state.focus : state.active;
  Post(target, message, static_cast<WPARAM>(vk), lParam);
}

}  // namespace win32::userimpl

BOOL GetCursorPos(LPPOINT pt) {
  if (!pt) return FALSE;
  *pt = State().cursor;
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  RouteMouseMove(POINT{x, y});
  return TRUE;
}

HWND SetCapture(HWND hwnd) {
  auto& state = State();
  const HWND old = state.capture;
  if (!Find(hwnd) || old == hwnd) return old;
  state.capture = hwnd;
  if (WindowRecord* o = Find(old)) Send(o, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  return old;
}

BOOL ReleaseCapture() {
  auto& state = State();
  const HWND old = state.capture;
  state.capture = nullptr;
  if (WindowRecord* o = Find(old)) Send(o, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() { return State().capture; }

UINT GetDoubleClickTime() { return kDoubleClickTime; }
