// The demo's host form in the style of a document editor: the menu-bar control across the
// top, a white document below it (right-click opens the context menu), the event log on
// the right and a status line at the bottom. Every event the control raises becomes one
// line (see EventLine) that goes to the log, the status line and the caller. The demo
// application shows it in a real window; the gallery renders it headless.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "container/Form.h"
#include "core/MirelMenuBar20.h"
#include "demo_form/DemoCommands.h"
#include "demo_form/DemoEditBox.h"
#include "demo_form/DemoIcons.h"
#include "demo_form/EventLine.h"
#include "demo_form/TextPane.h"

struct DemoFormOptions {
  int width = 1024;  // pixels; the form fills the screen from its top-left corner
  int height = 700;
  std::string iconFolder = kTangoIconFolder;
  ctsVisualStyleConstants visualStyle = tsMS2003;
  ctsThemes theme = XPBlue;
  // Settings saved by an earlier run (SaveSettings): they replace style and theme above.
  PropertyBag* saved = nullptr;
};

class DemoForm {
 public:
  // Builds the form on the current desktop and shows it. `onEvent` receives every event line.
  DemoForm(const DemoFormOptions& options, std::function<void(const std::string&)> onEvent);
  ~DemoForm();
  DemoForm(const DemoForm&) = delete;
  DemoForm& operator=(const DemoForm&) = delete;

  HWND hWnd() const { return m_Form.hWnd(); }
  MirelMenuBar20& Bar() { return *m_Bar; }
  // Writes the control's settings and where each band lies (after dragging) into `bag`.
  void SaveSettings(PropertyBag& bag);

 private:
  static LRESULT HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void LayoutPanes();
  void ShowEvent(const std::string& line);
  void ShowContextMenu(POINT screenPt);
  // Puts each band on the line and at the position `saved` holds for it.
  void RestoreBandPlaces(PropertyBag& saved);

  std::function<void(const std::string&)> m_OnEvent;
  DemoIcons m_Icons;
  Form m_Form;
  LONG m_FormProc = 0;
  TextPane m_Document;
  TextPane m_Log;
  TextPane m_Status;
  std::shared_ptr<MirelMenuBar20> m_Bar;
  std::shared_ptr<DemoEditBox> m_SizeBox;
  EventLine m_EventLine;
  std::unique_ptr<DemoCommands> m_Commands;
};
