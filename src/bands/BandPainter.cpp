#include "bands/BandPainter.h"

#include "container/StdFont.h"
#include "render/MUnicodeSupport.h"
#include "render/modDrawHelpers.h"
#include "render/modFontConv.h"

namespace {

constexpr int kFirstTool = 1;
// The drop arrow: Marlett's down-pointing triangle.
constexpr const char* kArrowFontName = "Marlett";
constexpr double kArrowFontSize = 8.5;
constexpr const char* kArrowGlyph = "6";
constexpr LONG kArrowRaise = 6;
constexpr COLORREF kArrowColor = RGB(0, 0, 0);
// The colour bar of a colour drop-down overlaps the icon's last rows and runs below it.
constexpr LONG kColorBarAboveIconBottom = 3;
constexpr LONG kColorBarBelowIconBottom = 1;
constexpr UINT kCaptionFlags = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
constexpr OLE_COLOR kGrayText = kOleSystemColorFlag | COLOR_GRAYTEXT;

}  // namespace

void BandPainter::Paint(HDC hdc, const tBandLook& look, const std::vector<tToolItemInfo>& tools,
                        const tToolPass& pass, const tBandToolState& /*state*/) const {
  PaintBackground(hdc, look);
  SetBkMode(hdc, TRANSPARENT);
  const int count = static_cast<int>(pass.tools.size()) - 1;
  for (int t = kFirstTool; t <= count; ++t) {
    const tToolGeometry& g = pass.tools[static_cast<size_t>(t)];
    if (!g.bMeasured || !g.bDrawn) continue;
    PaintToolFace(hdc, look, tools[static_cast<size_t>(t)], g);
  }
  for (int t = kFirstTool; t <= count; ++t) {
    const tToolGeometry& g = pass.tools[static_cast<size_t>(t)];
    const tToolItemInfo& tool = tools[static_cast<size_t>(t)];
    if (g.bMeasured && g.bDrawn && IsDropDownStyle(tool.cTIStyle)) PaintDropArrow(hdc, look, tool, g);
  }
}

void BandPainter::PaintBackground(HDC hdc, const tBandLook& look) const { m_Owner.PaintBehind(hdc, look.rcInOwner); }

void BandPainter::PaintToolFace(HDC hdc, const tBandLook& look, const tToolItemInfo& tool,
                                const tToolGeometry& g) const {
  if (tool.cTIStyle == teControl || tool.cTIStyle == teSeperator) return;
  if (!g.sText.empty()) {
    const StdFont font = ToolLayout::ToolFont(tool, look.pCaptionFont);
    const SelectedFont selected(hdc, font);
    SetTextColor(hdc, TranslateOleColor(g.bDisabled ? kGrayText : tool.cTIForeColor));
    DrawTextAuto(hdc, g.sText, g.rcCaption.left, g.rcCaption.right, g.rcCaption.top, g.rcCaption.bottom, kCaptionFlags);
  }
  if (!IsButtonStyle(tool.cTIStyle)) return;
  if (g.iIcon != kNoToolIcon) m_Owner.DrawToolIcon(hdc, g.iIcon, g.rcIcon.left, g.rcIcon.top);
  if (tool.cTIStyle == teColorDropDown) {
    DrawSolidRect(hdc, g.rcIcon.left, g.rcIcon.bottom - kColorBarAboveIconBottom, g.rcIcon.right,
                  g.rcIcon.bottom + kColorBarBelowIconBottom + 1, g.bDisabled ? kGrayText : tool.cTIDisplayColor,
                  kSolidRectFill);
  }
}

void BandPainter::PaintDropArrow(HDC hdc, const tBandLook& look, const tToolItemInfo& tool,
                                 const tToolGeometry& g) const {
  const StdFont font(kArrowFontName, kArrowFontSize);
  const SelectedFont selected(hdc, font);
  SetTextColor(hdc, g.bDisabled ? TranslateOleColor(kGrayText) : kArrowColor);
  const LONG x = tool.cTILeft + g.lMeasuredWidth + look.S / 2;
  const LONG y = g.lArrowCentreY - kArrowRaise;
  TextOutA(hdc, x, y, kArrowGlyph, 1);
}
