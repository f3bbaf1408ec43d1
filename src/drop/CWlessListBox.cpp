#include "drop/CWlessListBox.h"

#include <algorithm>
#include <cmath>

#include "common/ErrorRaiser.h"
#include "container/AutomationError.h"
#include "container/RuntimeErrors.h"
#include "container/Screen.h"
#include "container/StdFont.h"
#include "common/VirtualKeys.h"

namespace {

constexpr std::string_view kErrorSource = "cWLessListBox";
constexpr std::int16_t kKeyAsciiEnter = 13;

}  // namespace

CWlessListBox::CWlessListBox(IListBoxOwner& owner) : m_Owner(owner), m_Font(std::make_shared<StdFont>()) {}

CWlessListBox::~CWlessListBox() = default;

// ---- items ----

CWlessListBox::tItem& CWlessListBox::Item(std::int32_t index) {
  if (index < 0 || index >= ListCount()) RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  return m_Items[static_cast<size_t>(index)];
}

void CWlessListBox::AddItem(std::string sText, OLE_COLOR colour) {
  m_Items.push_back(tItem{std::move(sText), colour});
  if (m_lTopIndex < 0) m_lTopIndex = 0;
  Changed();
}

void CWlessListBox::Clear() {
  m_Items.clear();
  m_lListIndex = kNoItem;
  m_lTopIndex = kNoItem;
  Changed();
}

const std::string& CWlessListBox::List(std::int32_t index) const { return Item(index).sText; }

void CWlessListBox::SetList(std::int32_t index, std::string sText) {
  Item(index).sText = std::move(sText);
  Changed();
}

OLE_COLOR CWlessListBox::Color(std::int32_t index) const { return Item(index).Color; }

void CWlessListBox::SetColor(std::int32_t index, OLE_COLOR colour) {
  Item(index).Color = colour;
  Changed();
}

bool CWlessListBox::Selected(std::int32_t index) const {
  Item(index);
  return index == m_lListIndex;
}

void CWlessListBox::SetSelected(std::int32_t index, bool bSelected) {
  Item(index);
  if (bSelected) {
    SetListIndex(index);
  } else if (index == m_lListIndex) {
    SetListIndex(kNoItem);
  }
}

// ---- properties ----

void CWlessListBox::SetForeColor(OLE_COLOR colour) {
  m_ForeColor = colour;
  Changed();
}

void CWlessListBox::SetListIndex(std::int32_t index) {
  if (index < kNoItem || index >= ListCount()) RaiseRuntimeError(runtime_error_number::InvalidPropertyValue);
  m_lListIndex = index;
  Changed();
}

void CWlessListBox::SetTopIndex(std::int32_t index) {
  if (index < kNoItem || index >= ListCount()) RaiseRuntimeError(runtime_error_number::InvalidPropertyValue);
  m_lTopIndex = index;
  Changed();
}

std::int32_t CWlessListBox::VisibleRows() const {
  return m_lItemHeight > 0 ? (m_Rect.bottom - m_Rect.top) / m_lItemHeight : 0;
}

void CWlessListBox::SetHasFocus(bool bHasFocus) {
  m_bHasFocus = bHasFocus;
  Changed();
}

void CWlessListBox::SetFont(std::shared_ptr<StdFont> font) {
  if (font == nullptr) RaiseRuntimeError(runtime_error_number::InvalidPropertyValue);
  m_Font = std::move(font);
  Changed();
}

void CWlessListBox::Move(LONG left, LONG top, LONG width, LONG height) {
  m_Rect = RECT{left, top, left + std::max<LONG>(width, 0), top + std::max<LONG>(height, 0)};
  Changed();
}

void CWlessListBox::Changed() {
  if (!m_bHoldDraw) Render();
}

// ---- input ----

void CWlessListBox::RequireHost() const {
  if (m_hDropHwnd == nullptr || !IsWindow(m_hDropHwnd) || GetPropA(m_hDropHwnd, kDropHostProp) == nullptr) {
    RaiseError(ErrorCode::ObjectUnloaded, kErrorSource);
  }
}

// Down and Up move the selection by one item, scrolling it into view; true when it moved.
bool CWlessListBox::MoveSelection(std::int16_t iKeyCode) {
  if (iKeyCode == VK_DOWN && m_lListIndex < ListCount() - 1) {
    ++m_lListIndex;
    const std::int32_t rows = std::max(VisibleRows(), 1);
    if (m_lListIndex > m_lTopIndex + rows - 1) m_lTopIndex = m_lListIndex - (rows - 1);
  } else if (iKeyCode == VK_UP && m_lListIndex >= 1) {
    --m_lListIndex;
    if (m_lListIndex < m_lTopIndex) m_lTopIndex = m_lListIndex;
  } else {
    return false;
  }
  m_Owner.ListTopIndexChanged(m_lTopIndex);
  Render();
  return true;
}

void CWlessListBox::KeyTest(eListKey eType, std::int16_t iKeyCode, std::int16_t iShift) {
  if (!m_bHasFocus || !m_bEnabled) return;
  RequireHost();
  switch (eType) {
    case eListKey::KeyDown: {
      const bool bMoved = MoveSelection(iKeyCode);
      m_Owner.ListKeyDown(iKeyCode, iShift);
      if (bMoved) m_Owner.ListClick();
      break;
    }
    case eListKey::KeyPress:
      m_Owner.ListKeyPress(iKeyCode);
      if (iKeyCode == kKeyAsciiEnter) m_Owner.ListClick();
      break;
    case eListKey::KeyUp:
      m_Owner.ListKeyUp(iKeyCode, iShift);
      break;
  }
}

void CWlessListBox::HitTest(eListMouse eType, std::int16_t iButton, std::int16_t iShift, float x, float y) {
  if (!m_bEnabled) return;
  RequireHost();
  if (m_iAppearance == kAppearanceTwips) {
    x /= TwipsPerPixelX();
    y /= TwipsPerPixelY();
  }
  switch (eType) {
    case eListMouse::Down: {
      if (y >= 0 && y < m_Rect.bottom - m_Rect.top && m_lItemHeight > 0) {
        const std::int32_t item = std::max(m_lTopIndex, 0) + static_cast<std::int32_t>(y) / m_lItemHeight;
        if (item < ListCount()) {
          m_lListIndex = item;
          Render();
        }
      }
      m_Owner.ListMouseDown(iButton, iShift, x, y);
      break;
    }
    case eListMouse::Move:
      m_Owner.ListMouseMove(iButton, iShift, x, y);
      break;
    case eListMouse::Up:
      m_Owner.ListMouseUp(iButton, iShift, x, y);
      m_Owner.ListClick();
      break;
  }
}

void CWlessListBox::vsbChange(double value) {
  if (m_Items.empty() || std::isnan(value)) return;
  m_lTopIndex = static_cast<std::int32_t>(std::clamp(value, 0.0, static_cast<double>(ListCount() - 1)));
  Render();
}
