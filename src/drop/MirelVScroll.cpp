#include "drop/MirelVScroll.h"

#include <algorithm>
#include <cmath>

#include "common/MouseLeavePoll.h"
#include "common/ScopedDC.h"
#include "container/Screen.h"
#include "container/WindowClass.h"
#include "platform/voxSubClsSvr.h"

namespace {

constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr UINT kSubclassedMessages[] = {WM_MOUSEMOVE, WM_TIMER, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
constexpr UINT kRepeatDelay = 500;
constexpr UINT kRepeatInterval = 50;
// The arrow buttons are as high as the system's scroll-bar arrows are wide, at least this.
constexpr int kMinArrowSize = 13;
// The thumb never gets shorter than this, in twips.
constexpr float kMinThumbTwips = 240.0F;

}  // namespace

MirelVScroll::MirelVScroll(HWND hWndParent, const RECT& rect, IVScrollOwner& owner) : m_Owner(owner) {
  EnsureWindowClass<&MirelVScroll::ClassProc>(kClassName, CS_DBLCLKS);
  m_hWnd = CreateWindowExA(0, kClassName, "", kStyle, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, hWndParent, nullptr, nullptr, nullptr);
  SetPropA(m_hWnd, kObjectPtrProp, this);
  voxSubClsSvr& server = voxSubClsSvr::Instance();
  for (UINT iMsg : kSubclassedMessages) server.AttachWindowMessage(this, m_hWnd, iMsg);
  m_tScrlEnable.SetInterval(kRepeatDelay);
  m_tScrlEnable.OnTimer = [this] { OnRepeatDelay(); };
  m_tScrl.SetInterval(kRepeatInterval);
  m_tScrl.OnTimer = [this] { OnRepeatTick(); };
  OnSize();
}

MirelVScroll::~MirelVScroll() {
  if (IsOwnWindow(m_hWnd, kObjectPtrProp, this)) {
    voxSubClsSvr& server = voxSubClsSvr::Instance();
    for (UINT iMsg : kSubclassedMessages) server.DetachWindowMessage(this, m_hWnd, iMsg);
    if (GetCapture() == m_hWnd) ReleaseCapture();
  }
  DestroyOwnWindow(m_hWnd, kObjectPtrProp, this);
}

LRESULT MirelVScroll::ClassProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  auto* scroll = static_cast<MirelVScroll*>(GetPropA(hWnd, kObjectPtrProp));
  if (scroll != nullptr) {
    switch (iMsg) {
      case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC hdc = BeginPaint(hWnd, &ps);
        const cMemDC& surface = scroll->m_Surface;
        if (surface.hdc() != nullptr) {
          BitBlt(hdc, 0, 0, surface.Width(), surface.Height(), surface.hdc(), 0, 0, SRCCOPY);
        }
        EndPaint(hWnd, &ps);
        return 0;
      }
      case WM_ERASEBKGND:
        return 1;  // the paint covers every pixel
      case WM_SIZE:
        scroll->OnSize();
        return 0;
      default:
        break;
    }
  }
  return DefWindowProcA(hWnd, iMsg, wParam, lParam);
}

LRESULT MirelVScroll::WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (iMsg) {
    case WM_MOUSEMOVE:
      OnMouseMove(pt);
      return 0;
    case WM_TIMER:
      if (MouseLeavePoll::IsTick(iMsg, wParam)) OnLeavePollTick();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown(pt);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp();
      return 0;
    default:
      return DefWindowProcA(hWnd, iMsg, wParam, lParam);
  }
}

// ---- properties ----

void MirelVScroll::SetEnabled(bool bEnabled) {
  m_bEnabled = bEnabled;
  if (!bEnabled) EndPress();
  Redraw();
}

void MirelVScroll::SetValue(double value) {
  m_Value = value;
  ValueWritten();
}

void MirelVScroll::SetMin(double value) {
  m_Min = value;
  ValueWritten();
}

void MirelVScroll::SetMax(double value) {
  m_Max = value;
  ValueWritten();
}

void MirelVScroll::SetSmallChange(double value) {
  m_SmallChange = value;
  ValueWritten();
}

void MirelVScroll::SetLargeChange(double value) {
  m_LargeChange = value;
  ValueWritten();
}

void MirelVScroll::SetTheme(std::int16_t iTheme) {
  m_iTheme = iTheme;
  Redraw();
}

// During a drag the thumb keeps its length and only follows the value.
void MirelVScroll::ValueWritten() {
  if (!m_bDragging) ComputeThumbLength();
  ComputeThumbTop();
  Redraw();
}

