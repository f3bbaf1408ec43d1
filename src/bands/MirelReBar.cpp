#include "bands/MirelReBar.h"

#include <algorithm>

#include "bands/BandPainter.h"
#include "common/MouseLeavePoll.h"
#include "common/ScopedDC.h"
#include "container/AutomationError.h"
#include "container/UserControl.h"
#include "container/WindowClass.h"

namespace {

constexpr DWORD kStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr UINT kMoveFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
constexpr UINT kSizeFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
constexpr int kFirstTool = 1;

SIZE HostedWindowSize(const tToolItemInfo& tool) {
  RECT rc{};
  GetWindowRect(LongToHandle<HWND>(tool.cTIHwnd), &rc);
  return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

}  // namespace

MirelReBar::MirelReBar(HWND hWndParent, std::int16_t iIndex) : m_iIndex(iIndex) {
  EnsureWindowClass<&MirelReBar::WindowProc>(kClassName);
  m_hWnd = CreateWindowExA(0, kClassName, "", kStyle, 0, 0, 0, 0, hWndParent, nullptr, nullptr, nullptr);
  SetPropA(m_hWnd, kObjectPtrProp, this);
}

MirelReBar::~MirelReBar() {
  for (int t = kFirstTool; t <= ToolCount(); ++t) ReleaseHostedControl(m_Tools[static_cast<size_t>(t)]);
  DestroyOwnWindow(m_hWnd, kObjectPtrProp, this);
}

MirelReBar* MirelReBar::FromWindow(HWND hWnd) {
  if (hWnd == nullptr || !IsWindow(hWnd)) return nullptr;
  return static_cast<MirelReBar*>(GetPropA(hWnd, kObjectPtrProp));
}

LRESULT MirelReBar::WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  MirelReBar* band = FromWindow(hWnd);
  if (band != nullptr) {
    switch (iMsg) {
      case WM_PAINT:
        return band->OnPaint();
      case WM_ERASEBKGND:
        return 1;  // the paint covers every pixel
      case WM_SIZE:
        return band->OnSize();
      case WM_MOUSEMOVE:
      case WM_LBUTTONDOWN:
      case WM_LBUTTONUP:
      case WM_RBUTTONDOWN:
      case WM_RBUTTONUP:
      case WM_MBUTTONDOWN:
      case WM_MBUTTONUP:
        return band->OnMouse(iMsg, wParam, lParam);
      case WM_TIMER:
        if (MouseLeavePoll::IsTick(iMsg, wParam) && !band->m_bRetired) band->m_Input.LeavePollTick();
        return 0;
      default:
        break;
    }
  }
  return DefWindowProcA(hWnd, iMsg, wParam, lParam);
}

LRESULT MirelReBar::OnPaint() {
  PAINTSTRUCT ps{};
  HDC hdc = BeginPaint(m_hWnd, &ps);
  if (m_Surface.hdc() != nullptr) BitBlt(hdc, 0, 0, m_Surface.Width(), m_Surface.Height(), m_Surface.hdc(), 0, 0, SRCCOPY);
  EndPaint(m_hWnd, &ps);
  return 0;
}

void MirelReBar::Retire() {
  m_bRetired = true;
  if (GetCapture() == m_hWnd) ReleaseCapture();
  ShowWindow(m_hWnd, SW_HIDE);
}

LRESULT MirelReBar::OnMouse(UINT iMsg, WPARAM wParam, LPARAM lParam) {
  if (m_pOwner == nullptr || m_bRetired) return 0;
  const auto hold = m_pOwner->EnterDispatch();
  const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (iMsg) {
    case WM_MOUSEMOVE:
      m_Input.MouseMove(wParam, pt);
      break;
    case WM_LBUTTONDOWN:
      m_Input.MouseDown(vbLeftButton, wParam, pt);
      break;
    case WM_RBUTTONDOWN:
      m_Input.MouseDown(vbRightButton, wParam, pt);
      break;
    case WM_MBUTTONDOWN:
      m_Input.MouseDown(vbMiddleButton, wParam, pt);
      break;
    case WM_LBUTTONUP:
      m_Input.MouseUp(vbLeftButton, wParam, pt);
      break;
    case WM_RBUTTONUP:
      m_Input.MouseUp(vbRightButton, wParam, pt);
      break;
    default:
      m_Input.MouseUp(vbMiddleButton, wParam, pt);
      break;
  }
  return 0;
}

