#include "menu/frmMenu.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <utility>

#include "common/ScopedDC.h"
#include "container/HostExceptions.h"
#include "container/WindowClass.h"
#include "platform/mHooks.h"
#include "platform/voxSubClsSvr.h"
#include "render/MUnicodeSupport.h"
#include "render/modFontConv.h"

namespace {

constexpr DWORD kMenuStyle = WS_POPUP;
constexpr DWORD kMenuExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
constexpr int kMarkerBufferSize = 32;

// Messages watched on the menu window itself and on the control's window.
constexpr std::array<UINT, 4> kOwnMessages = {WM_ACTIVATE, WM_PAINT, WM_TIMER, frmMenu::kMsgUnloadMenu};
constexpr std::array<UINT, 2> kControlMessages = {WM_MOUSEMOVE, WM_LBUTTONUP};

// Text metrics in one font, measured on a screen-compatible DC.
class FontMeasure {
 public:
  explicit FontMeasure(const StdFont& font)
      : m_hDC(CreateCompatibleDC(nullptr)), m_hFont(FontFromStdFont(font)), m_hOld(SelectObject(m_hDC, m_hFont)) {}
  ~FontMeasure() {
    SelectObject(m_hDC, m_hOld);
    DeleteObject(m_hFont);
    DeleteDC(m_hDC);
  }
  FontMeasure(const FontMeasure&) = delete;
  FontMeasure& operator=(const FontMeasure&) = delete;
  HDC hdc() const { return m_hDC; }

 private:
  HDC m_hDC;
  HFONT m_hFont;
  HGDIOBJ m_hOld;
};

int LineHeightFor(const tMenuWindowSetup& setup) {
  FontMeasure measure(*setup.Look.oItemFont);
  return MenuWindowLayout::LineHeight(MeasureLineHeight(measure.hdc()), setup.Look.lIconHeight);
}

MenuWindowLayout LayoutFor(const tMenuWindowSetup& setup) {
  return MenuWindowLayout(setup.Items, setup.iItemCount, setup.iItemSpacing, LineHeightFor(setup),
                          setup.bInfrequentsHidden);
}

int SubMenuArrowRoom(const tMenuWindowSetup& setup) {
  FontMeasure measure(*setup.Look.oItemFont);
  return MenuWindowPainter::SubMenuArrowWidth(measure.hdc()) + kSubMenuArrowInset + kSubMenuArrowGap - kContentPadding;
}

// The item fonts differ from the menu's font only in these four styles.
int FontStyleKey(const tMenuItemInfo& item) {
  return (item.cMIFontBold != VARIANT_FALSE ? 1 : 0) | (item.cMIFontItalic != VARIANT_FALSE ? 2 : 0) |
         (item.cMIFontUnderline != VARIANT_FALSE ? 4 : 0) | (item.cMIFontStrikeThrough != VARIANT_FALSE ? 8 : 0);
}

int ContentWidth(const tMenuWindowSetup& setup) {
  int lWidest = 0;
  int lArrowRoom = -1;  // measured once, for the first sub-menu item
  std::map<int, std::unique_ptr<FontMeasure>> measures;  // one per distinct font
  for (int i = 1; i <= setup.iItemCount && i < static_cast<int>(setup.Items.size()); ++i) {
    const tMenuItemInfo& item = setup.Items[static_cast<std::size_t>(i)];
    std::unique_ptr<FontMeasure>& measure = measures[FontStyleKey(item)];
    if (!measure) measure = std::make_unique<FontMeasure>(*MenuItemFont(*setup.Look.oItemFont, item));
    const int lHotKeyWidth =
        item.cMIHotKey.empty() ? 0 : MeasureTextWidth(measure->hdc(), item.cMIHotKey) + kHotKeyColumnGap;
    if (item.cMIStyle == tsSubMenu && lArrowRoom < 0) lArrowRoom = SubMenuArrowRoom(setup);
    const int lArrowWidth = item.cMIStyle == tsSubMenu ? lArrowRoom : 0;
    const int lWidth = MeasureTextWidth(measure->hdc(), item.cMICaption) + lHotKeyWidth + lArrowWidth + kContentPadding;
    lWidest = std::max(lWidest, lWidth);
  }
  return lWidest;
}

}  // namespace