RECT MirelVScroll::ThumbRect() const {
  const auto top = static_cast<LONG>(std::lround(m_ThumbTop));
  return RECT{0, top, m_iWidth, top + static_cast<LONG>(std::lround(m_ThumbLength))};
}

// ---- geometry ----

void MirelVScroll::OnSize() {
  RECT rc{};
  GetClientRect(m_hWnd, &rc);
  m_iWidth = rc.right - rc.left;
  m_iHeight = rc.bottom - rc.top;
  const int arrow = std::max(GetSystemMetrics(SM_CXHSCROLL), kMinArrowSize);
  m_iTopArrowHeight = std::min(arrow, m_iHeight / 2);
  m_iBottomArrowHeight = m_iTopArrowHeight;
  m_Surface.ChangeSize(m_iWidth, m_iHeight);
  ComputeThumbLength();
  ComputeThumbTop();
  Redraw();
}

// Track divided by the number of pages; a zero range or page leaves the thumb as it was.
void MirelVScroll::ComputeThumbLength() {
  const auto track = static_cast<std::int32_t>(std::lround(m_iHeight - m_iTopArrowHeight - m_iBottomArrowHeight));
  if (m_LargeChange == 0 || m_Max == m_Min) return;
  const float pages = static_cast<float>(std::fabs(m_Max - m_Min)) / static_cast<float>(m_LargeChange);
  if (!std::isfinite(pages) || pages == 0.0F) return;
  const double minimum = kMinThumbTwips / TwipsPerPixelY();
  m_ThumbLength = std::min<double>(std::max<double>(track / pages, minimum), track);
}

void MirelVScroll::ComputeThumbTop() {
  if (m_Max == m_Min) return;
  m_ThumbTop = m_iTopArrowHeight + FreeTrack() * (1.0 - (m_Max - m_Value) / (m_Max - m_Min));
}

MirelVScroll::ePart MirelVScroll::PartAt(POINT pt) const {
  if (pt.x < 0 || pt.x >= m_iWidth || pt.y < 0 || pt.y >= m_iHeight) return ePart::None;
  if (pt.y < m_iTopArrowHeight) return ePart::UpArrow;
  if (pt.y >= TrackBottom()) return ePart::DownArrow;
  if (pt.y < m_ThumbTop) return ePart::TrackAbove;
  if (pt.y < m_ThumbTop + m_ThumbLength) return ePart::Thumb;
  return ePart::TrackBelow;
}

MirelVScroll::ePart MirelVScroll::PartUnderCursor() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(m_hWnd, &cursor);
  return PartAt(cursor);
}

eVScrollPaint MirelVScroll::HoverPaint(ePart part) const {
  switch (part) {
    case ePart::UpArrow:
      return m_bUpPressed ? eVScrollPaint::UpPressed : eVScrollPaint::UpHot;
    case ePart::DownArrow:
      return m_bDownPressed ? eVScrollPaint::DownPressed : eVScrollPaint::DownHot;
    case ePart::Thumb:
      return m_bPressed ? eVScrollPaint::None : eVScrollPaint::ThumbHot;
    default:
      return eVScrollPaint::None;
  }
}

void MirelVScroll::Step(double change, eDirection direction) {
  if (direction == kTowardsMin) {
    m_Value = m_Value - change <= m_Min ? m_Min : m_Value - change;
  } else {
    m_Value = m_Value + change >= m_Max ? m_Max : m_Value + change;
  }
}

// ---- the mouse ----

void MirelVScroll::OnMouseMove(POINT pt) {
  if (!m_bEnabled) return;
  EnterHot();
  if (m_bDragging) {
    Drag(pt.y);
    return;
  }
  m_ePaint = HoverPaint(PartAt(pt));
  Redraw();
}

void MirelVScroll::EnterHot() {
  if (m_bHot) return;
  m_bHot = true;
  MouseLeavePoll::Start(m_hWnd);
}

void MirelVScroll::OnLeavePollTick() {
  if (m_bPressed || !MouseLeavePoll::StopIfLeft(m_hWnd)) return;
  m_bHot = false;
  m_ePaint = eVScrollPaint::None;
  Redraw();
}

