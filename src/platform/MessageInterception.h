// A menu-bar control's message interception at run time: the messages it watches on its host's
// windows and its own window (through the subclassing server) and its keyboard-hook
// registration. Start when run time begins, Stop at Terminate; Stop also runs on destruction.
#pragma once
#include <vector>

#include "platform/ISubclass.h"
#include "platform/mHooks.h"
#include "win32/types.h"

// The windows a menu-bar control watches.
struct InterceptedWindows {
  HWND hWndControl = nullptr;
  // The form holding the control; for an MDI child form the MDI frame (the form's parent's
  // parent) is watched instead.
  HWND hWndForm = nullptr;
  bool bFormIsMDIChild = false;
  // The host's top-level window.
  HWND hWndTop = nullptr;
};

class MessageInterception {
 public:
  MessageInterception() = default;
  MessageInterception(const MessageInterception&) = delete;
  MessageInterception& operator=(const MessageInterception&) = delete;
  ~MessageInterception() { Stop(); }

  // The control's window property must hold a Control*, which is how the hook finds it.
  template <class Control>
  void Start(Control& control, const InterceptedWindows& windows) {
    Start(control, &mHooks::ResolveAs<Control>, windows);
  }
  void Start(ISubclass& control, mHooks::ClientResolver resolve, const InterceptedWindows& windows);
  void Stop();

  bool Active() const { return m_hWndHookClient != nullptr; }

 private:
  struct Attachment {
    ISubclass* object;
    HWND hWnd;
    UINT iMsg;
  };

  void Attach(ISubclass& control, HWND hWnd, const std::vector<UINT>& messages);

  std::vector<Attachment> m_Attachments;
  HWND m_hWndHookClient = nullptr;
};
