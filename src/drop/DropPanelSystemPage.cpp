// The colour picker's system page: the 28 system colours in the windowless list under the
// names the host gave them, scrolled by the themed scroll bar; a click or Enter picks the
// selected colour (its system colour value).
#include <algorithm>

#include "drop/DropPanel.h"

void DropPanel::PrepareSystemPage() {
  m_List.SetHoldDraw(true);
  if (m_List.ListCount() == 0) {
    for (const tSystemColor& colour : SystemColors()) m_List.AddItem(colour.sName, colour.lColor);
  }
  for (int i = 0; i < kSystemColorCount; ++i) m_List.SetList(i, m_SystemNames[static_cast<std::size_t>(i)]);
  m_List.SetFont(m_Setup.oFont);
  m_List.SetForeColor(m_Setup.lForeColor);
  m_List.SetHoldDraw(false);
}

void DropPanel::ShowSystemPage(bool bShow) {
  m_List.SetVisible(bShow);
  m_List.SetHasFocus(bShow);
  ShowWindow(m_VScroll->hWnd(), bShow ? SW_SHOW : SW_HIDE);
  if (!bShow) return;
  m_List.Render();  // measures the rows
  const std::int32_t rows = std::max<std::int32_t>(1, m_List.VisibleRows());
  m_VScroll->SetTheme(static_cast<std::int16_t>(m_Setup.eTheme));
  m_VScroll->SetMin(0);
  m_VScroll->SetMax(std::max<std::int32_t>(0, m_List.ListCount() - rows));
  m_VScroll->SetSmallChange(1);
  m_VScroll->SetLargeChange(rows);
  m_VScroll->SetValue(std::max<std::int32_t>(0, m_List.TopIndex()));
}

bool DropPanel::OnList(POINT pt) const {
  const RECT list = DropPanelLayout::ListRect();
  return PtInRect(&list, pt) != FALSE;
}

POINT DropPanel::ToList(POINT pt) {
  const RECT list = DropPanelLayout::ListRect();
  return POINT{pt.x - list.left, pt.y - list.top};
}

void DropPanel::PickSystemColor() {
  const std::int32_t index = m_List.ListIndex();
  if (index == CWlessListBox::kNoItem) return;
  m_Events.ColorChosen(m_List.Color(index));
}

void DropPanel::ListTopIndexChanged(std::int32_t lTopIndex) { m_VScroll->SetValue(lTopIndex); }

void DropPanel::VScrollChange(MirelVScroll& scroll) { m_List.vsbChange(scroll.Value()); }

void DropPanel::VScrollScroll(MirelVScroll& scroll) { m_List.vsbChange(scroll.Value()); }
