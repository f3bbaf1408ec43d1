#include "drop/DropPanel.h"

#include <algorithm>
#include <utility>

#include "common/MouseLeavePoll.h"
#include "common/ScopedDC.h"
#include "container/MouseButtons.h"
#include "container/WindowClass.h"
#include "platform/mHooks.h"
#include "render/ShadowStrip.h"
#include "render/modDrawHelpers.h"
#include "render/styles/Palette.h"

namespace {

constexpr std::int32_t kMoreColorsFlags = CC_FULLOPEN | CC_ANYCOLOR;

}  // namespace

DropPanel::DropPanel(HWND hWndParent, IDropPanelEvents& events) : m_Events(events) {
  EnsureWindowClass<&WindowProc>(kClassName);
  m_hWnd = CreateWindowExA(0, kClassName, "", WS_CHILD, 0, 0, 1, 1, hWndParent, nullptr, nullptr, nullptr);
  SetPropA(m_hWnd, kObjectPtrProp, this);
  m_VScroll = std::make_unique<MirelVScroll>(m_hWnd, DropPanelLayout::ScrollBarRect(), static_cast<IVScrollOwner&>(*this));
  const RECT list = DropPanelLayout::ListRect();
  m_List.SetDropHwnd(m_hWnd);
  m_List.Move(list.left, list.top, list.right - list.left, list.bottom - list.top);
  ShowSystemPage(false);
}

DropPanel::~DropPanel() {
  ResetPanel();
  m_VScroll.reset();
  DestroyOwnWindow(m_hWnd, kObjectPtrProp, this);
}

bool DropPanel::IsHwnd(HWND hWnd) const { return hWnd != nullptr && (hWnd == m_hWnd || IsChild(m_hWnd, hWnd)); }

COLORREF DropPanel::TranslateColor(OLE_COLOR lColor) { return TranslateOleColor(lColor); }

std::string DropPanel::MoreColorsText() const {
  return m_Setup.sLocalMoreColors.empty() ? kMoreColorsText : m_Setup.sLocalMoreColors;
}

std::string DropPanel::TabCaption(ePage ePage) const {
  const std::string& sLocal = ePage == kPalettePage ? m_Setup.sLocalPalette : m_Setup.sLocalSystem;
  if (!sLocal.empty()) return sLocal;
  return ePage == kPalettePage ? kPaletteText : kSystemText;
}

// ---- preparing and closing ----

void DropPanel::Prepare(tDropPanelSetup setup) {
  m_Setup = std::move(setup);
  m_Current.reset();
  m_bButtonHot = false;
  m_iHotIcon = m_iPressedIcon = 0;
  m_ToolTips.SetPreDelay(static_cast<std::int16_t>(m_Setup.lToolTipPreTime));
  m_ToolTips.SetPostDelay(static_cast<std::int16_t>(m_Setup.lToolTipPostTime));
  if (m_Setup.iKind == dpkColorPicker) {
    std::vector<std::string> sStrings = m_SystemNames;
    m_Events.PredefinedColorStrings(sStrings);
    sStrings.resize(kSystemColorCount);
    m_SystemNames = std::move(sStrings);
    PrepareSystemPage();
  }
  MoveWindow(m_hWnd, 0, 0, m_Setup.size.cx, m_Setup.size.cy, FALSE);
  m_Surface.ChangeSize(std::max<LONG>(1, m_Setup.size.cx), std::max<LONG>(1, m_Setup.size.cy));
  ShowSystemPage(m_Setup.iKind == dpkColorPicker && m_ePage == kSystemPage);
  Render();
}

void DropPanel::StartKeys() {
  if (m_bKeys) return;
  m_bKeys = true;
  mHooks::AddHookClient<DropPanel>(m_hWnd, mHooks::hckDropPanel);
}

// The bottom strip first: the right one, drawn last, owns the corner.
void DropPanel::DrawShadows() {
  RECT window{};
  GetWindowRect(m_hWnd, &window);
  const ScopedDC screen(nullptr);
  const POINT origin{window.left, window.top};
  const RECT body = Body();
  const auto& factors = styles::PaletteFor(m_Setup.eStyle, m_Setup.eTheme).ShadowFactors;
  DrawEdgeShadow(m_Surface.hdc(), screen.hdc(), origin, m_Setup.size, ShadowEdge::Bottom, body.bottom,
                 DropPanelLayout::kShadowUndarkened, factors);
  DrawEdgeShadow(m_Surface.hdc(), screen.hdc(), origin, m_Setup.size, ShadowEdge::Right, body.right,
                 DropPanelLayout::kShadowUndarkened, factors);
}

void DropPanel::ResetPanel() {
  if (std::exchange(m_bKeys, false)) mHooks::RemoveHookClient(m_hWnd);
  if (std::exchange(m_bLeavePoll, false)) KillTimer(m_hWnd, MouseLeavePoll::kTimerId);
  if (GetCapture() == m_hWnd) ReleaseCapture();
  m_ToolTips.ResetTips();
  m_Current.reset();
  m_bButtonHot = false;
  m_iHotIcon = m_iPressedIcon = 0;
}