SIZE frmMenu::MeasureWindow(const tMenuWindowSetup& setup) { return MeasureWindow(setup, LayoutFor(setup)); }

SIZE frmMenu::MeasureWindow(const tMenuWindowSetup& setup, const MenuWindowLayout& layout) {
  const bool bShadows = setup.Look.bShadows;
  return SIZE{MenuWindowLayout::WindowWidth(setup.Look.lMarginWidth, ContentWidth(setup), bShadows),
              layout.WindowHeight(layout.HasHiddenInfrequents(), bShadows)};
}

frmMenu::frmMenu(tMenuWindowSetup setup, SIZE size)
    : m_Setup(std::move(setup)),
      m_Layout(LayoutFor(m_Setup)),
      m_bExpandArrow(m_Layout.HasHiddenInfrequents()),
      m_Size(size) {
  m_OverTimer.SetInterval(kOverTimerInterval);
  m_MenuUnloadedTimer.SetInterval(kMenuUnloadedTimerInterval);
  InitTracking();
}

frmMenu* frmMenu::Load(tMenuWindowSetup setup, SIZE size) {
  auto* form = new frmMenu(std::move(setup), size);
  form->Create();
  return form;
}

void frmMenu::Create() {
  EnsureWindowClass<&MenuWndProc>(kClassName);
  m_hWnd = CreateWindowExA(kMenuExStyle, kClassName, kMarkerText, kMenuStyle, 0, 0, m_Size.cx, m_Size.cy, nullptr,
                           nullptr, nullptr, nullptr);
  SetPropA(m_hWnd, kObjectPtrProp, this);
  mHooks::AddHookClient<frmMenu>(m_hWnd, mHooks::hckMenuWindow);
  AttachMessages();
  m_bLinked = true;
}

void frmMenu::AttachMessages() {
  voxSubClsSvr& server = voxSubClsSvr::Instance();
  for (UINT iMsg : kOwnMessages) server.AttachWindowMessage(this, m_hWnd, iMsg);
  for (UINT iMsg : kControlMessages) server.AttachWindowMessage(this, m_Setup.hWndControl, iMsg);
}

void frmMenu::ReleaseLinks() {
  if (!m_bLinked) return;
  m_bLinked = false;
  voxSubClsSvr& server = voxSubClsSvr::Instance();
  for (UINT iMsg : kOwnMessages) server.DetachWindowMessage(this, m_hWnd, iMsg);
  for (UINT iMsg : kControlMessages) server.DetachWindowMessage(this, m_Setup.hWndControl, iMsg);
  mHooks::RemoveHookClient(m_hWnd);
  RemovePropA(m_hWnd, kObjectPtrProp);
  m_OverTimer.SetEnabled(false);
  m_MenuUnloadedTimer.SetEnabled(false);
  m_Setup.pPopups->Closed(*this);
}

frmMenu* frmMenu::FromWindow(HWND hWnd) {
  if (hWnd == nullptr || !IsWindow(hWnd)) return nullptr;
  return static_cast<frmMenu*>(GetPropA(hWnd, kObjectPtrProp));
}

bool frmMenu::IsMenuWindow(HWND hWnd) {
  if (hWnd == nullptr || !IsWindow(hWnd)) return false;
  std::array<char, kMarkerBufferSize> text{};
  GetWindowTextA(hWnd, text.data(), static_cast<int>(text.size()));
  return std::string_view(text.data()) == kMarkerText;
}

MenuWindowPainter frmMenu::Painter() const {
  return MenuWindowPainter(m_Setup.Look, m_Setup.Items, m_Layout, m_Size.cx, m_Size.cy, m_bExpandArrow,
                           *m_Setup.pArtwork);
}

