// Block transfers with ternary raster operations, including the colour <-> monochrome
// conversions Windows applies between DCs of different formats.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "win32/gdi/DeviceContext.h"
#include "win32/gdi/GdiObjects.h"

namespace {

using namespace win32::gdi;
using win32::Surface;

constexpr int kRopIndexShift = 16;
constexpr DWORD kRopIndexMask = 0xFF;
constexpr COLORREF kColourBits = 0x00FFFFFF;
constexpr int kCombinations = 8;
constexpr int kPatternBit = 4;
constexpr int kSourceBit = 2;
constexpr BYTE kSrcCopyIndex = 0xCC;

bool UsesSource(BYTE rop) { return ((rop >> kSourceBit) ^ rop) & 0x33; }
bool UsesPattern(BYTE rop) { return ((rop >> kPatternBit) ^ rop) & 0x0F; }

// Evaluates a ternary raster operation bitwise: bit n of the index gives the result for the
// pattern/source/destination bits (P << 2 | S << 1 | D) == n.
COLORREF ApplyRop(BYTE rop, COLORREF p, COLORREF s, COLORREF d) {
  COLORREF result = 0;
  for (int n = 0; n < kCombinations; ++n) {
    if (!((rop >> n) & 1)) continue;
    const COLORREF pm = (n & kPatternBit) ? p : ~p;
    const COLORREF sm = (n & kSourceBit) ? s : ~s;
    const COLORREF dm = (n & 1) ? d : ~d;
    result |= pm & sm & dm;
  }
  return result & kColourBits;
}

// The colour a pattern brush puts at a target pixel.
COLORREF PatternAt(const DeviceContext& dc, const BrushObject* brush, int x, int y) {
  if (!brush || brush->hollow) return 0;
  if (!brush->pattern || brush->pattern->width == 0 || brush->pattern->height == 0) return ToTargetColor(dc, SolidColour(dc, *brush));
  const Surface& p = *brush->pattern;
  const int px = ((x - dc.origin.x) % p.width + p.width) % p.width;
  const int py = ((y - dc.origin.y) % p.height + p.height) % p.height;
  const COLORREF c = p.At(px, py);
  if (p.bitsPerPixel == 1 && !IsMonochrome(dc)) return c ? dc.attr.bkColor : dc.attr.textColor;
  return ToTargetColor(dc, c);
}

// Converts source pixels to the destination's format; the rule is fixed per transfer.
struct SourceConverter {
  enum class Rule { Same, ColourToMono, MonoToColour } rule = Rule::Same;
  COLORREF sourceBk = 0;
  COLORREF destText = 0;
  COLORREF destBk = 0;

  SourceConverter(const DeviceContext& src, const DeviceContext& dest) {
    const bool srcMono = IsMonochrome(src);
    const bool destMono = IsMonochrome(dest);
    if (!srcMono && destMono) rule = Rule::ColourToMono;
    if (srcMono && !destMono) rule = Rule::MonoToColour;
    sourceBk = src.attr.bkColor & kColourBits;
    destText = dest.attr.textColor & kColourBits;
    destBk = dest.attr.bkColor & kColourBits;
  }
  // Colour -> mono: the source background colour becomes 1 (white), the rest 0.
  // Mono -> colour: 0 becomes the destination's text colour, 1 its background colour.
  COLORREF operator()(COLORREF s) const {
    switch (rule) {
      case Rule::ColourToMono: return (s & kColourBits) == sourceBk ? RGB(255, 255, 255) : RGB(0, 0, 0);
      case Rule::MonoToColour: return s ? destBk : destText;
      case Rule::Same: return s;
    }
    return s;
  }
};

// Maps step i of `count` destination steps onto the source span, nearest neighbour.
int SourceOffset(int i, int destCount, int srcCount) {
  return static_cast<int>((static_cast<long long>(2 * i + 1) * srcCount) / (2LL * destCount));
}

// SourceOffset for consecutive steps without a division per step: the offset's numerator
// (2i + 1) * srcCount advances by 2 * srcCount per step, split once into whole source
// pixels and a remainder.
class ColumnMap {
 public:
  ColumnMap(int i, int destCount, int srcCount)
      : m_Denominator(2LL * destCount),
        m_Whole((2LL * srcCount) / m_Denominator),
        m_Part((2LL * srcCount) % m_Denominator),
        m_Offset((static_cast<long long>(2 * i + 1) * srcCount) / m_Denominator),
        m_Remainder((static_cast<long long>(2 * i + 1) * srcCount) % m_Denominator) {}
  int Offset() const { return static_cast<int>(m_Offset); }
  // To step i + direction (direction is 1 or -1).
  void Step(int direction) {
    if (direction > 0) {
      m_Offset += m_Whole;
      m_Remainder += m_Part;
      if (m_Remainder >= m_Denominator) {
        m_Remainder -= m_Denominator;
        ++m_Offset;
      }
    } else {
      m_Offset -= m_Whole;
      m_Remainder -= m_Part;
      if (m_Remainder < 0) {
        m_Remainder += m_Denominator;
        --m_Offset;
      }
    }
  }

