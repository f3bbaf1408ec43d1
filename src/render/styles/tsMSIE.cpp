#include "render/styles/tsMSIE.h"

#include <array>

#include "render/ResourceBitmaps.h"
#include "render/modDrawHelpers.h"
#include "render/styles/BandDrawing.h"
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

// One gripper dot: a white square below and right of (x, y), with shading over its top-left.
void GripperDot(HDC hdc, int x, int y) {
  DrawSolidRect(hdc, x + 1, y + 1, x + 1 + kGripperDotSize, y + 1 + kGripperDotSize, kWhite, kSolidRectFill);
  SetPixelV(hdc, x, y, kGripperTopLeft);
  SetPixelV(hdc, x + 1, y, kGripperSide);
  SetPixelV(hdc, x, y + 1, kGripperSide);
  SetPixelV(hdc, x + 1, y + 1, kGripperBottomRight);
}

constexpr PerTheme<COLORREF> kHighlightFill{RGB(49, 106, 197), RGB(187, 183, 199), RGB(147, 160, 112)};
constexpr PerTheme<COLORREF> kHighlightText{RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255)};

}  // namespace

void tsMSIE::DrawBarBackground(HDC hdc, const RECT& area, int barHeight, const Palette& palette,
                               ArtworkCache& artwork) const {
  if (const cMemDC* panel = artwork.Find(ThemedResourceName(kPanelStem, ThemeIndex(palette.eTheme)))) {
    StretchBlt(hdc, area.left, area.top, area.right - area.left, area.bottom - area.top, panel->hdc(), 0, 0,
               panel->Width(), panel->Height(), SRCCOPY);
  }
  for (int y = kGripperFirstY; y <= barHeight + kGripperOverrun; y += kGripperPitch) GripperDot(hdc, kGripperX, y);
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

// ---- tool bands: the theme's bar picture stretched over the band with the gripper dots down
// its left edge, the chevron arrow alone until the mouse is over it, a raised button face for
// hot tools and a flat sunken box for pressed and checked ones, their corners rounded by
// pixels of in-between colours.
namespace styles {
namespace {

// The band's gripper dots: the bar's dot shape, one column further left and a row higher.
constexpr int kBandGripX = 1;
constexpr int kBandGripFirstY = 4;
constexpr int kBandGripEndInset = 6;
constexpr int kSeparatorTop = 4;
constexpr int kSeparatorBottomInset = 5;
constexpr COLORREF kSeparator = RGB(202, 198, 175);
constexpr COLORREF kSilverSeparatorUnder = RGB(191, 191, 197);

// A corner pixel: offsets from the frame corner it belongs to (inward positive), which corner
// (left or right, top or bottom) and its colour.
struct CornerPixel {
  int dx;
  int dy;
  bool bRight;
  bool bBottom;
  COLORREF colour;
};
using Corners = std::array<CornerPixel, 12>;

constexpr COLORREF kPressedFace = RGB(229, 228, 221);
constexpr COLORREF kPressedOutline = RGB(157, 157, 146);
constexpr Corners kPressedCorners{{
    {0, 0, false, false, RGB(243, 244, 245)}, {1, 0, false, false, RGB(208, 208, 197)},
    {0, 1, false, false, RGB(205, 203, 193)}, {0, 0, true, false, RGB(235, 234, 229)},
    {1, 0, true, false, RGB(208, 208, 197)},  {0, 1, true, false, RGB(205, 203, 193)},
    {0, 0, false, true, RGB(230, 229, 222)},  {1, 1, false, true, RGB(225, 223, 215)},
    {0, 0, true, true, RGB(227, 224, 218)},   {1, 1, true, true, RGB(225, 224, 217)},
    {1, 1, false, false, RGB(171, 171, 160)}, {1, 1, true, false, RGB(220, 218, 209)},
}};

constexpr COLORREF kHotOutline = RGB(206, 206, 195);
constexpr Corners kHotCorners{{
    {0, 0, false, false, RGB(242, 244, 242)}, {1, 0, false, false, RGB(228, 225, 214)},
    {0, 1, false, false, RGB(228, 225, 214)}, {0, 0, true, false, RGB(238, 237, 229)},
    {1, 0, true, false, RGB(215, 210, 198)},  {0, 1, true, false, RGB(215, 210, 198)},
    {0, 0, false, true, RGB(236, 235, 227)},  {1, 0, false, true, RGB(232, 232, 221)},
    {0, 1, false, true, RGB(232, 232, 221)},  {0, 0, true, true, RGB(233, 230, 221)},
    {1, 0, true, true, RGB(215, 210, 198)},   {0, 1, true, true, RGB(215, 210, 198)},
}};

void SetCorners(HDC hdc, const RECT& box, const Corners& corners) {
  for (const CornerPixel& c : corners) {
    const int x = c.bRight ? box.right - c.dx : box.left + c.dx;
    const int y = c.bBottom ? box.bottom - c.dy : box.top + c.dy;
    SetPixelV(hdc, x, y, c.colour);
  }
}

// The button face picture without its own one-pixel border, stretched inside the box.
void DrawButtonFace(HDC hdc, const RECT& box, ArtworkCache& artwork) {
  const cMemDC* face = artwork.Find(artwork::kMsieButton);
  if (face == nullptr) return;
  StretchBlt(hdc, box.left + 1, box.top + 1, box.right - box.left - 1, box.bottom - box.top - 1, face->hdc(), 1, 1,
             face->Width() - 2, face->Height() - 2, SRCCOPY);
}

}  // namespace

void tsMSIE::DrawBandBackground(HDC hdc, const RECT& band, const Palette& palette, ArtworkCache& artwork) const {
  if (const cMemDC* bar = artwork.Find(ThemedResourceName(artwork::kMsieBarStem, ThemeIndex(palette.eTheme)))) {
    StretchBlt(hdc, band.left, band.top, band.right - band.left, band.bottom - band.top, bar->hdc(), 0, 0,
               bar->Width(), bar->Height(), SRCCOPY);
  }
}

void tsMSIE::DrawBandGripper(HDC hdc, const RECT& band, const Palette& /*palette*/) const {
  // Tool repaints clip far from the gripper: skip its dots then.
  const RECT dots{kBandGripX, band.top, kBandGripX + 1 + kGripperDotSize, band.bottom};
  if (RectVisible(hdc, &dots) == FALSE) return;
  for (int y = band.top + kBandGripFirstY; y <= band.bottom - kBandGripEndInset; y += kGripperPitch) {
    GripperDot(hdc, kBandGripX, y);
  }
}

void tsMSIE::DrawBandChevron(HDC hdc, const RECT& area, eChevron state, const Palette& palette,
                             ArtworkCache& artwork) const {
  if (state == eChevron::Hot) {
    DrawChevronArea(hdc, area, state, palette.eTheme, artwork);
  } else {
    DrawChevronArrow(hdc, area, artwork);
  }
}

void tsMSIE::DrawToolSeparator(HDC hdc, int x, const RECT& band, const Palette& palette) const {
  const int top = band.top + kSeparatorTop;
  const int bottom = band.bottom - kSeparatorBottomInset;
  if (palette.eTheme == XPSilver) BandLine(hdc, x, top, x, bottom, kSilverSeparatorUnder);
  BandLine(hdc, x, top, x, bottom, kSeparator);
}

// Hot frames are the raised face; pressed and checked ones the sunken box; an open drop-down
// keeps the sunken box inside the raised face's edge colours.
void tsMSIE::DrawToolFrame(HDC hdc, const RECT& frame, const tToolFrameState& state, const Palette& /*palette*/,
                           ArtworkCache& artwork) const {
  switch (state.eFrame) {
    case eToolFrame::Hot:
    case eToolFrame::DropSwitchHot:
      DrawButtonFace(hdc, frame, artwork);
      FrameBandBox(hdc, frame.left, frame.top, frame.right, frame.bottom, kHotOutline);
      SetCorners(hdc, frame, kHotCorners);
      break;
    case eToolFrame::Pressed:
    case eToolFrame::Checked:
      FillBandBox(hdc, frame.left, frame.top, frame.right, frame.bottom, kPressedFace);
      FrameBandBox(hdc, frame.left, frame.top, frame.right, frame.bottom, kPressedOutline);
      SetCorners(hdc, frame, kPressedCorners);
      break;
    case eToolFrame::DropOpen:
      FillBandBox(hdc, frame.left, frame.top, frame.right, frame.bottom, kPressedFace);
      FrameBandBox(hdc, frame.left, frame.top, frame.right, frame.bottom, kHotOutline);
      SetCorners(hdc, frame, kHotCorners);
      break;
  }
  if (state.lDividerX != kNoDivider) BandLine(hdc, state.lDividerX, frame.top, state.lDividerX, frame.bottom, kHotOutline);
}

void tsMSIE::DrawToolDropArrow(HDC hdc, POINT at, bool bEnabled, const Palette& /*palette*/) const {
  DrawMarlettDropArrow(hdc, at, bEnabled);
}

void tsMSIE::DrawPanelHotCell(HDC hdc, const RECT& inner, const Palette& palette) const {
  FillPanelHotBox(hdc, inner, palette);
}

}  // namespace styles
