#include "render/styles/tsMSIE.h"

#include "render/ResourceBitmaps.h"
#include "render/modDrawHelpers.h"
#include "render/styles/PerTheme.h"

namespace styles {
namespace {

constexpr const char* kPanelStem = artwork::kMsiePanelStem;

// Gripper column: one dot every kGripperPitch rows while the counter stays within the bar
// height plus kGripperOverrun; each dot is a white square with a shaded 2x2 block over it,
// up and to the left.
constexpr int kGripperFirstY = 5;
constexpr int kGripperPitch = 4;
constexpr int kGripperOverrun = 5;
constexpr int kGripperX = 4;
constexpr int kGripperDotSize = 2;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGripperTopLeft = RGB(214, 207, 198);
constexpr COLORREF kGripperSide = RGB(179, 176, 171);
constexpr COLORREF kGripperBottomRight = RGB(141, 136, 122);

constexpr PerTheme<COLORREF> kHighlightFill{RGB(49, 106, 197), RGB(187, 183, 199), RGB(147, 160, 112)};
constexpr PerTheme<COLORREF> kHighlightText{RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255)};

}  // namespace

void tsMSIE::DrawBarBackground(HDC hdc, const RECT& area, int barHeight, const Palette& palette,
                               ArtworkCache& artwork) const {
  if (const cMemDC* panel = artwork.Find(ThemedResourceName(kPanelStem, ThemeIndex(palette.eTheme)))) {
    StretchBlt(hdc, area.left, area.top, area.right - area.left, area.bottom - area.top, panel->hdc(), 0, 0,
               panel->Width(), panel->Height(), SRCCOPY);
  }
  for (int y = kGripperFirstY; y <= barHeight + kGripperOverrun; y += kGripperPitch) {
    const int x = kGripperX;
    DrawSolidRect(hdc, x + 1, y + 1, x + 1 + kGripperDotSize, y + 1 + kGripperDotSize, kWhite, kSolidRectFill);
    SetPixelV(hdc, x, y, kGripperTopLeft);
    SetPixelV(hdc, x + 1, y, kGripperSide);
    SetPixelV(hdc, x, y + 1, kGripperSide);
    SetPixelV(hdc, x + 1, y + 1, kGripperBottomRight);
  }
}

// Hovered and open captions look the same.
void tsMSIE::DrawBarCaptionBox(HDC hdc, const RECT& box, eBarCaption /*state*/, const Palette& palette,
                               ArtworkCache& /*artwork*/) const {
  DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, ByTheme(kHighlightFill, palette.eTheme),
                kSolidRectFill);
}

COLORREF tsMSIE::BarCaptionTextColor(COLORREF /*normal*/, const Palette& palette) const {
  return ByTheme(kHighlightText, palette.eTheme);
}

}  // namespace styles

// ---- menu window: the classic system menu: the system menu colour throughout, a raised
// three-dimensional frame and etched separators.
namespace styles {
namespace {

constexpr int kMenuSeparatorEtch = 1;

void FillSys(HDC hdc, int left, int top, int right, int bottom, int sysColor) {
  DrawSolidRect(hdc, left, top, right, bottom, kOleSystemColorFlag | static_cast<OLE_COLOR>(sysColor), kSolidRectFill);
}

}  // namespace

void tsMSIE::DrawMenuBase(HDC hdc, const RECT& body, const RECT& /*margin*/, bool /*mirrored*/,
                          const Palette& /*palette*/, ArtworkCache& /*artwork*/) const {
  FillSys(hdc, body.left, body.top, body.right, body.bottom, COLOR_MENU);
  FillSys(hdc, body.left, body.top, body.right, body.top + 1, COLOR_BTNHIGHLIGHT);
  FillSys(hdc, body.left, body.top, body.left + 1, body.bottom, COLOR_BTNHIGHLIGHT);
  FillSys(hdc, body.left, body.bottom - 1, body.right, body.bottom, COLOR_BTNSHADOW);
  FillSys(hdc, body.right - 1, body.top, body.right, body.bottom, COLOR_BTNSHADOW);
}

// The classic menu has no icon column of its own.
void tsMSIE::DrawMenuInfrequentMargin(HDC /*hdc*/, const RECT& /*cell*/, bool /*mirrored*/,
                                      const Palette& /*palette*/, ArtworkCache& /*artwork*/) const {}

void tsMSIE::DrawMenuSeparator(HDC hdc, int left, int right, int y, const Palette& /*palette*/) const {
  FillSys(hdc, left, y, right, y + 1, COLOR_BTNSHADOW);
  FillSys(hdc, left, y + kMenuSeparatorEtch, right, y + kMenuSeparatorEtch + 1, COLOR_BTNHIGHLIGHT);
}

void tsMSIE::DrawMenuExpandHighlight(HDC hdc, const RECT& box, const Palette& palette) const {
  DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, palette.HighlightFill, kSolidRectFill);
  DrawSolidRect(hdc, box.left, box.top, box.right, box.bottom, palette.HighlightOutline, kSolidRectFrame);
}

}  // namespace styles
