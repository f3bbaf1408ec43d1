// The colour dialog (ChooseColorA): a modal top-level window with its own message loop.
// The owner is disabled while it runs. Keys: arrows move the selection, Enter accepts,
// Esc cancels; a click picks a swatch or presses a button. Headless, the loop feeds the
// key presses queued for it and cancels when nothing is left to do.
#include <algorithm>
#include <utility>

#include "win32/user/ColorDialogView.h"
#include "win32/user/UserInternals.h"

using namespace win32::userimpl;

namespace {

constexpr char kDialogClass[] = "#32770";
constexpr char kDialogTitle[] = "Color";
constexpr int kFirstCustom = kBasicColorCount;

enum class Outcome { Pending, Accepted, Cancelled };

struct DialogSession {
  ColorDialogModel model;
  Outcome outcome = Outcome::Pending;
};

DialogSession* session = nullptr;

int FindSwatch(const ColorDialogModel& model, COLORREF color) {
  for (int i = 0; i < kBasicColorCount; ++i) {
    if (BasicColor(i) == color) return i;
  }
  for (int i = 0; i < kCustomColorCount; ++i) {
    if (model.custom[static_cast<size_t>(i)] == color) return kFirstCustom + i;
  }
  return -1;
}

COLORREF SwatchColor(const ColorDialogModel& model, int index) {
  return index < kBasicColorCount ? BasicColor(index) : model.custom[static_cast<size_t>(index - kFirstCustom)];
}

void Select(HWND hwnd, int index) {
  session->model.selected = std::clamp(index, 0, kSwatchCount - 1);
  session->model.color = SwatchColor(session->model, session->model.selected);
  InvalidateRect(hwnd, nullptr, FALSE);
}

void Finish(HWND hwnd, Outcome outcome) {
  session->outcome = outcome;
  DestroyWindow(hwnd);
}

void OpenFull(HWND hwnd) {
  session->model.fullOpen = true;
  const SIZE size = ColorDialogSize(true);
  SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT OnPaint(HWND hwnd) {
  PAINTSTRUCT ps{};
  HDC hdc = BeginPaint(hwnd, &ps);
  PaintColorDialog(hdc, session->model);
  EndPaint(hwnd, &ps);
  return 0;
}

LRESULT OnKeyDown(HWND hwnd, WPARAM vk) {
  const int selected = session->model.selected;
  switch (static_cast<int>(vk)) {
    case VK_LEFT: Select(hwnd, selected - 1); break;
    case VK_RIGHT: Select(hwnd, selected + 1); break;
    case VK_UP: Select(hwnd, selected - kSwatchColumns); break;
    case VK_DOWN: Select(hwnd, selected + kSwatchColumns); break;
    case VK_RETURN: Finish(hwnd, Outcome::Accepted); break;
    case VK_ESCAPE: Finish(hwnd, Outcome::Cancelled); break;
    default: break;
  }
  return 0;
}

LRESULT OnLButtonDown(HWND hwnd, LPARAM lParam) {
  const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (const int swatch = SwatchAt(pt); swatch >= 0) {
    Select(hwnd, swatch);
    return 0;
  }
  switch (ButtonAt(pt, session->model)) {
    case DialogButton::Ok: Finish(hwnd, Outcome::Accepted); break;
    case DialogButton::Cancel: Finish(hwnd, Outcome::Cancelled); break;
    case DialogButton::DefineCustom: OpenFull(hwnd); break;
    case DialogButton::None: break;
  }
  return 0;
}

LRESULT OnClose(HWND hwnd) {
  Finish(hwnd, Outcome::Cancelled);
  return 0;
}

LRESULT DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: return OnPaint(hwnd);
    case WM_KEYDOWN: return OnKeyDown(hwnd, wParam);
    case WM_LBUTTONDOWN: return OnLButtonDown(hwnd, lParam);
    case WM_CLOSE: return OnClose(hwnd);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

void EnsureClass() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DialogProc;
  wc.lpszClassName = kDialogClass;
  RegisterClassA(&wc);  // already registered after the first dialog of a desktop
}

// Centred over the owner (or the screen), kept on the screen.
POINT DialogPosition(HWND owner, SIZE size) {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner) GetWindowRect(owner, &area);
  const int x = std::max(0, (area.left + area.right - size.cx) / 2);
  const int y = std::max(0, (area.top + area.bottom - size.cy) / 2);
  return POINT{x, y};
}

// Runs until the dialog is gone; feeds queued keys when idle and cancels when nothing is left.
void RunModalLoop(HWND dialog) {
  auto& state = State();
  MSG msg{};
  while (IsWindow(dialog)) {
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        break;
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
      continue;
    }
    if (!state.modalKeys.empty()) {
      const int vk = state.modalKeys.front();
      state.modalKeys.pop_front();
      RouteKey(vk, true, 1);
      RouteKey(vk, false, 1);
      continue;
    }
    if (!state.waitForEvents || !state.waitForEvents()) break;
  }
  if (IsWindow(dialog)) Finish(dialog, Outcome::Cancelled);
}

}  // namespace

BOOL ChooseColorA(CHOOSECOLORA* cc) {
  State().commDlgError = 0;
  if (!cc || cc->lStructSize != sizeof(CHOOSECOLORA)) {
    State().commDlgError = CDERR_STRUCTSIZE;
    return FALSE;
  }
  if (cc->hwndOwner && !IsWindow(cc->hwndOwner)) {
    State().commDlgError = CDERR_INITIALIZATION;
    return FALSE;
  }
  DialogSession current;
  ColorDialogModel& model = current.model;
  if (cc->lpCustColors) std::copy_n(cc->lpCustColors, kCustomColorCount, model.custom.begin());
  model.fullOpen = (cc->Flags & CC_FULLOPEN) != 0;
  model.canOpenFull = (cc->Flags & CC_PREVENTFULLOPEN) == 0;
  model.color = (cc->Flags & CC_RGBINIT) ? cc->rgbResult : BasicColor(0);
  model.selected = std::max(0, FindSwatch(model, model.color));

  DialogSession* outer = std::exchange(session, &current);
  EnsureClass();
  const SIZE size = ColorDialogSize(model.fullOpen);
  const POINT pos = DialogPosition(cc->hwndOwner, size);
  const bool ownerWasEnabled = cc->hwndOwner && IsWindowEnabled(cc->hwndOwner);
  if (ownerWasEnabled) EnableWindow(cc->hwndOwner, FALSE);
  HWND dialog = CreateWindowExA(WS_EX_DLGMODALFRAME, kDialogClass, kDialogTitle, WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                pos.x, pos.y, size.cx, size.cy, cc->hwndOwner, nullptr, nullptr, nullptr);
  if (dialog) RunModalLoop(dialog);
  if (ownerWasEnabled) {
    EnableWindow(cc->hwndOwner, TRUE);
    SetActiveWindow(cc->hwndOwner);
  }
  session = outer;
  if (!dialog) {
    State().commDlgError = CDERR_INITIALIZATION;
    return FALSE;
  }
  if (current.outcome != Outcome::Accepted) return FALSE;
  cc->rgbResult = current.model.color;
  return TRUE;
}

DWORD CommDlgExtendedError() { return State().commDlgError; }