LRESULT MirelReBar::OnSize() {
  Refresh();
  return 0;
}

tToolItemInfo& MirelReBar::MirrorEntry(int index) {
  if (index < kFirstTool || index > ToolCount()) RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  return m_Tools[static_cast<size_t>(index)];
}

const tToolItemInfo& MirelReBar::Tool(int index) const { return const_cast<MirelReBar*>(this)->MirrorEntry(index); }

void MirelReBar::fInit(IBandOwner& owner) {
  m_pOwner = &owner;
  m_Input.SetOwner(owner);
}

void MirelReBar::SetToolState(int index, bool bState) { MirrorEntry(index).cTIState = bState ? VARIANT_TRUE : VARIANT_FALSE; }

void MirelReBar::SetfToolTipPreTimer(std::int32_t lTime) {
  m_lToolTipPreTime = lTime;
  m_Input.SetTipDelays(m_lToolTipPreTime, m_lToolTipPostTime);
}

void MirelReBar::SetfToolTipPostTimer(std::int32_t lTime) {
  m_lToolTipPostTime = lTime;
  m_Input.SetTipDelays(m_lToolTipPreTime, m_lToolTipPostTime);
}

void MirelReBar::AddToolItem(const tToolItemInfo& record) { m_Tools.push_back(record); }

void MirelReBar::UpdateToolItemInfo(int index, const tToolItemInfo& record) {
  tToolItemInfo& entry = MirrorEntry(index);
  // The geometry belongs to the band's own pass.
  const std::int32_t left = entry.cTILeft;
  const std::int32_t width = entry.cTIWidth;
  entry = record;
  entry.cTILeft = left;
  entry.cTIWidth = width;
}

void MirelReBar::RemoveToolItem(int index) {
  ReleaseHostedControl(MirrorEntry(index));
  m_Tools.erase(m_Tools.begin() + index);
  m_Input.ResetState();
}

void MirelReBar::ClearTools() {
  for (int t = kFirstTool; t <= ToolCount(); ++t) ReleaseHostedControl(m_Tools[static_cast<size_t>(t)]);
  m_Tools.resize(1);
  m_Pass = tToolPass{};
  m_Input.ResetState();
}

void MirelReBar::AddControlHandle(HWND hWndControl) { m_HostedControls.push_back(hWndControl); }

void MirelReBar::ReleaseHostedControl(const tToolItemInfo& tool) {
  if (tool.cTIStyle != teControl || tool.cTIHwnd == 0) return;
  HWND hWndControl = LongToHandle<HWND>(tool.cTIHwnd);
  if (!IsWindow(hWndControl)) return;
  ShowWindow(hWndControl, SW_HIDE);
  SetParent(hWndControl, LongToHandle<HWND>(tool.cTIParentHwnd));
}

tToolPassMetrics MirelReBar::Metrics() const {
  tToolPassMetrics m;
  m.W = Width();
  m.H = Height();
  m.S = m_iToolSpacing;
  m.icon = m_pOwner->ToolIconSize();
  m.bDisplayCaptions = m_bDisplayCaptions;
  m.bDisplayMoreTools = m_bDisplayMoreTools;
  m.bEnabled = m_bEnabled;
  m.bCtrlEnabled = m_bCtrlEnabled;
  m.pCaptionFont = m_pOwner->CaptionFont();
  return m;
}

void MirelReBar::Refresh() {
  if (m_pOwner == nullptr) return;
  if (m_bUpdatesHeld) {
    m_bRefreshPending = true;
    return;
  }
  m_bRefreshPending = false;
  m_Surface.ChangeSize(Width(), Height());
  if (m_Surface.hdc() == nullptr) return;
  m_Pass = ToolLayout::Run(m_Surface.hdc(), m_Tools, ToolCount(), Metrics(), &HostedWindowSize);
  PlaceHostedControls();
  Paint();
}

void MirelReBar::PlaceHostedControls() {
  for (int t = kFirstTool; t <= ToolCount(); ++t) {
    const tToolItemInfo& tool = m_Tools[static_cast<size_t>(t)];
    const tToolGeometry& g = m_Pass.tools[static_cast<size_t>(t)];
    if (tool.cTIStyle != teControl || !g.bMeasured) continue;
    HWND hWndControl = LongToHandle<HWND>(tool.cTIHwnd);
    SetWindowPos(hWndControl, nullptr, g.ptHosted.x, g.ptHosted.y, 0, 0, kMoveFlags);
    ShowWindow(hWndControl, g.bDrawn ? SW_SHOWNA : SW_HIDE);
  }
}

