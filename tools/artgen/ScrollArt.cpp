// The flat scroll bar: arrow buttons, thumb caps and body, grip, track and arrow glyphs in
// their normal, hot, pressed and disabled states; and the spin-down glyphs.
#include <array>

#include "ArtCanvas.h"
#include "ArtworkCatalog.h"
#include "ThemePalette.h"
#include "render/ResourceBitmaps.h"

namespace artgen {
namespace {

constexpr int kScrollWidth = 17;
constexpr int kButtonHeight = 17;
constexpr int kCapHeight = 3;
constexpr int kBodyHeight = 6;
constexpr int kTrackHeight = 7;
constexpr int kTrackHotHeight = 8;
constexpr int kGripWidth = 7;
constexpr int kGripHeight = 8;
constexpr int kGlyphWidth = 9;
constexpr int kGlyphHeight = 6;
constexpr int kSpinGlyphs = 4;
constexpr double kInnerHighlight = 0.55;

// The top-left pixel stays the key colour so that the glyphs can be drawn keyed on it.
const std::initializer_list<const char*> kUpGlyph = {"....X....", "...XXX...", "..XXXXX..", ".XXX.XXX.", ".XX...XX.", ""};
const std::initializer_list<const char*> kDownGlyph = {".XX...XX.", ".XXX.XXX.", "..XXXXX..", "...XXX...", "....X....", ""};

// A face with a one-pixel border, a lighter inner edge at top and left, and rounded corners
// over the track colour at the top or bottom corners as asked.
void Face(win32::Surface& s, RECT r, const ScrollFace& f, COLORREF behind, bool roundTop, bool roundBottom) {
  HorizontalGradient(s, r, f.face.from, f.face.to);
  for (int x = r.left + 1; x < r.right - 1; ++x) Put(s, x, r.top + 1, Mix(s.At(x, r.top + 1), kWhite, kInnerHighlight));
  for (int y = r.top + 1; y < r.bottom - 1; ++y) Put(s, r.left + 1, y, Mix(s.At(r.left + 1, y), kWhite, kInnerHighlight));
  Frame(s, r, f.border);
  if (roundTop) {
    Put(s, r.left, r.top, Mix(f.border, behind, 0.6));
    Put(s, r.right - 1, r.top, Mix(f.border, behind, 0.6));
  }
  if (roundBottom) {
    Put(s, r.left, r.bottom - 1, Mix(f.border, behind, 0.6));
    Put(s, r.right - 1, r.bottom - 1, Mix(f.border, behind, 0.6));
  }
}

win32::Surface ArrowButton(const ScrollFace& f, COLORREF behind) {
  win32::Surface s = Blank(kScrollWidth, kButtonHeight, behind);
  Face(s, {0, 0, kScrollWidth, kButtonHeight}, f, behind, true, true);
  return s;
}

// Thumb top cap: border row on top; bottom cap: border row below; body: sides only.
win32::Surface ThumbTop(const ScrollFace& f, COLORREF behind) {
  win32::Surface s = Blank(kScrollWidth, kCapHeight, behind);
  Face(s, {0, 0, kScrollWidth, kCapHeight + 1}, f, behind, true, false);
  return s;
}

win32::Surface ThumbBottom(const ScrollFace& f, COLORREF behind) {
  win32::Surface s = Blank(kScrollWidth, kCapHeight, behind);
  Face(s, {0, -1, kScrollWidth, kCapHeight}, f, behind, false, true);
  return s;
}

win32::Surface ThumbBody(const ScrollFace& f) {
  win32::Surface s = Blank(kScrollWidth, kBodyHeight, f.border);
  HorizontalGradient(s, {0, 0, kScrollWidth, kBodyHeight}, f.face.from, f.face.to);
  for (int y = 0; y < kBodyHeight; ++y) {
    Put(s, 1, y, Mix(s.At(1, y), kWhite, kInnerHighlight));
    Put(s, 0, y, f.border);
    Put(s, kScrollWidth - 1, y, f.border);
  }
  return s;
}

win32::Surface Track(const Gradient& g, int height) {
  win32::Surface s = Blank(kScrollWidth, height, g.to);
  HorizontalGradient(s, {0, 0, kScrollWidth, height}, g.from, g.to);
  return s;
}

win32::Surface Grip(const ThemePalette& p) {
  win32::Surface s = Blank(kGripWidth, kGripHeight, artwork::kArtworkKeyColor);
  constexpr int kLinePitch = 2;
  for (int y = 0; y < kGripHeight; y += kLinePitch) {
    Fill(s, {1, y, kGripWidth - 1, y + 1}, p.gripLight);
    Fill(s, {2, y + 1, kGripWidth, y + 2}, p.gripDark);
  }
  return s;
}

win32::Surface Glyph(std::initializer_list<const char*> rows, COLORREF ink) {
  win32::Surface s = Blank(kGlyphWidth, kGlyphHeight, artwork::kArtworkKeyColor);
  Pattern(s, 0, 0, rows, ink);
  return s;
}

void AddTheme(Artwork& art, int t) {
  const ThemePalette& p = PaletteFor(t);
  const COLORREF behind = p.track.from;
  const std::array<std::pair<const char*, const ScrollFace*>, 3> states = {
      {{"", &p.scrollNormal}, {"HOT", &p.scrollHot}, {"PRESS", &p.scrollPressed}}};
  for (const auto& [suffix, face] : states) {
    const std::string s = suffix;
    art.push_back({Themed("VS_UP" + s, t), t, ArrowButton(*face, behind)});
    art.push_back({Themed("VS_DOWN" + s, t), t, ArrowButton(*face, behind)});
    art.push_back({Themed("VS_TOP" + s, t), t, ThumbTop(*face, behind)});
    art.push_back({Themed("VS_BOTTOM" + s, t), t, ThumbBottom(*face, behind)});
    art.push_back({Themed("VS_BAR" + s, t), t, ThumbBody(*face)});
  }
  art.push_back({Themed("VS_BACK", t), t, Track(p.track, kTrackHeight)});
  art.push_back({Themed("VS_BACKHOT", t), t, Track(p.trackHot, kTrackHotHeight)});
  art.push_back({Themed("VS_GRIPBAR", t), t, Grip(p)});
  art.push_back({Themed("VS_UPARROW", t), t, Glyph(kUpGlyph, p.scrollGlyph)});
  art.push_back({Themed("VS_DOWNARROW", t), t, Glyph(kDownGlyph, p.scrollGlyph)});
}

}  // namespace

void AddScrollArt(Artwork& art) {
  for (int t = 0; t < kThemes; ++t) AddTheme(art, t);
  const COLORREF behind = PaletteFor(0).track.from;
  art.push_back({"VS_UPDISABLED", kSharedTheme, ArrowButton(kScrollDisabled, behind)});
  art.push_back({"VS_DOWNDISABLED", kSharedTheme, ArrowButton(kScrollDisabled, behind)});
  art.push_back({"VS_UPARROWDISABLED", kSharedTheme, Glyph(kUpGlyph, kScrollGlyphDisabled)});
  art.push_back({"VS_DOWNARROWDISABLED", kSharedTheme, Glyph(kDownGlyph, kScrollGlyphDisabled)});
  // Spin glyphs: one per theme, then the classic black one.
  for (int i = 0; i < kSpinGlyphs; ++i) {
    const COLORREF ink = i < kThemes ? PaletteFor(i).scrollGlyph : kBlack;
    art.push_back({Themed("SPINDNARROW", i), i < kThemes ? i : kSharedTheme, Glyph(kDownGlyph, ink)});
  }
  art.push_back({"SPINDNARROWDISABLED", kSharedTheme, Glyph(kDownGlyph, kScrollGlyphDisabled)});
}

}  // namespace artgen
