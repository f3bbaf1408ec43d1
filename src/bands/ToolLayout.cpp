#include "bands/ToolLayout.h"

#include <algorithm>
#include <cmath>

#include "render/MUnicodeSupport.h"
#include "render/modFontConv.h"

namespace ToolLayout {
namespace {

constexpr std::string_view kTextSample = "Wg";
// Captions above or below the icon keep this distance from the band's edge.
constexpr LONG kCaptionEdge = 4;
// Gap between a caption and an icon side by side, and beyond an icon without captions.
constexpr LONG kIconCaptionGap = 2;
constexpr int kFirstTool = 1;

// Nearest integer, halves to even.
LONG Round(double value) { return static_cast<LONG>(std::nearbyint(value)); }

RECT Box(LONG left, LONG top, LONG width, LONG height) { return RECT{left, top, left + width, top + height}; }

LONG CentreY(const RECT& r) { return Round((r.top + r.bottom) / 2.0); }

// The image a button shows: its icon, or when disabled its disabled icon (or its icon when
// it has none of that kind).
std::int16_t ChosenIcon(const tToolItemInfo& tool, bool bDisabled) {
  if (!bDisabled) return tool.cTIIconIndex;
  if (tool.cTIIconDisabledIndex > 0) return tool.cTIIconDisabledIndex;
  if (tool.cTIIconIndex >= 1) return tool.cTIIconIndex;
  return kNoToolIcon;
}

// Icon and caption of a button or drop-down at x: rectangles, arrow line, width.
void MeasureButton(HDC hdc, const tToolItemInfo& tool, LONG x, const tToolPassMetrics& m, tToolGeometry& g) {
  const LONG H = m.H;
  const LONG IW = m.icon.cx;
  const LONG IH = m.icon.cy;
  const bool bCaption = m.bDisplayCaptions && !tool.cTICaption.empty();
  const LONG TW = bCaption ? MeasureTextWidth(hdc, tool.cTICaption) : 0;
  const LONG TH = bCaption ? MeasureTextHeight(hdc, kTextSample) : 0;
  const LONG G = (IW > 0 && TW > 0) ? kIconCaptionGap : 0;
  const LONG centredIconTop = Round(H / 2.0 - IH / 2.0);
  if (!m.bDisplayCaptions) {
    g.rcIcon = Box(x, centredIconTop, IW, IH);
    g.lArrowCentreY = CentreY(g.rcIcon);
    g.lMeasuredWidth = IH > 0 ? IW + kIconCaptionGap : 0;
    return;
  }
  g.sText = bCaption ? tool.cTICaption : std::string();
  const auto alignment = static_cast<ctsCaptionAlignmentConstants>(tool.cTICaptionAlignment);
  if (alignment == tsLeft || alignment == tsRight) {
    const LONG iconTop = centredIconTop;
    const LONG captionTop = TH >= IH ? Round(H / 2.0 - TH / 2.0) : Round(IH / 2.0 - TH / 2.0) + iconTop;
    if (alignment == tsLeft) {
      g.rcCaption = Box(x, captionTop, TW, TH);
      g.rcIcon = Box(x + TW + (TW > 0 ? kIconCaptionGap : 0), iconTop, IW, IH);
    } else {
      g.rcIcon = Box(x, iconTop, IW, IH);
      g.rcCaption = Box(x + IW + (IW > 0 ? kIconCaptionGap : 0), captionTop, TW, TH);
    }
    g.lMeasuredWidth = TW + IW + G;
  } else {
    // Caption and icon centred on each other, the narrower one moved in.
    const LONG captionLeft = TW >= IW ? x : Round(x + IW / 2.0 - TW / 2.0);
    const LONG iconLeft = TW >= IW ? Round(x + TW / 2.0 - IW / 2.0) : x;
    const bool bAbove = alignment != tsBottom;
    const LONG iconTop = TH == 0 ? centredIconTop : (bAbove ? H - (IH + kCaptionEdge) : kCaptionEdge);
    const LONG captionTop = bAbove ? kCaptionEdge : H - (TH + kCaptionEdge);
    g.rcCaption = Box(captionLeft, captionTop, TW, TH);
    g.rcIcon = Box(iconLeft, iconTop, IW, IH);
    g.lMeasuredWidth = std::max(TW, IW);
  }
  if (TH != 0 && IH != 0) {
    g.lArrowCentreY = Round(H / 2.0);
  } else {
    g.lArrowCentreY = TH >= IH ? CentreY(g.rcCaption) : CentreY(g.rcIcon);
  }
}

// A label, or a message showing its text, at x: one caption centred on the band's height.
void MeasureText(HDC hdc, const std::string& text, LONG x, LONG H, tToolGeometry& g) {
  const LONG w = MeasureTextWidth(hdc, text);
  const LONG th = MeasureTextHeight(hdc, text);
  g.sText = text;
  g.rcCaption = Box(x, Round(H / 2.0 - th / 2.0), w, th);
  g.lMeasuredWidth = w;
}

}  // namespace

StdFont ToolFont(const tToolItemInfo& tool, const StdFont* pCaptionFont) {
  StdFont font = pCaptionFont ? *pCaptionFont : StdFont();
  if (!tool.cTIFontName.empty()) font.SetName(tool.cTIFontName);
  font.SetBold(IsTrue(tool.cTIFontBold));
  font.SetItalic(IsTrue(tool.cTIFontItalic));
  font.SetStrikethrough(IsTrue(tool.cTIFontStrikeThrough));
  font.SetUnderline(IsTrue(tool.cTIFontUnderline));
  return font;
}

tToolPass Run(HDC hdc, std::vector<tToolItemInfo>& mirror, int count, const tToolPassMetrics& m,
              HostedSize hostedSize) {
  tToolPass pass;
  pass.tools.resize(static_cast<size_t>(count) + 1);
  const LONG reserve = m.bDisplayMoreTools ? kChevronReserve : 0;
  const LONG limit = m.W - reserve;
  const LONG halfSpacing = m.S / 2;
  LONG x = halfSpacing + kGripperReserve;
  for (int t = kFirstTool; t <= count; ++t) {
    tToolItemInfo& tool = mirror[static_cast<size_t>(t)];
    if (!IsTrue(tool.cTIVisible)) continue;
    tToolGeometry& g = pass.tools[static_cast<size_t>(t)];
    g.bMeasured = true;
    g.bDisabled = !IsTrue(tool.cTIEnabled) || !m.bEnabled || !m.bCtrlEnabled;
    const LONG left = x + tool.cTIIndent;
    const StdFont font = ToolFont(tool, m.pCaptionFont);
    const SelectedFont selected(hdc, font);
    bool bFitTest = true;
    // Labels and hosted controls may run to the limit when they are the band's last tool.
    LONG margin = halfSpacing;
    switch (tool.cTIStyle) {
      case teLabel:
        MeasureText(hdc, tool.cTICaption, left, m.H, g);
        if (t == count) margin = 0;
        break;
      case teMessage:
        MeasureText(hdc, tool.cTIText, left, m.H, g);
        if (t == count) margin = 0;
        break;
      case teControl: {
        const SIZE size = hostedSize(tool);
        g.lMeasuredWidth = size.cx;
        g.ptHosted = POINT{left, m.H / 2 - size.cy / 2};
        if (t == count) margin = 0;
        break;
      }
      case teSeperator:
        g.lMeasuredWidth = kSeparatorWidth;
        bFitTest = false;
        break;
      default:
        MeasureButton(hdc, tool, left, m, g);
        g.iIcon = ChosenIcon(tool, g.bDisabled);
        break;
    }
    if (bFitTest && pass.iOverflowTool == 0 && x + g.lMeasuredWidth + tool.cTIIndent + margin > limit) {
      pass.iOverflowTool = t;
    }
    g.bDrawn = pass.iOverflowTool == 0;
    tool.cTILeft = left;
    tool.cTIWidth = g.lMeasuredWidth + (IsDropDownStyle(tool.cTIStyle) ? kDropArrowWidth : 0);
    x = tool.cTILeft + tool.cTIWidth + m.S;
    pass.lToolsRight = tool.cTILeft + tool.cTIWidth;
  }
  return pass;
}

}  // namespace ToolLayout
