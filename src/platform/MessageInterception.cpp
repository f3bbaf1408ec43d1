#include "platform/MessageInterception.h"

#include "platform/voxSubClsSvr.h"
#include "win32/windows.h"

namespace {

// Messages that close open menus when they reach the host form: activation, mouse activation,
// size tracking, capture changes and button presses elsewhere on the form.
const std::vector<UINT> kFormMessages = {WM_ACTIVATE,      WM_ACTIVATEAPP, WM_MOUSEACTIVATE,
                                         WM_GETMINMAXINFO, WM_LBUTTONDOWN, WM_RBUTTONDOWN,
                                         WM_MBUTTONDOWN,   WM_CAPTURECHANGED};
// The top-level window is also watched for being hidden.
const std::vector<UINT> kTopWindowExtraMessages = {WM_SHOWWINDOW};
// The control's own window: mouse moves (hot tracking), timers and destruction.
const std::vector<UINT> kControlMessages = {WM_MOUSEMOVE, WM_TIMER, WM_DESTROY};

HWND WatchedForm(const InterceptedWindows& windows) {
  return windows.bFormIsMDIChild ? GetParent(GetParent(windows.hWndForm)) : windows.hWndForm;
}

}  // namespace

void MessageInterception::Start(ISubclass& control, mHooks::ClientResolver resolve,
                                const InterceptedWindows& windows) {
  Stop();
  Attach(control, WatchedForm(windows), kFormMessages);
  Attach(control, windows.hWndTop, kFormMessages);
  Attach(control, windows.hWndTop, kTopWindowExtraMessages);
  Attach(control, windows.hWndControl, kControlMessages);
  mHooks::AddHookClient(windows.hWndControl, mHooks::hckMenuBar, resolve);
  m_hWndHookClient = windows.hWndControl;
}

void MessageInterception::Stop() {
  for (const Attachment& attachment : m_Attachments)
    voxSubClsSvr::Instance().DetachWindowMessage(attachment.object, attachment.hWnd, attachment.iMsg);
  m_Attachments.clear();
  if (m_hWndHookClient != nullptr) mHooks::RemoveHookClient(m_hWndHookClient);
  m_hWndHookClient = nullptr;
}

void MessageInterception::Attach(ISubclass& control, HWND hWnd, const std::vector<UINT>& messages) {
  for (UINT iMsg : messages) {
    voxSubClsSvr::Instance().AttachWindowMessage(&control, hWnd, iMsg);
    m_Attachments.push_back({&control, hWnd, iMsg});
  }
}
