#include "bands/BandPainter.h"

#include "container/StdFont.h"
#include "render/MUnicodeSupport.h"
#include "render/ResourceBitmaps.h"
#include "render/modDrawHelpers.h"
#include "render/modFontConv.h"
#include "render/styles/Palette.h"

namespace {

constexpr int kFirstTool = 1;
// The state frame spans the band from this row to this many rows above its bottom.
constexpr LONG kFrameTop = 2;
constexpr LONG kFrameBottomInset = 3;
// A drop-down's divider stands this far left of its frame's right edge, beyond the spacing
// past the narrowest (6).
constexpr int kDividerFromRight = 10;
constexpr int kNarrowestSpacing = 6;
// The drop arrow's glyph top lies this far above the arrow's centre line.
constexpr LONG kArrowRaise = 6;
// The colour bar of a colour drop-down overlaps the icon's last rows and runs below it.
constexpr LONG kColorBarAboveIconBottom = 3;
constexpr LONG kColorBarBelowIconBottom = 1;
constexpr UINT kCaptionFlags = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
constexpr OLE_COLOR kGrayText = kOleSystemColorFlag | COLOR_GRAYTEXT;

}  // namespace

void BandPainter::Paint(HDC hdc, const tBandLook& look, const std::vector<tToolItemInfo>& tools,
                        const tToolPass& pass, const tBandToolState& state) const {
  const tStyle s{styles::ToolStyle(look.eStyle), styles::PaletteFor(look.eStyle, look.eTheme),
                 RECT{0, 0, look.rcInOwner.right - look.rcInOwner.left, look.rcInOwner.bottom - look.rcInOwner.top}};
  PaintBackground(hdc, look, s, state);
  SetBkMode(hdc, TRANSPARENT);
  const int count = static_cast<int>(pass.tools.size()) - 1;
  // A repaint of a few tools clips to their columns: the others are not drawn at all. The
  // clip's bounding box is read once; a tool inside it but outside the clip itself is drawn
  // and clipped away.
  RECT clip{};
  GetClipBox(hdc, &clip);
  const auto bVisible = [&](const tToolItemInfo& tool) {
    const RECT column = ToolColumn(tool, look.S, s.rcBand.bottom);
    return column.left < clip.right && clip.left < column.right && column.top < clip.bottom && clip.top < column.bottom;
  };
  for (int t = kFirstTool; t <= count; ++t) {
    const tToolGeometry& g = pass.tools[static_cast<size_t>(t)];
    const tToolItemInfo& tool = tools[static_cast<size_t>(t)];
    if (!g.bMeasured || !g.bDrawn || !bVisible(tool)) continue;
    // Every style's frame covers its whole rectangle: a face inside a frame drawn below would
    // only be painted over.
    if (FramedFrom(state, t, tool, g) && Inside(FaceBounds(tool, g), FrameRect(look, s, tool))) continue;
    if (tool.cTIStyle == teSeperator) {
      s.style.DrawToolSeparator(hdc, tool.cTILeft, s.rcBand, s.palette);
    } else {
      PaintToolFace(hdc, look, tool, g);
    }
  }
  for (int t = kFirstTool; t <= count; ++t) {
    const tToolGeometry& g = pass.tools[static_cast<size_t>(t)];
    const tToolItemInfo& tool = tools[static_cast<size_t>(t)];
    if (!g.bMeasured || !g.bDrawn || !IsButtonStyle(tool.cTIStyle) || !bVisible(tool)) continue;
    if (const auto frame = FramedFrom(state, t, tool, g)) PaintFrame(hdc, look, s, tool, g, *frame);
    if (IsDropDownStyle(tool.cTIStyle)) {
      const POINT at{tool.cTILeft + g.lMeasuredWidth + look.S / 2, g.lArrowCentreY - kArrowRaise};
      s.style.DrawToolDropArrow(hdc, at, !g.bDisabled, s.palette);
    }
  }
}

RECT BandPainter::ToolColumn(const tToolItemInfo& tool, int S, int height) {
  return RECT{tool.cTILeft - S / 2, 0, tool.cTILeft + tool.cTIWidth + S / 2 + 1, height};
}

std::optional<styles::eToolFrame> BandPainter::FramedFrom(const tBandToolState& state, int t,
                                                          const tToolItemInfo& tool, const tToolGeometry& g) {
  if (g.bDisabled || !IsButtonStyle(tool.cTIStyle)) return std::nullopt;
  return ToolFrameFor(state, t, tool);
}

RECT BandPainter::FrameRect(const tBandLook& look, const tStyle& s, const tToolItemInfo& tool) {
  return RECT{tool.cTILeft - look.S / 2, kFrameTop, tool.cTILeft + tool.cTIWidth + look.S / 2,
              s.rcBand.bottom - kFrameBottomInset};
}

RECT BandPainter::FaceBounds(const tToolItemInfo& tool, const tToolGeometry& g) {
  RECT bounds{};
  if (!g.sText.empty()) bounds = g.rcCaption;
  if (g.iIcon != kNoToolIcon || tool.cTIStyle == teColorDropDown) {
    RECT icon = g.rcIcon;
    if (tool.cTIStyle == teColorDropDown) icon.bottom += kColorBarBelowIconBottom + 1;
    UnionRect(&bounds, &bounds, &icon);
  }
  return bounds;
}

bool BandPainter::Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

void BandPainter::PaintBackground(HDC hdc, const tBandLook& look, const tStyle& s, const tBandToolState& state) const {
  const RECT chevron{s.rcBand.right - artwork::kRebarChevronWidth, s.rcBand.top, s.rcBand.right, s.rcBand.bottom};
  if (look.bTransparent) {
    m_Owner.PaintBehind(hdc, look.rcInOwner);
  } else {
    s.style.DrawBandBackground(hdc, s.rcBand, s.palette, m_Artwork);
    if (look.bDisplayMoreTools && RectVisible(hdc, &chevron) != FALSE)
      s.style.DrawBandChevron(hdc, chevron, styles::eChevron::Normal, s.palette, m_Artwork);
    s.style.DrawBandGripper(hdc, s.rcBand, s.palette);
  }
  if (look.bDisplayMoreTools && state.bOverChevron) {
    s.style.DrawBandChevron(hdc, chevron, styles::eChevron::Hot, s.palette, m_Artwork);
  }
}

void BandPainter::PaintFrame(HDC hdc, const tBandLook& look, const tStyle& s, const tToolItemInfo& tool,
                             const tToolGeometry& g, styles::eToolFrame frame) const {
  const RECT rcFrame = FrameRect(look, s, tool);
  styles::tToolFrameState frameState{.eFrame = frame};
  if (IsDropDownStyle(tool.cTIStyle)) {
    frameState.lDividerX = rcFrame.right - ((look.S - kNarrowestSpacing) / 2 + kDividerFromRight);
  }
  s.style.DrawToolFrame(hdc, rcFrame, frameState, s.palette, m_Artwork);
  PaintToolFace(hdc, look, tool, g);
}

void BandPainter::PaintToolFace(HDC hdc, const tBandLook& look, const tToolItemInfo& tool,
                                const tToolGeometry& g) const {
  if (tool.cTIStyle == teControl) return;
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
