// An MDI frame: a top-level window whose client area is an MDI client window; MDI child
// forms are children of that client window, so GetParent walks child form -> MDI client ->
// frame.
#pragma once
#include <string>

#include "win32/types.h"

class MdiForm {
 public:
  explicit MdiForm(const std::string& caption = "MDIForm1", int left = 0, int top = 0, int width = 800,
                   int height = 600);
  ~MdiForm();
  MdiForm(const MdiForm&) = delete;
  MdiForm& operator=(const MdiForm&) = delete;

  HWND hWnd() const { return m_hWnd; }
  HWND ClientHwnd() const { return m_hClient; }

 private:
  HWND m_hWnd = nullptr;
  HWND m_hClient = nullptr;
};