void DropPanel::SetPage(ePage ePage) {
  if (ePage == m_ePage) return;
  m_ePage = ePage;
  m_Current.reset();
  m_bButtonHot = false;
  ShowSystemPage(m_ePage == kSystemPage);
  Render();
}

// ---- the mouse ----

void DropPanel::StartLeavePoll() {
  if (std::exchange(m_bLeavePoll, true)) return;
  MouseLeavePoll::Start(m_hWnd);
}

// The hot cell and the hot button go when the mouse leaves the panel.
void DropPanel::OnLeavePollTick() {
  if (!MouseLeavePoll::StopIfLeft(m_hWnd)) return;
  m_bLeavePoll = false;
  m_ToolTips.ResetTips();
  if (!m_Current && !m_bButtonHot && m_iHotIcon == 0) return;
  m_Current.reset();
  m_bButtonHot = false;
  m_iHotIcon = 0;
  Render();
}

void DropPanel::MouseMove(std::int16_t Button, std::int16_t Shift, POINT pt) {
  StartLeavePoll();
  if (m_Setup.iKind == dpkIconGrid) {
    IconMouseMove(Button, Shift, pt);
    return;
  }
  if (m_Setup.iKind != dpkColorPicker) return;
  if (m_ePage == kSystemPage) {
    if (OnList(pt)) m_List.HitTest(eListMouse::Move, Button, Shift, ToList(pt).x, ToList(pt).y);
    return;
  }
  const POINT page = DropPanelLayout::ToPage(pt);
  const RECT rcPage = DropPanelLayout::PageRect();
  const bool bOnPage = PtInRect(&rcPage, pt) != FALSE;
  const bool bButtonHot = bOnPage && DropPanelLayout::InButtonStrip(page.y);
  // The current cell stays while the mouse is on the button: "More Colors" fills it.
  const auto cell = bOnPage ? DropPanelLayout::CellAt(page) : std::nullopt;
  const auto current = bButtonHot ? m_Current : cell;
  if (current == m_Current && bButtonHot == m_bButtonHot) return;
  m_Current = current;
  m_bButtonHot = bButtonHot;
  Render();
}

void DropPanel::MouseDown(std::int16_t Button, std::int16_t Shift, POINT pt) {
  m_Events.PanelPressed();
  SetCapture(m_hWnd);  // the release comes back here wherever it happens
  if (m_Setup.iKind == dpkIconGrid) {
    IconMouseDown(pt);
    return;
  }
  if (m_Setup.iKind != dpkColorPicker) return;
  if (const auto tab = DropPanelLayout::TabAt(pt, Body().right)) {
    SetPage(static_cast<ePage>(*tab));
  } else if (m_ePage == kSystemPage && OnList(pt)) {
    m_List.HitTest(eListMouse::Down, Button, Shift, ToList(pt).x, ToList(pt).y);
  }
}

void DropPanel::excr_MouseUp(std::int16_t Button, std::int16_t Shift, POINT pt) {
  const auto hold = m_Events.KeepAlive();
  if (GetCapture() == m_hWnd) ReleaseCapture();
  if (m_Setup.iKind == dpkIconGrid) {
    IconMouseUp(pt);
    return;
  }
  if (m_Setup.iKind != dpkColorPicker) return;
  if (m_ePage == kSystemPage) {
    if (!OnList(pt)) return;
    m_List.HitTest(eListMouse::Up, Button, Shift, ToList(pt).x, ToList(pt).y);
    PickSystemColor();
    return;
  }
  const RECT rcPage = DropPanelLayout::PageRect();
  if (PtInRect(&rcPage, pt) == FALSE) return;
  const POINT page = DropPanelLayout::ToPage(pt);
  if (DropPanelLayout::InButtonStrip(page.y)) {
    PressMoreColors();
    return;
  }
  PickCurrent();
}

void DropPanel::PickCurrent() {
  if (!m_Current) return;
  m_Events.ColorChosen(Colors(m_Current->c, m_Current->r));
}

// The system's colour dialog, its custom colours those of the custom rows; OK stores the
// chosen colour in the current cell (the first custom cell when there is none) and picks it.
void DropPanel::PressMoreColors() {
  m_Dialog.SetFlags(kMoreColorsFlags);
  for (int i = 0; i < kCustomColorCount; ++i) {
    m_Dialog.SetCustomColors(i, Colors(i % kPaletteColumns, kPredefinedRows + i / kPaletteColumns));
  }
  const DropPanelLayout::tCell cell = m_Current.value_or(DropPanelLayout::tCell{0, kPredefinedRows});
  m_Events.ColorDialogOpened();
  m_bDialogOpen = true;
  Render();
  m_Dialog.ShowColor(Colors(cell.c, cell.r));
  Render();
  m_bDialogOpen = false;
  m_Events.ColorDialogClosed();
  if (m_Dialog.Cancelled()) return;
  m_Palette[static_cast<std::size_t>(cell.c)][static_cast<std::size_t>(cell.r)] = m_Dialog.Color();
  m_Events.ColorChosen(m_Dialog.Color());
}

// ---- keys ----

