#include "container/MdiForm.h"

#include "container/WindowClass.h"
#include "win32/windows.h"

namespace {

constexpr char kFrameClass[] = "MirelMdiFrame";
constexpr char kClientClass[] = "MDIClient";
constexpr char kObjectProperty[] = "MirelMdiForm:ObjectPtr";

LRESULT FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The client window always fills the frame.
  if (msg == WM_SIZE) {
    if (HWND client = GetWindow(hwnd, GW_CHILD)) MoveWindow(client, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

MdiForm::MdiForm(const std::string& caption, int left, int top, int width, int height) {
  EnsureWindowClass<&FrameProc>(kFrameClass);
  RegisterWindowClass(kClientClass, &DefWindowProcA, 0);
  m_hWnd = CreateWindowExA(0, kFrameClass, caption.c_str(), WS_OVERLAPPED | WS_CLIPCHILDREN | WS_VISIBLE, left, top,
                           width, height, nullptr, nullptr, nullptr, nullptr);
  SetPropA(m_hWnd, kObjectProperty, this);
  m_hClient = CreateWindowExA(WS_EX_CLIENTEDGE, kClientClass, "", WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0,
                              width, height, m_hWnd, nullptr, nullptr, nullptr);
}

MdiForm::~MdiForm() { DestroyOwnWindow(m_hWnd, kObjectProperty, this); }
