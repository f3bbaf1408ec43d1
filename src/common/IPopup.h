// An open pop-up window as the pop-up stack sees it: a menu window now, the drop panel later.
#pragma once
#include "win32/windows.h"

class IPopup {
 public:
  virtual ~IPopup() = default;
  virtual HWND PopupWindow() const = 0;
  // Closes the window; the stack has let go of the pop-up when this returns.
  virtual void ClosePopup() = 0;
};