void frmMenu::ShowAt(int x, int y) {
  MoveWindow(m_hWnd, x, y, m_Size.cx, m_Size.cy, FALSE);
  m_bBaseKept = false;
  {
    // Painted while still hidden: the shadows read the screen under the window.
    const ScopedDC window(m_hWnd);
    const MenuWindowPainter painter = Painter();
    painter.PaintBase(window.hdc());
    painter.PaintShadows(window.hdc(), RECT{x, y, x + m_Size.cx, y + m_Size.cy});
    painter.PaintJoin(window.hdc(), m_Setup.Join);
  }
  SetWindowPos(m_hWnd, HWND_TOPMOST, x, y, m_Size.cx, m_Size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  UpdateWindow(m_hWnd);
}

// The base holds only the part of the window on the screen (a menu of thousands of items is
// far taller than the screen, and its window's surface holds no more); the painters still draw
// in client coordinates.
void frmMenu::KeepBase() {
  if (m_bBaseKept) return;
  RECT rcWindow{};
  GetWindowRect(m_hWnd, &rcWindow);
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT shown{};
  IntersectRect(&shown, &rcWindow, &screen);
  OffsetRect(&shown, -rcWindow.left, -rcWindow.top);
  m_Base.ChangeSize(std::max<LONG>(1, shown.right - shown.left), std::max<LONG>(1, shown.bottom - shown.top));
  SetViewportOrgEx(m_Base.hdc(), -shown.left, -shown.top, nullptr);
  const ScopedDC window(m_hWnd);
  BitBlt(m_Base.hdc(), shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top, window.hdc(),
         shown.left, shown.top, SRCCOPY);
  m_bBaseKept = true;
}

void frmMenu::ShowItems(const std::vector<tMenuItemInfo>& Items, int iItemCount) {
  CancelPendingChild();
  CloseChild();
  m_Setup.Items = Items;
  m_Setup.iItemCount = iItemCount;
  m_Layout = LayoutFor(m_Setup);
  m_bExpandArrow = m_Layout.HasHiddenInfrequents();
  m_Size = MeasureWindow(m_Setup, m_Layout);
  m_iHighlighted = kNoMenuRow;
  m_iPressed = kPressedNone;
  m_bExpandArrowHot = false;
  RECT rcWindow{};
  GetWindowRect(m_hWnd, &rcWindow);
  Hide();  // the shadows read the screen under the window
  ShowAt(rcWindow.left, rcWindow.top);
}

void frmMenu::CopyBase(HDC hdc, const RECT& area) {
  KeepBase();
  BitBlt(hdc, area.left, area.top, area.right - area.left, area.bottom - area.top, m_Base.hdc(), area.left, area.top,
         SRCCOPY);
}

void frmMenu::RepaintRow(int i) {
  const tMenuRow& row = m_Layout.Row(i);
  if (!row.bShown || row.bSeparator) return;
  const MenuWindowPainter painter = Painter();
  const ScopedDC window(m_hWnd);
  CopyBase(window.hdc(), painter.RowArea(i));
  if (IsRowHighlighted(i)) painter.PaintRow(window.hdc(), i, true);
}

bool frmMenu::IsRowHighlighted(int i) const {
  if (i < 1 || i > m_Layout.Count()) return false;
  const tMenuItemInfo& item = m_Setup.Items[static_cast<std::size_t>(i)];
  if (i == m_iHighlighted && item.cMIEnabled != VARIANT_FALSE) return true;
  return !m_sChildKey.empty() && item.cMIStyle == tsSubMenu && item.cMIKey == m_sChildKey;
}


void frmMenu::SetHighlightedRow(int i) {
  if (i == m_iHighlighted) return;
  const int iOld = m_iHighlighted;
  m_iHighlighted = i;
  RepaintRow(iOld);
  RepaintRow(i);
}

void frmMenu::SetExpandArrowHot(bool bHot) {
  if (!m_bExpandArrow || bHot == m_bExpandArrowHot) return;
  m_bExpandArrowHot = bHot;
  const MenuWindowPainter painter = Painter();
  const ScopedDC window(m_hWnd);
  CopyBase(window.hdc(), painter.ExpandArrowArea());
  if (bHot) painter.PaintExpandArrow(window.hdc(), true);
}

// Only rows whose look changes are drawn again: the row that opens a child is mostly the
// highlighted one already.
void frmMenu::SetOpenChildKey(std::string sItemKey) {
  std::vector<std::pair<int, bool>> rows;  // each row with either key, and whether it showed highlighted
  for (int i = 1; i <= m_Layout.Count(); ++i) {
    const std::string& sKey = m_Setup.Items[static_cast<std::size_t>(i)].cMIKey;
    if (!sKey.empty() && (sKey == m_sChildKey || sKey == sItemKey)) rows.emplace_back(i, IsRowHighlighted(i));
  }
  m_sChildKey = std::move(sItemKey);
  for (const auto& [i, bWasHighlighted] : rows) {
    if (IsRowHighlighted(i) != bWasHighlighted) RepaintRow(i);
  }
}

void frmMenu::Hide() { ShowWindow(m_hWnd, SW_HIDE); }

void frmMenu::Unload() {
  m_Setup.pPopups->CloseChildrenOf(*this);
  ReleaseLinks();
  const HWND hWnd = m_hWnd;
  DestroyWindow(hWnd);
  delete this;
}

void frmMenu::OnPaint() {
  PAINTSTRUCT ps{};
  HDC hdc = BeginPaint(m_hWnd, &ps);
  const MenuWindowPainter painter = Painter();
  const auto bHighlighted = [&](int i) {
    const tMenuRow& row = m_Layout.Row(i);
    return row.bShown && !row.bSeparator && IsRowHighlighted(i);
  };
  bool bOver = m_bExpandArrowHot;
  for (int i = 1; i <= m_Layout.Count() && !bOver; ++i) bOver = bHighlighted(i);
  // While nothing was ever drawn over it, the surface still shows the base as painted.
  if (m_bBaseKept || bOver) CopyBase(hdc, RECT{0, 0, m_Size.cx, m_Size.cy});
  for (int i = 1; i <= m_Layout.Count(); ++i) {
    if (bHighlighted(i)) painter.PaintRow(hdc, i, true);
  }
  if (m_bExpandArrowHot) painter.PaintExpandArrow(hdc, true);
  EndPaint(m_hWnd, &ps);
  if (m_bPainted) return;
  m_bPainted = true;
  m_Setup.pPopups->Opened(*this, FromWindow(m_Setup.hWndParentMenu));
}

// Keeps the owner's caption active while the menu is clicked.
void frmMenu::OnActivate(LPARAM lParam) {
  constexpr WPARAM kActive = 1;
  constexpr LPARAM kKeepFrame = 1;
  HWND hWndOther = reinterpret_cast<HWND>(lParam);
  if (hWndOther != nullptr) SendMessageA(hWndOther, WM_NCACTIVATE, kActive, kKeepFrame);
}

LRESULT frmMenu::WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  if (hWnd != m_hWnd) {
    // The control window's moves and releases.
    return host_exceptions::Contain([&] {
      TrackingMessage(hWnd, iMsg, wParam, lParam);
      return LRESULT{0};
    });
  }
  switch (iMsg) {
    case WM_ACTIVATE:
      OnActivate(lParam);
      break;
    case kMsgUnloadMenu:
      Unload();  // the object is gone from here on
      break;
    default:
      break;
  }
  return 0;
}

LRESULT frmMenu::MenuWndProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  frmMenu* form = FromWindow(hWnd);
  if (form != nullptr && form->TrackingMessage(hWnd, iMsg, wParam, lParam)) return 0;
  switch (iMsg) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ERASEBKGND:
      return TRUE;
    case WM_PAINT:
      if (form == nullptr) break;
      form->OnPaint();
      return 0;
    case WM_DESTROY:
      // Destroyed from outside (the host going away): let go of everything, then the object.
      if (form == nullptr) break;
      form->ReleaseLinks();
      delete form;
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hWnd, iMsg, wParam, lParam);
}