void MirelReBar::Paint() {
  if (m_pOwner == nullptr || m_Surface.hdc() == nullptr) return;
  PaintSurface();
  CopyToWindow(RECT{0, 0, m_Surface.Width(), m_Surface.Height()});
}

void MirelReBar::PaintTools(std::initializer_list<int> tools) {
  if (m_pOwner == nullptr || m_Surface.hdc() == nullptr) return;
  RECT columns{};
  for (const int t : tools) {
    if (t < kFirstTool || t > ToolCount()) continue;
    const RECT column = BandPainter::ToolColumn(m_Tools[static_cast<size_t>(t)], m_iToolSpacing, m_Surface.Height());
    UnionRect(&columns, &columns, &column);
  }
  if (IsRectEmpty(&columns)) return;
  HDC hdc = m_Surface.hdc();
  const int saved = SaveDC(hdc);
  IntersectClipRect(hdc, columns.left, columns.top, columns.right, columns.bottom);
  PaintSurface();
  RestoreDC(hdc, saved);
  CopyToWindow(columns);
}

void MirelReBar::PaintSurface() {
  tBandLook look;
  look.eStyle = m_eVisualStyle;
  look.eTheme = m_eTheme;
  look.S = m_iToolSpacing;
  look.bDisplayMoreTools = m_bDisplayMoreTools;
  look.bTransparent = m_bTransparent;
  look.rcInOwner = WindowRectInParent();
  look.pCaptionFont = m_pOwner->CaptionFont();
  BandPainter painter(*m_pOwner, m_Artwork);
  painter.Paint(m_Surface.hdc(), look, m_Tools, m_Pass, m_State);
}

void MirelReBar::CopyToWindow(const RECT& rc) {
  if (!IsWindowVisible(m_hWnd)) return;
  const ScopedDC window(m_hWnd);
  BitBlt(window.hdc(), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, m_Surface.hdc(), rc.left, rc.top,
         SRCCOPY);
}

void MirelReBar::EndUpdate() {
  m_bUpdatesHeld = false;
  Refresh();
}

void MirelReBar::ResumeUpdate() {
  m_bUpdatesHeld = false;
  if (m_bRefreshPending) Refresh();
}

void MirelReBar::SetEnabled(bool bEnabled) { m_bEnabled = bEnabled; }

void MirelReBar::SetDisplayCaptions(bool bDisplay) {
  m_bDisplayCaptions = bDisplay;
  Refresh();
}

void MirelReBar::SetDisplayMoreTools(bool bDisplay) {
  m_bDisplayMoreTools = bDisplay;
  Refresh();
}

void MirelReBar::SetTransparent(bool bTransparent) {
  m_bTransparent = bTransparent;
  Refresh();
}

void MirelReBar::SetBandHeight(std::int16_t iHeight) {
  m_iBandHeight = iHeight;
  SetWindowPos(m_hWnd, nullptr, 0, 0, Width(), iHeight, kSizeFlags);
}

RECT MirelReBar::WindowRectInParent() const {
  RECT rc{};
  GetWindowRect(m_hWnd, &rc);
  MapWindowPoints(nullptr, GetParent(m_hWnd), reinterpret_cast<LPPOINT>(&rc), 2);
  return rc;
}

LONG MirelReBar::Left() const { return WindowRectInParent().left; }
LONG MirelReBar::Top() const { return WindowRectInParent().top; }

LONG MirelReBar::Width() const {
  RECT rc{};
  GetClientRect(m_hWnd, &rc);
  return rc.right - rc.left;
}

LONG MirelReBar::Height() const {
  RECT rc{};
  GetClientRect(m_hWnd, &rc);
  return rc.bottom - rc.top;
}

void MirelReBar::Move(LONG left, LONG top) { SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, kMoveFlags); }

void MirelReBar::SetWidth(LONG width) { SetWindowPos(m_hWnd, nullptr, 0, 0, width, Height(), kSizeFlags); }

bool MirelReBar::Visible() const { return IsWindowVisible(m_hWnd) != FALSE; }

void MirelReBar::SetVisible(bool bVisible) { ShowWindow(m_hWnd, bVisible ? SW_SHOWNA : SW_HIDE); }
