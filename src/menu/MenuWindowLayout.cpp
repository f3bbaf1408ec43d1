#include "menu/MenuWindowLayout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSpacingBase = 7;     // S of a menu whose MenuItemSpacing is 0
constexpr int kFirstTopBase = 6;    // first top at that spacing
constexpr int kSeparatorShrink = 2; // a separator advances y by h - 2
constexpr int kBottomGap = 2;       // a pixel of gap and the frame below the last row

// The runtime's rounding of a floating-point result to an integer (halves to even).
int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }


}  // namespace

int MenuWindowLayout::HalfGap(int iItemSpacing) { return RoundHalfEven((iItemSpacing - 1) / 2.0 + 1); }

int MenuWindowLayout::FirstTop(int iItemSpacing) {
  return RoundHalfEven((iItemSpacing - kSpacingBase) / 2.0 + kFirstTopBase);
}

int MenuWindowLayout::LineHeight(int lTextHeight, int lIconHeight) { return std::max(lTextHeight, lIconHeight); }

int MenuWindowLayout::MarginWidth(int lIconWidth) {
  return std::max(kMinMarginWidth, lIconWidth + kMarginIconPadding);
}

int MenuWindowLayout::WindowWidth(int lMarginWidth, int lContentWidth, bool bShadows) {
  return lMarginWidth + lContentWidth + kContentPadding + (bShadows ? kMenuShadowWidthExtra : 0);
}

MenuWindowLayout::MenuWindowLayout(const std::vector<tMenuItemInfo>& items, int iCount, int iItemSpacing,
                                   int lLineHeight, bool bInfrequentsHidden)
    : m_Rows(static_cast<std::size_t>(std::max(iCount, 0)) + 1),
      m_S(iItemSpacing),
      m_H(lLineHeight),
      m_h(HalfGap(iItemSpacing)) {
  int y = FirstTop(iItemSpacing);
  m_lLastBottom = y - m_h - 1;
  for (int i = 1; i <= iCount && i < static_cast<int>(items.size()); ++i) {
    const tMenuItemInfo& item = items[static_cast<std::size_t>(i)];
    if (IsTrue(item.cMIInfrequent) && bInfrequentsHidden) {
      m_bHasHiddenInfrequents = true;
      continue;
    }
    if (!IsTrue(item.cMIVisible)) continue;
    tMenuRow& row = m_Rows[static_cast<std::size_t>(i)];
    row.bShown = true;
    row.lY = y;
    if (item.cMIStyle == tsMenuSeperator) {
      row.bSeparator = true;
      y += m_h - kSeparatorShrink;
      continue;
    }
    row.bSubMenu = item.cMIStyle == tsSubMenu;
    row.lBandTop = y - m_h;
    row.lBandBottom = y + m_H + m_h;
    m_lLastBottom = row.lBandBottom;
    y += m_S + m_H;
  }
  m_lEndY = y;
}

const tMenuRow& MenuWindowLayout::Row(int i) const {
  static const tMenuRow kNone{};
  if (i < 1 || i > Count()) return kNone;
  return m_Rows[static_cast<std::size_t>(i)];
}

int MenuWindowLayout::WindowHeight(bool bExpandArrow, bool bShadows) const {
  // The expand-arrow zone is the bottom 23 pixels below the rows, holding the shadow when one
  // is drawn: the same zone for the layout, the hit test and the highlight either way.
  if (bExpandArrow) return m_lLastBottom + 1 + kExpandArrowZoneHeight;
  return m_lLastBottom + 1 + kBottomGap + (bShadows ? kMenuShadowHeightExtra : 0);
}

int MenuWindowLayout::HitTest(int Y, bool bCaptionsOnly) const {
  for (int i = 1; i <= Count(); ++i) {
    const tMenuRow& row = m_Rows[static_cast<std::size_t>(i)];
    if (!row.bShown || row.bSeparator || (bCaptionsOnly && row.bSubMenu)) continue;
    if (Y < row.lBandTop || Y > row.lBandBottom) continue;
    return i;
  }
  return kNoMenuRow;
}

bool MenuWindowLayout::IsOnSeparatorLine(int Y) const {
  return std::any_of(m_Rows.begin() + 1, m_Rows.end(),
                     [&](const tMenuRow& row) { return row.bShown && row.bSeparator && Y == row.lY - m_h; });
}

bool MenuWindowLayout::InExpandArrowZone(int Y, int lWindowHeight) {
  return Y > lWindowHeight - kExpandArrowZoneHeight;
}

RECT MenuWindowLayout::HighlightBox(int i, int lWindowWidth) const {
  const tMenuRow& row = Row(i);
  return RECT{kHighlightLeft, row.lBandTop + 1, lWindowWidth - kHighlightRightInset, row.lBandBottom - 1};
}

int MenuWindowLayout::TextEdge(int lMarginWidth, int lWindowWidth, bool bRightToLeft) {
  const int lOffset = lMarginWidth + kTextGap;
  return bRightToLeft ? lWindowWidth - lOffset : lOffset;
}

int MenuWindowLayout::IconLeft(int lMarginWidth, int lIconWidth, int lWindowWidth, bool bShadows,
                               bool bRightToLeft) {
  const int x = RoundHalfEven(lMarginWidth / 2.0 - lIconWidth / 2.0 + 1);
  if (!bRightToLeft) return x;
  const int lBodyWidth = lWindowWidth - (bShadows ? kMenuShadowSize : 0);
  return lBodyWidth - x - lIconWidth;
}