 private:
  long long m_Denominator;
  long long m_Whole;
  long long m_Part;
  long long m_Offset;
  long long m_Remainder;
};

// Win32 extents: a negative extent spans the pixels ending at (and including) the origin,
// walked backwards, which mirrors a stretch.
struct Span {
  int first;
  int count;
  int step;
  int Low() const { return step > 0 ? first : first - count + 1; }
  int Index(int coordinate) const { return (coordinate - first) * step; }
};
Span SpanOf(int origin, int extent) { return Span{origin, std::abs(extent), extent < 0 ? -1 : 1}; }

BOOL Transfer(HDC hdest, int x, int y, int w, int h, HDC hsrc, int sx, int sy, int sw, int sh, DWORD code) {
  DeviceContext* dest = FindDC(hdest);
  if (!dest || w == 0 || h == 0) return dest != nullptr;
  Surface* target = TargetOf(*dest);
  if (!target) return FALSE;
  const BYTE rop = static_cast<BYTE>((code >> kRopIndexShift) & kRopIndexMask);
  const bool needSource = UsesSource(rop);
  DeviceContext* src = needSource ? FindDC(hsrc) : nullptr;
  const Surface* source = src ? TargetOf(*src) : nullptr;
  if (needSource && (!source || sw == 0 || sh == 0)) return FALSE;
  // Snapshot the source so a blit within one surface reads unmodified pixels.
  const Surface sourceCopy = needSource && source == target ? *source : Surface{};
  if (needSource && source == target) source = &sourceCopy;
  const BrushObject* brush = UsesPattern(rop) ? Find<BrushObject>(dest->attr.brush) : nullptr;
  const bool patterned = brush && brush->pattern;
  const COLORREF solid = brush && !patterned ? PatternAt(*dest, brush, 0, 0) : 0;
  const std::optional<SourceConverter> convert = src ? std::optional<SourceConverter>(std::in_place, *src, *dest) : std::nullopt;
  const POINT sourceShift = src ? ToTarget(*src, 0, 0) : POINT{0, 0};

  const Span spanX = SpanOf(x, w);
  const Span spanY = SpanOf(y, h);
  const int srcStepX = sw < 0 ? -1 : 1;
  const int srcStepY = sh < 0 ? -1 : 1;
  const bool destMono = target->bitsPerPixel == 1;
  const POINT shift = ToTarget(*dest, 0, 0);
  const RECT area{spanX.Low(), spanY.Low(), spanX.Low() + spanX.count, spanY.Low() + spanY.count};
  const bool plainCopy = rop == kSrcCopyIndex && convert->rule == SourceConverter::Rule::Same && w == sw && h == sh &&
                         w > 0 && h > 0;
  // A plain copy onto a shown window nothing lies over goes on to the screen while its rows
  // are at hand; other parts are left to the compositor.
  const ScreenMirror mirror = plainCopy ? ScreenMirror::For(*dest, *target, area) : ScreenMirror{};
  ForEachVisible(*dest, area, [&](const RECT& part) {
    // Unstretched copies between like formats move whole rows.
    const int firstX = sourceShift.x + sx + (part.left - shift.x - x);
    const int firstY = sourceShift.y + sy + (part.top - shift.y - y);
    if (plainCopy && source->Contains(firstX, firstY) &&
        source->Contains(firstX + part.right - part.left - 1, firstY + part.bottom - part.top - 1)) {
      for (int row = 0; row < part.bottom - part.top; ++row) {
        const COLORREF* from = source->pixels.data() + static_cast<size_t>((firstY + row) * source->width + firstX);
        std::copy(from, from + (part.right - part.left), &target->At(part.left, part.top + row));
      }
      if (mirror.Active()) mirror.CopyFrom(*target, part);
      return;
    }
    if (mirror.Active()) UnionRect(&dest->touched, &dest->touched, &part);
    // A source column depends only on the target column, and the mapping is monotonic: its
    // ends give the span of source columns read.
    const auto columnAt = [&](int tx) {
      return sourceShift.x + sx + SourceOffset(spanX.Index(tx - shift.x), spanX.count, std::abs(sw)) * srcStepX;
    };
    const int lowColumn = needSource ? std::min(columnAt(part.left), columnAt(part.right - 1)) : 0;
    const int highColumn = needSource ? std::max(columnAt(part.left), columnAt(part.right - 1)) : 0;
    const bool rowCopies = needSource && lowColumn >= 0 && highColumn < source->width && rop == kSrcCopyIndex &&
                           convert->rule == SourceConverter::Rule::Same;
    // Each column mapped once per part when rows need them (into storage kept between
    // transfers: stretches run on every band repaint).
    static std::vector<int> sourceColumns;
    sourceColumns.clear();
    const auto mapColumns = [&] {
      if (!sourceColumns.empty()) return;
      ColumnMap map(spanX.Index(part.left - shift.x), spanX.count, std::abs(sw));
      for (int tx = part.left; tx < part.right; ++tx, map.Step(spanX.step)) {
        sourceColumns.push_back(sourceShift.x + sx + map.Offset() * srcStepX);
      }
    };
    if (needSource && !rowCopies) mapColumns();
    int previousRow = -1;  // the source row the target row above was copied from
    for (int ty = part.top; ty < part.bottom; ++ty) {
      const int j = spanY.Index(ty - shift.y);
      const int py = needSource ? sourceShift.y + sy + SourceOffset(j, spanY.count, std::abs(sh)) * srcStepY : 0;
      if (rowCopies && py >= 0 && py < source->height) {
        // A stretched copy: a row repeating the source row of the row above copies that row.
        COLORREF* out = &target->At(part.left, ty);
        if (py == previousRow) {
          std::copy_n(out - target->width, part.right - part.left, out);
        } else {
          const COLORREF* from = source->pixels.data() + static_cast<size_t>(py) * static_cast<size_t>(source->width);
          // Stretched artwork is mostly a gradient across the stretch: a source span of one
          // colour fills the row.
          if (std::all_of(from + lowColumn, from + highColumn + 1, [&](COLORREF c) { return c == from[lowColumn]; })) {
            target->FillRow(part.left, ty, part.right - part.left, from[lowColumn]);
          } else {
            mapColumns();
            for (const int px : sourceColumns) *out++ = from[px];
          }
        }
        previousRow = py;
        continue;
      }
      previousRow = -1;
      for (int tx = part.left; tx < part.right; ++tx) {
        COLORREF s = 0;
        if (needSource) {
          const int px = sourceColumns[static_cast<size_t>(tx - part.left)];
          if (!source->Contains(px, py)) continue;
          s = (*convert)(source->At(px, py));
        }
        COLORREF& d = target->At(tx, ty);
        if (rop == kSrcCopyIndex) {
          d = destMono ? ToMono(s) : s;
          continue;
        }
        const COLORREF result = ApplyRop(rop, patterned ? PatternAt(*dest, brush, tx, ty) : solid, s, d);
        d = destMono ? ToMono(result) : result;
      }
    }
  }, mirror.Active());
  return TRUE;
}

}  // namespace

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
  return Transfer(dest, x, y, width, height, src, srcX, srcY, width, height, rop);
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, DWORD rop) {
  return Transfer(dest, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, rop);
}
