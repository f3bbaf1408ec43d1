// A plain child window of the demo form that shows a bold title and lines of text: the
// document area, the status line and the event log are all text panes. A pane that keeps
// to its newest lines shows the last ones that fit, so the log reads like a console.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "win32/windows.h"

struct TextPaneLook {
  COLORREF back = RGB(0xFF, 0xFF, 0xFF);
  COLORREF text = RGB(0x00, 0x00, 0x00);
  COLORREF border = CLR_INVALID;  // none
  bool newestLast = false;        // show the last lines that fit instead of the first
  std::size_t maxLines = 0;       // 0: keep every line
};

// How a pane's lines (not its title) are written.
struct TextFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  UINT align = DT_LEFT;  // DT_LEFT, DT_CENTER or DT_RIGHT
  COLORREF color = CLR_INVALID;      // the look's text colour
  COLORREF highlight = CLR_INVALID;  // behind the text; none
};

class TextPane {
 public:
  TextPane(HWND parent, TextPaneLook look);
  ~TextPane();
  TextPane(const TextPane&) = delete;
  TextPane& operator=(const TextPane&) = delete;

  HWND hWnd() const { return m_hWnd; }
  void Move(const RECT& rect);
  void SetTitle(std::string title);
  void SetLines(std::vector<std::string> lines);
  void AddLine(std::string line);
  const TextFormat& Format() const { return m_Format; }
  void SetFormat(const TextFormat& format);
  // The height in pixels that shows `lines` lines and no title.
  int FittingHeight(int lines) const;
  // Called with the screen pixel where the right button was released over the pane.
  void OnRightClick(std::function<void(POINT)> handler) { m_OnRightClick = std::move(handler); }
  // Makes the pane take the focus when clicked and add the characters typed into it to its
  // last line; the handler hears each one.
  void OnTyped(std::function<void(char)> handler) { m_OnTyped = std::move(handler); }

 private:
  static LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Paint();
  void RightButtonUp(LPARAM lParam);
  void Type(char ch);

  TextPaneLook m_Look;
  TextFormat m_Format;
  HWND m_hWnd = nullptr;
  std::string m_Title;
  std::vector<std::string> m_Lines;
  std::function<void(POINT)> m_OnRightClick;
  std::function<void(char)> m_OnTyped;
};
