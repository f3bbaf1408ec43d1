#include "win32/gdi/TextRun.h"

#include <cstddef>

#include "win32/gdi/GdiObjects.h"

namespace win32::gdi {
namespace {

constexpr int kMaxCoverage = 255;
constexpr int kMonoThreshold = 128;

COLORREF Blend(COLORREF under, COLORREF over, int coverage) {
  auto mix = [coverage](int a, int b) { return static_cast<BYTE>(a + (b - a) * coverage / kMaxCoverage); };
  return RGB(mix(GetRValue(under), GetRValue(over)), mix(GetGValue(under), GetGValue(over)),
             mix(GetBValue(under), GetBValue(over)));
}

void DrawGlyph(const DeviceContext& dc, Surface& target, const Glyph& g, int penX, int baseline) {
  if (g.width == 0 || g.height == 0) return;  // a space
  const bool mono = target.bitsPerPixel == 1;
  const COLORREF color = ToTargetColor(dc, dc.attr.textColor);
  const RECT box{penX + g.left, baseline - g.top, penX + g.left + g.width, baseline - g.top + g.height};
  const POINT origin = ToTarget(dc, box.left, box.top);
  const BYTE* const coverage = g.coverage.data();
  const int glyphWidth = g.width;
  COLORREF* const pixels = target.pixels.data();
  const std::size_t stride = static_cast<std::size_t>(target.width);
  ForEachVisible(dc, box, [&](const RECT& part) {
    const int count = part.right - part.left;
    for (int y = part.top; y < part.bottom; ++y) {
      // One row through plain pointers held in locals: every glyph of every caption is drawn here.
      const BYTE* cover = coverage + static_cast<std::size_t>((y - origin.y) * glyphWidth + (part.left - origin.x));
      COLORREF* row = pixels + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(part.left);
      for (int i = 0; i < count; ++i) {
        const int c = cover[i];
        if (c == 0) continue;
        if (mono) {
          if (c >= kMonoThreshold) row[i] = color;
        } else {
          row[i] = c == kMaxCoverage ? color : Blend(row[i], color, c);
        }
      }
    }
  });
}

void FillSolid(const DeviceContext& dc, const RECT& rect, COLORREF color) {
  Surface* target = TargetOf(dc);
  const COLORREF c = ToTargetColor(dc, color);
  ForEachVisible(dc, rect, [&](const RECT& part) {
    for (int y = part.top; y < part.bottom; ++y) {
      for (int x = part.left; x < part.right; ++x) target->At(x, y) = c;
    }
  });
}

}  // namespace

FontFace& FaceOf(const DeviceContext& dc) {
  const FontObject* font = Find<FontObject>(dc.attr.font);
  if (!font) font = Find<FontObject>(GetStockObject(SYSTEM_FONT));
  if (!font->face) font->face = &FontFace::For(font->logFont);
  return *font->face;
}

void DrawTextRun(const DeviceContext& dc, int x, int top, std::u16string_view text) {
  Surface* target = TargetOf(dc);
  if (!target) return;
  FontFace& face = FaceOf(dc);
  const FontMetrics& m = face.Metrics();
  if (dc.attr.bkMode == OPAQUE) {
    FillSolid(dc, RECT{x, top, x + face.MeasureWidth(text), top + m.height}, dc.attr.bkColor);
  }
  const int baseline = top + m.ascent;
  int pen = x;
  ForEachCodePoint(text, [&](char32_t c) {
    const Glyph& g = face.GlyphFor(c);
    DrawGlyph(dc, *target, g, pen, baseline);
    pen += g.advance;
  });
  // The pen ends where the run does.
  const int width = pen - x;
  const LOGFONTW& lf = face.LogFont();
  if (lf.lfUnderline) {
    const int y = baseline + m.underlinePosition;
    FillSolid(dc, RECT{x, y, x + width, y + m.underlineThickness}, dc.attr.textColor);
  }
  if (lf.lfStrikeOut) {
    const int y = baseline - m.strikeoutPosition;
    FillSolid(dc, RECT{x, y, x + width, y + m.underlineThickness}, dc.attr.textColor);
  }
}

}  // namespace win32::gdi
