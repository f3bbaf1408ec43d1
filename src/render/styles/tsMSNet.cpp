#include "render/styles/tsMSNet.h"

#include "render/modDrawHelpers.h"
#include "render/styles/BandDrawing.h"
#include "render/styles/PerTheme.h"

namespace styles {
namespace {

constexpr PerTheme<COLORREF> kBarBackground{RGB(236, 233, 216), RGB(224, 223, 227), RGB(236, 233, 216)};

constexpr PerTheme<COLORREF> kHoverFill{RGB(193, 210, 238), RGB(199, 199, 202), RGB(206, 209, 112)};
constexpr PerTheme<COLORREF> kHoverOutline{RGB(49, 106, 197), RGB(169, 171, 181), RGB(147, 160, 112)};

constexpr PerTheme<COLORREF> kPressedFill{RGB(239, 237, 222), RGB(229, 228, 232), RGB(239, 237, 222)};
constexpr PerTheme<COLORREF> kPressedOutline{RGB(138, 134, 122), RGB(126, 126, 129), RGB(138, 134, 122)};
constexpr COLORREF kPressedInnerOutline = RGB(252, 252, 249);

}  // namespace

void tsMSNet::DrawBarBackground(HDC hdc, const RECT& area, int /*barHeight*/, const Palette& palette,
                                ArtworkCache& /*artwork*/) const {
  DrawSolidRect(hdc, area.left, area.top, area.right, area.bottom, ByTheme(kBarBackground, palette.eTheme),
                kSolidRectFill);
}

void tsMSNet::DrawBarCaptionBox(HDC hdc, const RECT& box, eBarCaption state, const Palette& palette,
                                ArtworkCache& /*artwork*/) const {
  const ctsThemes theme = palette.eTheme;
  if (state == eBarCaption::Hover) {
    DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, ByTheme(kHoverFill, theme), kSolidRectFill);
    DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, ByTheme(kHoverOutline, theme), kSolidRectFrame);
    return;
  }
  DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, ByTheme(kPressedFill, theme), kSolidRectFill);
  DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, ByTheme(kPressedOutline, theme), kSolidRectFrame);
  // The lighter inner outline; its bottom edge sits one pixel above the outer one.
  DrawSolidRect(hdc, box.left + 1, box.top + 1, box.right - 1, box.bottom - 1, kPressedInnerOutline, kSolidRectFrame);
}

COLORREF tsMSNet::BarCaptionTextColor(COLORREF normal, const Palette& /*palette*/) const { return normal; }

}  // namespace styles

// ---- menu window: a near-white body, a flat icon column in the pressed caption's colour (the
// open caption and the column read as one), a grey frame and grey separators.
namespace styles {
namespace {

constexpr COLORREF kMenuBackground = RGB(252, 252, 249);
constexpr COLORREF kMenuSeparator = RGB(197, 194, 184);

}  // namespace

void tsMSNet::DrawMenuBase(HDC hdc, const RECT& body, const RECT& margin, bool /*mirrored*/, const Palette& palette,
                           ArtworkCache& /*artwork*/) const {
  DrawSolidRect(hdc, body.left, body.top, body.right, body.bottom, kMenuBackground, kSolidRectFill);
  DrawSolidRect(hdc, margin.left, margin.top, margin.right, margin.bottom, ByTheme(kPressedFill, palette.eTheme),
                kSolidRectFill);
  DrawSolidRect(hdc, body.left, body.top, body.right, body.bottom, palette.MenuBorder, kSolidRectFrame);
}

// The infrequent rows' own background already covers the flat column.
void tsMSNet::DrawMenuInfrequentMargin(HDC /*hdc*/, const RECT& /*cell*/, bool /*mirrored*/,
                                       const Palette& /*palette*/, ArtworkCache& /*artwork*/) const {}

void tsMSNet::DrawMenuSeparator(HDC hdc, int left, int right, int y, const Palette& /*palette*/) const {
  DrawSolidRect(hdc, left, y, right, y + 1, kMenuSeparator, kSolidRectFill);
}

void tsMSNet::DrawMenuExpandHighlight(HDC hdc, const RECT& box, const Palette& palette) const {
  DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, palette.HighlightOutline, kSolidRectFrame);
}

}  // namespace styles

// ---- tool bands: a flat band without a gripper, the chevron arrow alone until the mouse is
// over it, and one bordered fill for every state frame.
namespace styles {
namespace {

// The band's flat fill is the pressed caption's.
constexpr const PerTheme<COLORREF>& kBandBackground = kPressedFill;
// Every frame is filled as a hovered caption is.
constexpr const PerTheme<COLORREF>& kFrameFill = kHoverFill;
constexpr int kSeparatorTop = 4;
constexpr int kSeparatorBottomInset = 5;

}  // namespace

void tsMSNet::DrawBandBackground(HDC hdc, const RECT& band, const Palette& palette,
                                 ArtworkCache& /*artwork*/) const {
  DrawSolidRect(hdc, band.left, band.top, band.right, band.bottom, ByTheme(kBandBackground, palette.eTheme),
                kSolidRectFill);
}

void tsMSNet::DrawBandGripper(HDC /*hdc*/, const RECT& /*band*/, const Palette& /*palette*/) const {}

void tsMSNet::DrawBandChevron(HDC hdc, const RECT& area, eChevron state, const Palette& palette,
                              ArtworkCache& artwork) const {
  if (state == eChevron::Hot) {
    DrawChevronArea(hdc, area, state, palette.eTheme, artwork);
  } else {
    DrawChevronArrow(hdc, area, artwork);
  }
}

// The theme-coloured line, then white over the same points.
void tsMSNet::DrawToolSeparator(HDC hdc, int x, const RECT& band, const Palette& palette) const {
  const int bottom = band.bottom - kSeparatorBottomInset;
  BandLine(hdc, x, band.top + kSeparatorTop, x, bottom, ByTheme(kToolSeparatorColor, palette.eTheme));
  BandLine(hdc, x, band.top + kSeparatorTop, x, bottom, RGB(255, 255, 255));
}

void tsMSNet::DrawToolFrame(HDC hdc, const RECT& frame, const tToolFrameState& state, const Palette& palette,
                            ArtworkCache& /*artwork*/) const {
  FillBandBox(hdc, frame.left, frame.top, frame.right, frame.bottom, ByTheme(kFrameFill, palette.eTheme));
  DrawToolFrameBorder(hdc, frame, state.lDividerX, palette.MenuBorder);
}

void tsMSNet::DrawToolDropArrow(HDC hdc, POINT at, bool bEnabled, const Palette& /*palette*/) const {
  DrawMarlettDropArrow(hdc, at, bEnabled);
}

void tsMSNet::DrawPanelHotCell(HDC hdc, const RECT& inner, const Palette& palette) const {
  FillPanelHotBox(hdc, inner, palette);
}

}  // namespace styles