void DropPanel::HookKey(std::int16_t iVirtKey, bool bKeyUp, bool /*bAlt*/, bool bShift, bool& bHandled) {
  if (bKeyUp || m_bDialogOpen) return;
  bHandled = true;
  excr_KeyDown(iVirtKey, bShift ? vbShiftMask : 0);
}

// Esc closes every panel; Tab turns the colour picker's page; the arrows walk the palette or
// the grid, or move the system list's selection; Enter picks.
void DropPanel::excr_KeyDown(std::int16_t iKeyCode, std::int16_t Shift) {
  const auto hold = m_Events.KeepAlive();
  if (iKeyCode == VK_ESCAPE) {
    m_Events.PanelCancelled();
    return;
  }
  const bool bPick = iKeyCode == VK_RETURN || iKeyCode == VK_SPACE;
  if (m_Setup.iKind == dpkIconGrid) {
    const int columns = m_Setup.DropDown.cDIColumns;
    switch (iKeyCode) {
      case VK_LEFT: MoveHotIcon(-1); return;
      case VK_RIGHT: MoveHotIcon(1); return;
      case VK_UP: MoveHotIcon(-columns); return;
      case VK_DOWN: MoveHotIcon(columns); return;
      default:
        if (bPick && IconEnabled(m_iHotIcon)) m_Events.IconClicked(m_iHotIcon, Icon(m_iHotIcon).cDTIKey);
        return;
    }
  }
  if (m_Setup.iKind != dpkColorPicker) return;
  if (iKeyCode == VK_TAB) {
    SetPage(m_ePage == kPalettePage ? kSystemPage : kPalettePage);
  } else if (m_ePage == kSystemPage) {
    if (bPick) {
      PickSystemColor();
    } else {
      m_List.KeyTest(eListKey::KeyDown, iKeyCode, Shift);
    }
  } else {
    switch (iKeyCode) {
      case VK_LEFT: MoveCurrent(-1, 0); return;
      case VK_RIGHT: MoveCurrent(1, 0); return;
      case VK_UP: MoveCurrent(0, -1); return;
      case VK_DOWN: MoveCurrent(0, 1); return;
      default:
        if (bPick) PickCurrent();
        return;
    }
  }
}

// Arrows walk the palette's 8 x 8 cells; the first arrow starts at the top-left cell.
void DropPanel::MoveCurrent(int dc, int dr) {
  if (m_Setup.iKind != dpkColorPicker || m_ePage != kPalettePage) return;
  DropPanelLayout::tCell cell{0, 0};
  if (m_Current) {
    cell.c = std::clamp(m_Current->c + dc, 0, kPaletteColumns - 1);
    cell.r = std::clamp(m_Current->r + dr, 0, kPaletteRows - 1);
  }
  m_bButtonHot = false;
  SetCurrent(cell);
}

void DropPanel::SetCurrent(std::optional<DropPanelLayout::tCell> cell) {
  m_Current = cell;
  Render();
}

// ---- painting ----

void DropPanel::Render() {
  if (m_Surface.hdc() == nullptr) return;
  if (m_Setup.iKind == dpkColorPicker) PaintColorPicker(m_Surface.hdc());
  if (m_Setup.iKind == dpkIconGrid) PaintIconGrid(m_Surface.hdc());
  Present();
}

// The face, then the windowless list over it.
void DropPanel::Present() {
  if (!IsWindowVisible(m_hWnd)) return;
  const ScopedDC window(m_hWnd);
  BitBlt(window.hdc(), 0, 0, m_Setup.size.cx, m_Setup.size.cy, m_Surface.hdc(), 0, 0, SRCCOPY);
  m_List.Render();
}

LRESULT DropPanel::WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  auto* panel = static_cast<DropPanel*>(GetPropA(hWnd, kObjectPtrProp));
  if (panel == nullptr) return DefWindowProcA(hWnd, iMsg, wParam, lParam);
  const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (iMsg) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ERASEBKGND:
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      HDC hdc = BeginPaint(hWnd, &ps);
      BitBlt(hdc, 0, 0, panel->m_Setup.size.cx, panel->m_Setup.size.cy, panel->m_Surface.hdc(), 0, 0, SRCCOPY);
      EndPaint(hWnd, &ps);
      panel->m_List.Render();
      return 0;
    }
    case WM_MOUSEMOVE:
      panel->MouseMove(ButtonsFromKeyFlags(wParam), ShiftFromKeyFlags(wParam), pt);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      panel->MouseDown(ButtonsFromKeyFlags(wParam), ShiftFromKeyFlags(wParam), pt);
      return 0;
    case WM_LBUTTONUP:
      panel->excr_MouseUp(vbLeftButton, ShiftFromKeyFlags(wParam), pt);
      return 0;
    case WM_RBUTTONUP:
      panel->excr_MouseUp(vbRightButton, ShiftFromKeyFlags(wParam), pt);
      return 0;
    case WM_TIMER:
      if (MouseLeavePoll::IsTick(iMsg, wParam)) panel->OnLeavePollTick();
      return 0;
    default:
      return DefWindowProcA(hWnd, iMsg, wParam, lParam);
  }
}
