#include "render/styles/tsMSNet.h"

#include "render/ColorScheme.h"
#include "render/modDrawHelpers.h"

namespace styles {
namespace {

constexpr PerTheme<COLORREF> kBarBackground{RGB(236, 233, 216), RGB(224, 223, 227), RGB(236, 233, 216)};

constexpr PerTheme<COLORREF> kHoverFill{RGB(193, 210, 238), RGB(199, 199, 202), RGB(206, 209, 112)};
constexpr PerTheme<COLORREF> kHoverOutline{RGB(49, 106, 197), RGB(169, 171, 181), RGB(147, 160, 112)};

constexpr PerTheme<COLORREF> kPressedFill{RGB(239, 237, 222), RGB(229, 228, 232), RGB(239, 237, 222)};
constexpr PerTheme<COLORREF> kPressedOutline{RGB(138, 134, 122), RGB(126, 126, 129), RGB(138, 134, 122)};
constexpr COLORREF kPressedInnerOutline = RGB(252, 252, 249);

}  // namespace

void tsMSNet::DrawBarBackground(HDC hdc, const RECT& area, int /*barHeight*/, ctsThemes theme,
                                ArtworkCache& /*artwork*/) const {
  DrawSolidRect(hdc, area.left, area.top, area.right, area.bottom, ByTheme(kBarBackground, theme), kSolidRectFill);
}

void tsMSNet::DrawBarHoverBox(HDC hdc, const RECT& box, ctsThemes theme) const {
  DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, ByTheme(kHoverFill, theme), kSolidRectFill);
  DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, ByTheme(kHoverOutline, theme), kSolidRectFrame);
}

void tsMSNet::DrawBarPressedBox(HDC hdc, const RECT& box, ctsThemes theme, bool /*alternate*/,
                                ArtworkCache& /*artwork*/) const {
  DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, ByTheme(kPressedFill, theme), kSolidRectFill);
  DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, ByTheme(kPressedOutline, theme), kSolidRectFrame);
  // The lighter inner outline; its bottom edge sits one pixel above the outer one.
  DrawSolidRect(hdc, box.left + 1, box.top + 1, box.right - 1, box.bottom - 1, kPressedInnerOutline, kSolidRectFrame);
}

COLORREF tsMSNet::BarHighlightTextColor(ctsThemes /*theme*/, COLORREF normal) const { return normal; }

}  // namespace styles

// ---- menu window: a near-white body, a flat icon column in the pressed caption's colour (the
// open caption and the column read as one), a grey frame and grey separators.
namespace styles {
namespace {

constexpr COLORREF kMenuBackground = RGB(252, 252, 249);
constexpr COLORREF kMenuSeparator = RGB(197, 194, 184);

}  // namespace

void tsMSNet::DrawMenuBase(HDC hdc, const RECT& body, const RECT& margin, bool /*mirrored*/, ctsThemes theme,
                           ArtworkCache& /*artwork*/) const {
  DrawSolidRect(hdc, body.left, body.top, body.right, body.bottom, kMenuBackground, kSolidRectFill);
  DrawSolidRect(hdc, margin.left, margin.top, margin.right, margin.bottom, ByTheme(kPressedFill, theme),
                kSolidRectFill);
  DrawSolidRect(hdc, body.left, body.top, body.right, body.bottom,
                ComposeRGB(SchemeColor(ColorMenuBorder, ::tsMSNet, theme)), kSolidRectFrame);
}

// The infrequent rows' own background already covers the flat column.
void tsMSNet::DrawMenuInfrequentMargin(HDC /*hdc*/, const RECT& /*cell*/, bool /*mirrored*/, ctsThemes /*theme*/,
                                       ArtworkCache& /*artwork*/) const {}

void tsMSNet::DrawMenuSeparator(HDC hdc, int left, int right, int y, ctsThemes /*theme*/) const {
  DrawSolidRect(hdc, left, y, right, y + 1, kMenuSeparator, kSolidRectFill);
}

void tsMSNet::DrawMenuExpandHighlight(HDC hdc, const RECT& box, COLORREF /*fill*/, COLORREF outline) const {
  DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, outline, kSolidRectFrame);
}

}  // namespace styles
