// The icon grid's input: the hot cell follows the mouse or the arrows (with the icon's tip),
// a press on an enabled icon presses it, the release on the same icon picks it.
#include <algorithm>
#include <utility>

#include "container/Screen.h"
#include "drop/DropPanel.h"

POINT DropPanel::ToGrid(POINT pt) const {
  return POINT{pt.x - DropPanelLayout::kGridOrigin.x, pt.y - DropPanelLayout::kGridOrigin.y};
}

int DropPanel::IconAt(POINT pt) const {
  const tDropDownItemInfo& dropDown = m_Setup.DropDown;
  return DropPanelLayout::IconAt(ToGrid(pt), dropDown.cDIColumns, dropDown.cDIRows, m_Setup.cell,
                                 dropDown.cDIToolCount);
}

const tDropToolItemInfo& DropPanel::Icon(int iIcon) const {
  return m_Setup.DropDown.cDITools[static_cast<std::size_t>(iIcon)];
}

bool DropPanel::IconEnabled(int iIcon) const { return iIcon > 0 && IsTrue(Icon(iIcon).cDTIEnabled); }

void DropPanel::IconMouseMove(std::int16_t Button, std::int16_t Shift, POINT pt) {
  const int iIcon = IconAt(pt);
  if (iIcon != m_iHotIcon) m_ToolTips.CancelTip();  // the tip of the cell left goes
  SetHotIcon(iIcon);
  if (iIcon == 0) return;
  m_ToolTips.RequestTip(Icon(iIcon).cDTIToolTipText);
  POINT screen = pt;
  ClientToScreen(m_hWnd, &screen);
  const auto hold = m_Events.KeepAlive();
  m_Events.IconMouseMove(iIcon, Icon(iIcon).cDTIKey, Button, Shift, static_cast<float>(screen.x) * TwipsPerPixelX(),
                         static_cast<float>(screen.y) * TwipsPerPixelY());
}

void DropPanel::IconMouseDown(POINT pt) {
  const int iIcon = IconAt(pt);
  if (!IconEnabled(iIcon)) return;
  m_iPressedIcon = iIcon;
  m_ToolTips.ResetTips();
  Render();
}

void DropPanel::IconMouseUp(POINT pt) {
  const int iIcon = std::exchange(m_iPressedIcon, 0);
  if (iIcon == 0) return;
  if (IconAt(pt) != iIcon) {
    Render();
    return;
  }
  m_Events.IconClicked(iIcon, Icon(iIcon).cDTIKey);
}

// The arrows start at the first icon and stop at the grid's ends.
void DropPanel::MoveHotIcon(int iStep) {
  const tDropDownItemInfo& dropDown = m_Setup.DropDown;
  const int count = std::min<int>(dropDown.cDIToolCount, dropDown.cDIColumns * dropDown.cDIRows);
  if (count <= 0) return;
  SetHotIcon(m_iHotIcon == 0 ? 1 : std::clamp(m_iHotIcon + iStep, 1, count));
}

void DropPanel::SetHotIcon(int iIcon) {
  if (iIcon == m_iHotIcon) return;
  m_iHotIcon = iIcon;
  Render();
}