// The thumb moves with the mouse; past either end of the track it stops there and the value
// is that end's exactly.
void MirelVScroll::Drag(int y) {
  const double old = m_Value;
  const double top = m_ThumbTop + (y - m_LastMouseY);
  if (top < m_iTopArrowHeight) {
    m_ThumbTop = m_iTopArrowHeight;
    m_Value = m_Min;
  } else if (top + m_ThumbLength > TrackBottom()) {
    m_ThumbTop = TrackBottom() - m_ThumbLength;
    m_Value = m_Max;
  } else {
    m_ThumbTop = top;
    if (m_Max != m_Min && FreeTrack() > 0) {
      m_Value = m_Min + (m_Max - m_Min) * (top - m_iTopArrowHeight) / FreeTrack();
    }
  }
  m_LastMouseY = y;
  Redraw();
  if (m_Value != old) m_Owner.VScrollScroll(*this);
}

void MirelVScroll::OnButtonDown(POINT pt) {
  if (!m_bEnabled) return;
  EnterHot();
  const ePart part = PartAt(pt);
  if (part == ePart::None) return;
  SetCapture(m_hWnd);
  m_bPressed = true;
  if (part == ePart::Thumb) {
    m_bDragging = true;
    m_LastMouseY = pt.y;
    m_ePaint = eVScrollPaint::ThumbPressed;
    Redraw();
    return;
  }
  const double old = m_Value;
  if (part == ePart::UpArrow || part == ePart::DownArrow) {
    const bool bUp = part == ePart::UpArrow;
    m_bUpPressed = bUp;
    m_bDownPressed = !bUp;
    m_ePaint = bUp ? eVScrollPaint::UpPressed : eVScrollPaint::DownPressed;
    m_eDirection = bUp ? kTowardsMin : kTowardsMax;
    Step(m_SmallChange, m_eDirection);
  } else {
    m_bPagePressed = true;
    m_lPressY = pt.y;
    m_eDirection = part == ePart::TrackAbove ? kTowardsMin : kTowardsMax;
    Step(m_LargeChange, m_eDirection);
  }
  m_tScrlEnable.SetEnabled(true);
  ComputeThumbTop();
  Redraw();
  if (m_Value != old) m_Owner.VScrollChange(*this);
}

void MirelVScroll::OnButtonUp() {
  if (m_bDragging) m_Owner.VScrollEnd(*this);
  EndPress();
  m_ePaint = HoverPaint(PartUnderCursor());
  Redraw();
}

void MirelVScroll::EndPress() {
  m_tScrlEnable.SetEnabled(false);
  m_tScrl.SetEnabled(false);
  m_bPressed = m_bUpPressed = m_bDownPressed = m_bPagePressed = m_bDragging = false;
  if (GetCapture() == m_hWnd) ReleaseCapture();
}

// ---- auto-repeat ----

// The first repeat comes with the delay's end; the repeat timer takes over from there.
void MirelVScroll::OnRepeatDelay() {
  m_tScrlEnable.SetEnabled(false);
  m_tScrl.SetEnabled(true);
  OnRepeatTick();
}

void MirelVScroll::OnRepeatTick() {
  if (!IsWindow(m_hWnd)) {
    EndPress();
    return;
  }
  const double old = m_Value;
  if (m_bPagePressed) {
    const bool bReached =
        m_eDirection == kTowardsMax ? m_ThumbTop + m_ThumbLength >= m_lPressY : m_ThumbTop <= m_lPressY;
    if (bReached) {
      m_tScrl.SetEnabled(false);
      return;
    }
    Step(m_LargeChange, m_eDirection);
  } else {
    const ePart held = m_bUpPressed ? ePart::UpArrow : ePart::DownArrow;
    if (PartUnderCursor() != held) return;
    Step(m_SmallChange, m_eDirection);
  }
  ComputeThumbTop();
  Redraw();
  if (m_Value != old) m_Owner.VScrollChange(*this);
}

// ---- painting ----

void MirelVScroll::Redraw() {
  // The host may destroy the window with its own before this object goes.
  if (m_Surface.hdc() == nullptr || !IsWindow(m_hWnd)) return;
  const RECT thumb = ThumbRect();
  const tVScrollPicture picture{.iWidth = m_iWidth,
                                .iHeight = m_iHeight,
                                .iTopArrowHeight = m_iTopArrowHeight,
                                .iBottomArrowHeight = m_iBottomArrowHeight,
                                .iThumbTop = thumb.top,
                                .iThumbLength = thumb.bottom - thumb.top,
                                .bEnabled = m_bEnabled,
                                .bHot = m_bHot,
                                .ePaint = m_ePaint};
  DrawVScroll(m_Surface.hdc(), picture, m_iTheme, m_Artwork);
  ScopedDC window(m_hWnd);
  BitBlt(window.hdc(), 0, 0, m_iWidth, m_iHeight, m_Surface.hdc(), 0, 0, SRCCOPY);
}

void MirelVScroll::Refresh() { OnSize(); }
