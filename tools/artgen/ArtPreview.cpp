#include "ArtPreview.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "ArtCanvas.h"
#include "render/ResourceBitmaps.h"

namespace artgen {
namespace {

using namespace artwork;

constexpr int kWidth = 300;
constexpr int kBarHeight = 24;
constexpr int kBandHeight = 25;
constexpr int kGap = 6;
constexpr int kCaptionLeft = 30;
constexpr int kCaptionWidth = 44;
constexpr int kScrollHeight = 110;
constexpr int kScrollPitch = 24;
constexpr int kThumbTop = 30;
constexpr int kThumbLength = 40;
constexpr int kMenuHeight = 80;
constexpr int kMenuRowHeight = 22;
constexpr int kArrowInset = 12;
constexpr int kArrowLift = 9;
constexpr COLORREF kMenuBody = RGB(252, 252, 249);
constexpr COLORREF kBackground = RGB(250, 250, 250);
constexpr int kScrollStates = 3;

const win32::Surface& Piece(const Artwork& art, const std::string& name) {
  const auto found = std::find_if(art.begin(), art.end(), [&](const ArtPiece& p) { return p.name == name; });
  if (found == art.end()) throw std::out_of_range("no artwork named " + name);
  return found->image;
}

// Nearest-neighbour stretch of src's rectangle s onto dst's rectangle d; keyed pixels skip.
void Stretch(win32::Surface& dst, RECT d, const win32::Surface& src, RECT s, bool keyed = false) {
  const int dw = d.right - d.left;
  const int dh = d.bottom - d.top;
  for (int y = 0; y < dh; ++y) {
    for (int x = 0; x < dw; ++x) {
      const COLORREF c = src.At(s.left + x * (s.right - s.left) / dw, s.top + y * (s.bottom - s.top) / dh);
      if (!keyed || c != kArtworkKeyColor) Put(dst, d.left + x, d.top + y, c);
    }
  }
}

void Whole(win32::Surface& dst, int x, int y, const win32::Surface& src, bool keyed) {
  Stretch(dst, {x, y, x + src.width, y + src.height}, src, {0, 0, src.width, src.height}, keyed);
}

// A source slice [x, x + w) of the full height, stretched over [dx, dx + dw) of a band.
void Slice(win32::Surface& dst, int top, int height, const win32::Surface& src, int x, int w, int dx, int dw) {
  Stretch(dst, {dx, top, dx + dw, top + height}, src, {x, 0, x + w, src.height});
}

void Band2003(win32::Surface& out, const Artwork& art, int theme, int top, bool hotChevron) {
  const win32::Surface& strip = Piece(art, "REBAR2003_BITMAPS");
  const int column = theme * kRebarColumnWidth;
  Slice(out, top, kBandHeight, strip, column, kRebarCapWidth, 0, kRebarCapWidth);
  Slice(out, top, kBandHeight, strip, column + kRebarMiddleX, kRebarMiddleWidth, kRebarCapWidth,
        kWidth - 2 * kRebarCapWidth);
  Slice(out, top, kBandHeight, strip, column + kRebarRightCapX, kRebarCapWidth, kWidth - kRebarCapWidth, kRebarCapWidth);
  const int chevron = column + (hotChevron ? kRebarHotChevronX : kRebarChevronX);
  const int left = kWidth - kRebarChevronWidth;
  const int middle = kRebarChevronWidth - 2 * kRebarCapWidth;
  Slice(out, top, kBandHeight, strip, chevron, kRebarCapWidth, left, kRebarCapWidth);
  Slice(out, top, kBandHeight, strip, chevron + kRebarCapWidth, kRebarChevronMiddleWidth, left + kRebarCapWidth, middle);
  Slice(out, top, kBandHeight, strip, chevron + kRebarChevronWidth - kRebarCapWidth, kRebarCapWidth,
        kWidth - kRebarCapWidth, kRebarCapWidth);
  Whole(out, kWidth - kArrowInset, top + kBandHeight - kArrowLift, Piece(art, "REBAR2003_ARROW"), true);
}

void ScrollBar(win32::Surface& out, const Artwork& art, int theme, int x, int top, const std::string& state) {
  auto themed = [&](const std::string& stem) -> const win32::Surface& { return Piece(art, Themed(stem, theme)); };
  const win32::Surface& up = themed("VS_UP" + state);
  const win32::Surface& down = themed("VS_DOWN" + state);
  const win32::Surface& back = themed(state.empty() ? "VS_BACK" : "VS_BACKHOT");
  const int trackTop = top + up.height;
  const int trackBottom = top + kScrollHeight - down.height;
  Stretch(out, {x, trackTop, x + back.width, trackBottom}, back, {0, 0, back.width, back.height});
  Whole(out, x, top, up, false);
  Whole(out, x, trackBottom, down, false);
  const win32::Surface& upGlyph = themed("VS_UPARROW");
  const win32::Surface& downGlyph = themed("VS_DOWNARROW");
  Whole(out, x + (up.width - upGlyph.width) / 2, top + (up.height - upGlyph.height) / 2, upGlyph, true);
  Whole(out, x + (down.width - downGlyph.width) / 2, trackBottom + (down.height - downGlyph.height) / 2, downGlyph, true);
  const win32::Surface& cap = themed("VS_TOP" + state);
  const win32::Surface& body = themed("VS_BAR" + state);
  const win32::Surface& end = themed("VS_BOTTOM" + state);
  const int thumb = trackTop + kThumbTop;
  Whole(out, x, thumb, cap, false);
  Stretch(out, {x, thumb + cap.height, x + body.width, thumb + kThumbLength - end.height}, body,
          {0, 0, body.width, body.height});
  Whole(out, x, thumb + kThumbLength - end.height, end, false);
  const win32::Surface& grip = themed("VS_GRIPBAR");
  Whole(out, x + (body.width - grip.width) / 2, thumb + (kThumbLength - grip.height) / 2, grip, true);
}

void Menu(win32::Surface& out, const Artwork& art, int theme, int x, int top, int width) {
  const win32::Surface& margins = Piece(art, "MENU_MARGINS_BITMAPS");
  Fill(out, {x, top, x + width, top + kMenuHeight}, kMenuBody);
  for (int kind = 0; kind < 2; ++kind) {
    const int source = (kind * 3 + theme) * kMarginPiecePitch;
    const int row = top + kind * kMenuRowHeight;
    Stretch(out, {x, row, x + kMarginWidth, row + kMenuRowHeight}, margins,
            {0, source, kMarginWidth, source + kMarginPieceHeight});
  }
  const win32::Surface& arrows = Piece(art, "INFREQARROW_BITMAPS");
  const int arrowTop = top + kMenuHeight - kInfreqCellHeight - 2;
  for (int state = 0; state < kInfreqStateCount; ++state) {
    const int cell = (theme * kInfreqStateCount + state) * kInfreqCellWidth;
    const int dx = x + (width / 2 - kInfreqCellWidth) + state * kInfreqCellWidth;
    Stretch(out, {dx, arrowTop, dx + kInfreqCellWidth, arrowTop + kInfreqCellHeight}, arrows,
            {cell, 0, cell + kInfreqCellWidth, kInfreqCellHeight}, true);
  }
  Frame(out, {x, top, x + width, top + kMenuHeight}, RGB(128, 128, 128));
}

}  // namespace

win32::Surface RenderPreview(const Artwork& art, int theme) {
  const int bandsTop = kBarHeight;
  const int ieTop = bandsTop + 2 * kBandHeight + kGap;
  const int lowerTop = ieTop + kBarHeight + kBandHeight + kGap;
  win32::Surface out = Blank(kWidth, lowerTop + kScrollHeight, kBackground);

  const win32::Surface& bar = Piece(art, "MENUBAR2003_BITMAPS");
  const int column = theme * kMenuBarColumnWidth;
  Stretch(out, {0, 0, kWidth, kBarHeight}, bar, {column, 0, column + kMenuBarColumnWidth, bar.height});
  const int piece = kPressedStripX + theme * kPressedThemePitch;
  Stretch(out, {kCaptionLeft, 1, kCaptionLeft + kCaptionWidth, kBarHeight}, bar,
          {piece, kPressedStripY, piece + kPressedPieceWidth, kPressedStripY + kPressedPieceHeight});
  Band2003(out, art, theme, bandsTop, false);
  Band2003(out, art, theme, bandsTop + kBandHeight, true);

  const win32::Surface& panel = Piece(art, Themed("MSIE_PANEL", theme));
  Stretch(out, {0, ieTop, kWidth, ieTop + kBarHeight}, panel, {0, 0, panel.width, panel.height});
  const win32::Surface& ieBar = Piece(art, Themed("MSIE_BAR", theme));
  Stretch(out, {0, ieTop + kBarHeight, kWidth, ieTop + kBarHeight + kBandHeight}, ieBar, {0, 0, ieBar.width, ieBar.height});
  Whole(out, kCaptionLeft, ieTop + kBarHeight + 2, Piece(art, "MSIE_BUTTON"), false);

  Menu(out, art, theme, 0, lowerTop, kWidth / 2);
  const char* states[kScrollStates] = {"", "HOT", "PRESS"};
  for (int i = 0; i < kScrollStates; ++i) ScrollBar(out, art, theme, kWidth / 2 + kGap + i * kScrollPitch, lowerTop, states[i]);
  return out;
}

}  // namespace artgen
