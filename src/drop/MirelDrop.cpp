#include "drop/MirelDrop.h"

#include "container/WindowClass.h"
#include "render/modDrawHelpers.h"

namespace {

constexpr const char* kPopupClass = "Static";
constexpr DWORD kPopupExStyle = WS_EX_TOOLWINDOW;
constexpr DWORD kPopupStyle = WS_POPUP;
constexpr WPARAM kNcActive = 1;
constexpr LPARAM kNcKeepFrame = 1;

}  // namespace

HWND MirelDrop::CreateHostWindow(HWND hWndParent) {
  EnsureWindowClass<&DefWindowProcA>(kClassName);
  return CreateWindowExA(0, kClassName, "", WS_CHILD, 0, 0, 0, 0, hWndParent, nullptr, nullptr, nullptr);
}

MirelDrop::MirelDrop(HWND hWndParent, std::int16_t iBandIndex, IDropOwner& owner, PopupStack& popups)
    : m_Host{CreateHostWindow(hWndParent), this},
      m_iBandIndex(iBandIndex),
      m_Owner(owner),
      m_Popups(popups),
      m_Panel(m_Host.hWnd, *this) {
  SetPropA(m_Host.hWnd, kObjectPtrProp, this);
  SetPropA(m_Panel.hWnd(), kObjectPtrProp, this);  // the panel's list finds its host through it
}

MirelDrop::~MirelDrop() {
  HidePopup();
  RemovePropA(m_Panel.hWnd(), kObjectPtrProp);
}

MirelDrop::tHostWindow::~tHostWindow() { DestroyOwnWindow(hWnd, kObjectPtrProp, pOwner); }

void MirelDrop::subShowPanel(tDropPanelSetup setup, HWND hWndOwner) {
  if (Shown()) subHidePanel();
  m_iTool = setup.iTool;
  m_sToolKey = setup.sToolKey;
  m_hWndOwner = hWndOwner;
  const POINT at = setup.screen;
  const SIZE size = setup.size;
  m_hWndPopup = CreateWindowExA(kPopupExStyle, kPopupClass, "", kPopupStyle, at.x, at.y, size.cx, size.cy, hWndOwner,
                                nullptr, nullptr, nullptr);
  SetParent(m_Panel.hWnd(), m_hWndPopup);
  MoveWindow(m_Panel.hWnd(), 0, 0, size.cx, size.cy, FALSE);
  m_Panel.Prepare(std::move(setup));
  m_Panel.DrawShadows();  // from the screen under the pop-up before it covers it
  ShowWindow(m_Panel.hWnd(), SW_SHOW);
  ShowWindow(m_hWndPopup, SW_SHOWNOACTIVATE);
  m_Panel.Render();
  m_Panel.StartKeys();
  m_Popups.Opened(*this, nullptr);
}

void MirelDrop::subHidePanel() {
  if (HidePopup()) m_Owner.DropClosed(*this, m_iTool, m_sToolKey);
}

bool MirelDrop::HidePopup() {
  if (!Shown() || m_bClosing) return false;
  m_bClosing = true;
  m_Panel.ResetPanel();
  ShowWindow(m_Panel.hWnd(), SW_HIDE);
  SetParent(m_Panel.hWnd(), m_Host.hWnd);
  DestroyWindow(m_hWndPopup);
  m_hWndPopup = nullptr;
  m_Popups.Closed(*this);
  m_bClosing = false;
  return true;
}

void MirelDrop::ClosePopup() {
  if (m_Panel.DialogOpen()) return;
  subHidePanel();
}

void MirelDrop::KeepOwnerActive() const {
  if (m_hWndOwner != nullptr && IsWindow(m_hWndOwner)) SendMessageA(m_hWndOwner, WM_NCACTIVATE, kNcActive, kNcKeepFrame);
}

// The panel closes before the pick is reported.
void MirelDrop::ColorChosen(OLE_COLOR lColor) {
  const auto hold = m_Owner.EnterDispatch();
  const std::int16_t iTool = m_iTool;
  const std::string sToolKey = m_sToolKey;
  subHidePanel();
  m_lDisplayColor = TranslateOleColor(lColor);
  KeepOwnerActive();
  m_Owner.DropColorSelect(*this, iTool, sToolKey, lColor);
}

// The panel closes before the pick is reported.
void MirelDrop::IconClicked(int iIcon, const std::string& sIconKey) {
  const auto hold = m_Owner.EnterDispatch();
  const std::int16_t iTool = m_iTool;
  const std::string sToolKey = m_sToolKey;
  const std::string sIcon = sIconKey;
  subHidePanel();
  m_Owner.DropIconClick(*this, iTool, sToolKey, static_cast<std::int16_t>(iIcon), sIcon);
}

void MirelDrop::IconMouseMove(int iIcon, const std::string& sIconKey, std::int16_t Button, std::int16_t Shift, float X,
                              float Y) {
  m_Owner.DropIconMouseMove(*this, m_iTool, m_sToolKey, static_cast<std::int16_t>(iIcon), sIconKey, Button, Shift, X,
                            Y);
}

void MirelDrop::ColorDialogOpened() {
  KeepOwnerActive();
  m_Owner.DropCustomColor(*this, m_iTool, m_sToolKey, false);
}

// The dialog's change of activation may have taken the panel off the open pop-ups without
// closing it: it joins them again.
void MirelDrop::ColorDialogClosed() {
  if (Shown()) m_Popups.Opened(*this, nullptr);
  KeepOwnerActive();
  m_Owner.DropCustomColor(*this, m_iTool, m_sToolKey, true);
}

void MirelDrop::PanelPressed() { KeepOwnerActive(); }
