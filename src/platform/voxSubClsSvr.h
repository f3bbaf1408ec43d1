// The subclassing server: delivers chosen messages of any window to ISubclass objects while
// the window's own procedure keeps running. Each window with attachments is subclassed once
// (GWL_WNDPROC) and keeps a map from message to the objects attached to it.
#pragma once
#include <cstddef>
#include <map>
#include <vector>

#include "platform/ISubclass.h"
#include "win32/windows.h"

class voxSubClsSvr {
 public:
  // The one server of the process.
  static voxSubClsSvr& Instance();

  voxSubClsSvr(const voxSubClsSvr&) = delete;
  voxSubClsSvr& operator=(const voxSubClsSvr&) = delete;

  // Each call adds one attachment of (object, window, message); attaching the same triple
  // again only counts, so the object still sees the message once and each detach undoes one
  // attach. Windows that do not exist are ignored.
  void AttachWindowMessage(ISubclass* oSubclass, HWND hWnd, UINT iMsg);
  // Undoes one attachment. When a window's last attachment goes, its original procedure is
  // restored; if another subclasser has since stacked its procedure on top, the server stays
  // in the chain as a pass-through and restores the original once it is on top again.
  void DetachWindowMessage(ISubclass* oSubclass, HWND hWnd, UINT iMsg);

  // Number of (object, window, message) attachments in place, counting repeats.
  std::size_t AttachmentCount() const;
  // Whether the server's procedure is in the window's chain.
  bool IsSubclassed(HWND hWnd) const;

 private:
  struct Client {
    ISubclass* object;
    int attachCount;
  };
  struct WindowEntry {
    LONG lOriginalProc = 0;
    std::map<UINT, std::vector<Client>> messages;
  };

  voxSubClsSvr() = default;

  static LRESULT SubclassProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam);
  bool IsAttached(HWND hWnd, UINT iMsg, const ISubclass* oSubclass) const;
  // Puts the original procedure back when the server's procedure is on top; true if it did.
  bool TryRestore(HWND hWnd);

  std::map<HWND, WindowEntry> m_Windows;
};
