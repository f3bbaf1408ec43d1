// DropPanel: the panel a drop-down tool opens, a child window that its host (MirelDrop) moves
// into a pop-up while it shows. It is a colour picker (a palette page with the 48 predefined
// colours and two custom rows, a "More Colors" button driving the system's colour dialog, and
// a system-colour page: a windowless list with its scroll bar) or an icon grid built from a
// drop-down record, the cell under the mouse drawn hot in the visual style's look. It answers the mouse
// itself; keys reach it through the keyboard hook while it shows (its focus sink, excr); what
// the user picks goes to its host. It keeps the palette's custom cells and the names of the
// system colours for its whole life.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/ImageListSlot.h"
#include "container/Ole.h"
#include "container/Timer.h"
#include "drop/CWlessListBox.h"
#include "drop/CommonDialog.h"
#include "drop/DropColors.h"
#include "drop/DropPanelLayout.h"
#include "drop/DropRecords.h"
#include "drop/IListBoxOwner.h"
#include "drop/IVScrollOwner.h"
#include "drop/MirelVScroll.h"
#include "platform/IKeyboardHookClient.h"
#include "render/ToolTipTimer.h"
#include "render/cMemDC.h"
#include "render/modThemes.h"
#include "win32/windows.h"

namespace styles {
struct Palette;
}

class StdFont;

enum eDropPanelKind : std::int16_t { dpkNone = 0, dpkIconGrid = 1, dpkColorPicker = 2 };

// What the host hands the panel when it prepares it.
struct tDropPanelSetup {
  std::int16_t iKind = dpkNone;
  std::int16_t iTool = 0;  // the tool that opened the panel, and its band
  std::string sToolKey;
  std::int16_t iBand = 0;
  SIZE size{};        // the panel, pixels
  POINT screen{};     // where it shows
  OLE_COLOR lColor = 0;  // the colour the tool shows now
  std::shared_ptr<StdFont> oFont;
  OLE_COLOR lForeColor = 0;
  std::string sLocalMoreColors;
  std::string sLocalPalette;
  std::string sLocalSystem;
  ctsThemes eTheme = XPBlue;
  ctsVisualStyleConstants eStyle = tsMS2003;
  std::int32_t lToolTipPreTime = 0;  // the icons' tip delays, milliseconds
  std::int32_t lToolTipPostTime = 0;
  // The icon grid: a copy of the drop-down, its image list and the cell size.
  tDropDownItemInfo DropDown;
  tImageListSlot Icons;
  SIZE cell{};
};

// What the panel tells its host.
class IDropPanelEvents {
 public:
  virtual ~IDropPanelEvents() = default;
  // Keeps the host alive while the panel's code runs on after a report.
  virtual std::shared_ptr<void> KeepAlive() = 0;
  virtual void ColorChosen(OLE_COLOR lColor) = 0;
  virtual void IconClicked(int iIcon, const std::string& sIconKey) = 0;
  // The mouse over icon iIcon: the runtime's Button and Shift, the point in screen twips.
  virtual void IconMouseMove(int iIcon, const std::string& sIconKey, std::int16_t Button, std::int16_t Shift, float X,
                             float Y) = 0;
  virtual void ColorDialogOpened() = 0;
  virtual void ColorDialogClosed() = 0;
  // A button went down on the grid or a page, before the panel does anything with it.
  virtual void PanelPressed() = 0;
  // Esc: the panel is to close without a pick.
  virtual void PanelCancelled() = 0;
  // The host may rename the system colours (28 names, in their order).
  virtual void PredefinedColorStrings(std::vector<std::string>& sStrings) = 0;
  // The control's one tip window, for the icons' tips.
  virtual bool ShowIconTip(const std::string& sText) = 0;
  virtual void HideIconTip() = 0;
};

class DropPanel final : public IKeyboardHookClient, private IListBoxOwner, private IVScrollOwner {
 public:
  static constexpr const char* kClassName = "DropPanel";
  static constexpr const char* kObjectPtrProp = "DropPanel:ObjectPtr";
  static constexpr const char* kMoreColorsText = "More Colors";
  static constexpr const char* kPaletteText = "Palette";
  static constexpr const char* kSystemText = "System";
  enum ePage : int { kPalettePage = 0, kSystemPage = 1 };

  // A hidden panel window inside hWndParent.
  DropPanel(HWND hWndParent, IDropPanelEvents& events);
  ~DropPanel() override;
  DropPanel(const DropPanel&) = delete;
  DropPanel& operator=(const DropPanel&) = delete;

  HWND hWnd() const { return m_hWnd; }
  // Whether hWnd is the panel's window or one inside it.
  bool IsHwnd(HWND hWnd) const;

  // Prepares the panel for `setup` (a colour picker asks for the system colours' names),
  // sizes it and paints it; a kind other than the two prepares nothing.
  void Prepare(tDropPanelSetup setup);
  // The panel is going: hover, press and tips end, keys go back to their owners.
  void ResetPanel();
  // Keys go to the panel while it shows.
  void StartKeys();
  // The shadow of the visual style and theme: what the screen holds under the panel's last
  // columns and rows, darkened. Drawn while the panel is still hidden; it stays until it closes.
  void DrawShadows();

  // ---- what it shows ----
  const tDropPanelSetup& Setup() const { return m_Setup; }
  OLE_COLOR Colors(int c, int r) const { return m_Palette[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]; }
  const std::vector<std::string>& SystemNames() const { return m_SystemNames; }
  ePage Page() const { return m_ePage; }
  void SetPage(ePage ePage);
  std::optional<DropPanelLayout::tCell> CurrentCell() const { return m_Current; }
  const CWlessListBox& SystemList() const { return m_List; }
  const MirelVScroll& VScroll() const { return *m_VScroll; }
  // The icon under the mouse or chosen by the arrows, and the one a button went down on.
  int HotIcon() const { return m_iHotIcon; }
  int PressedIcon() const { return m_iPressedIcon; }
  bool DialogOpen() const { return m_bDialogOpen; }
  std::string MoreColorsText() const;
  // The caption of a page's tab: the local text when the host gave one.
  std::string TabCaption(ePage ePage) const;
  HDC hdc() const { return m_Surface.hdc(); }
  // The panel without its shadow, in its client pixels.
  RECT Body() const { return DropPanelLayout::Body(m_Setup.size); }
  // Translates an OLE colour (a system colour's index too) into the colour drawn.
  static COLORREF TranslateColor(OLE_COLOR lColor);

  // ---- input (panel client pixels) ----
  void MouseMove(std::int16_t Button, std::int16_t Shift, POINT pt);
  void MouseDown(std::int16_t Button, std::int16_t Shift, POINT pt);
  // The focus sink's button-up and keys.
  void excr_MouseUp(std::int16_t Button, std::int16_t Shift, POINT pt);
  void excr_KeyDown(std::int16_t iKeyCode, std::int16_t Shift);
  void HookKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled) override;

  // Paints the whole panel into its surface and the window.
  void Render();

 private:
  static LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam);
  void OnLeavePollTick();
  void StartLeavePoll();
  void PressMoreColors();
  void PickCurrent();
  void MoveCurrent(int dc, int dr);
  void SetCurrent(std::optional<DropPanelLayout::tCell> cell);
  // The panel's background and border; answers the palette the rest is drawn with.
  const styles::Palette& PaintBody(HDC hdc) const;
  void PaintColorPicker(HDC hdc) const;
  void PaintIconGrid(HDC hdc) const;
  void Present();

  // The system page: the list of system colours and its scroll bar.
  void PrepareSystemPage();
  void ShowSystemPage(bool bShow);
  void PickSystemColor();
  bool OnList(POINT pt) const;
  // A panel point relative to the list's top-left corner.
  static POINT ToList(POINT pt);
  void ListClick() override {}
  void ListKeyDown(std::int16_t /*iKeyCode*/, std::int16_t /*iShift*/) override {}
  void ListKeyPress(std::int16_t /*iKeyAscii*/) override {}
  void ListKeyUp(std::int16_t /*iKeyCode*/, std::int16_t /*iShift*/) override {}
  void ListMouseDown(std::int16_t /*iButton*/, std::int16_t /*iShift*/, float /*x*/, float /*y*/) override {}
  void ListMouseMove(std::int16_t /*iButton*/, std::int16_t /*iShift*/, float /*x*/, float /*y*/) override {}
  void ListMouseUp(std::int16_t /*iButton*/, std::int16_t /*iShift*/, float /*x*/, float /*y*/) override {}
  void ListTopIndexChanged(std::int32_t lTopIndex) override;
  void VScrollChange(MirelVScroll& scroll) override;
  void VScrollScroll(MirelVScroll& scroll) override;
  void VScrollEnd(MirelVScroll& /*scroll*/) override {}

  // The icon grid.
  POINT ToGrid(POINT pt) const;
  int IconAt(POINT pt) const;
  const tDropToolItemInfo& Icon(int iIcon) const;
  bool IconEnabled(int iIcon) const;
  void IconMouseMove(std::int16_t Button, std::int16_t Shift, POINT pt);
  void IconMouseDown(POINT pt);
  void IconMouseUp(POINT pt);
  void MoveHotIcon(int iStep);
  void SetHotIcon(int iIcon);

  HWND m_hWnd = nullptr;
  IDropPanelEvents& m_Events;
  tDropPanelSetup m_Setup;
  tPalette m_Palette = PredefinedPalette();
  std::vector<std::string> m_SystemNames = SystemColorNames();
  CommonDialog m_Dialog;
  cMemDC m_Surface;
  ePage m_ePage = kPalettePage;
  std::optional<DropPanelLayout::tCell> m_Current;
  bool m_bButtonHot = false;
  bool m_bDialogOpen = false;
  bool m_bLeavePoll = false;
  bool m_bKeys = false;
  CWlessListBox m_List{static_cast<IListBoxOwner&>(*this)};
  std::unique_ptr<MirelVScroll> m_VScroll;
  int m_iHotIcon = 0;
  int m_iPressedIcon = 0;
  Timer m_ToolTipPreTimer;
  Timer m_ToolTipPostTimer;
  Timer m_TipDisplayTimer;
  ToolTipTimer m_ToolTips{m_ToolTipPreTimer, m_ToolTipPostTimer, m_TipDisplayTimer,
                          [this](const std::string& sText) { return m_Events.ShowIconTip(sText); },
                          [this] { m_Events.HideIconTip(); }};
};
