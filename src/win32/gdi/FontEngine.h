// Fonts through fontconfig and FreeType: face lookup, Windows-style metrics, glyph cache.
#pragma once
#include <array>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "win32/gdi.h"

using FT_Face = struct FT_FaceRec_*;

namespace win32::gdi {

// One rendered glyph: coverage 0..255 per pixel, placed relative to the pen on the baseline.
struct Glyph {
  int left = 0;  // from the pen to the first column
  int top = 0;   // from the baseline up to the first row
  int width = 0;
  int height = 0;
  int advance = 0;
  std::vector<BYTE> coverage;
};

struct FontMetrics {
  int ascent = 0;
  int descent = 0;
  int height = 0;
  int internalLeading = 0;
  int externalLeading = 0;
  int aveCharWidth = 0;
  int maxCharWidth = 0;
  int underlinePosition = 0;  // below the baseline
  int underlineThickness = 1;
  int strikeoutPosition = 0;  // above the baseline
};

class FontFace {
 public:
  // The realised face for a logical font; faces are shared and live for the process.
  static FontFace& For(const LOGFONTW& logFont);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const FontMetrics& Metrics() const { return metrics_; }
  const LOGFONTW& LogFont() const { return logFont_; }
  const Glyph& GlyphFor(char32_t codePoint);
  // Width of a run of UTF-16 text in pixels.
  int MeasureWidth(std::u16string_view text);

 private:
  static void Lean(Glyph& g);
  explicit FontFace(const LOGFONTW& logFont);
  void ChooseSize();
  void ComputeMetrics();
  unsigned GlyphIndex(char32_t codePoint) const;

  LOGFONTW logFont_;
  FT_Face face_ = nullptr;
  bool synthesizeBold_ = false;
  bool synthesizeItalic_ = false;
  int emPixels_ = 0;
  FontMetrics metrics_;
  std::map<char32_t, Glyph> glyphs_;
  // Text is mostly Latin: those glyphs are found without searching the map.
  std::array<const Glyph*, 256> latinGlyphs_{};
};

// Calls `visit` with each code point of UTF-16 text (unpaired surrogates become U+FFFD).
template <class Visit>
void ForEachCodePoint(std::u16string_view text, Visit visit) {
  constexpr char16_t kHighFirst = 0xD800;
  constexpr char16_t kLowFirst = 0xDC00;
  constexpr char16_t kLowLast = 0xDFFF;
  constexpr char32_t kSupplementaryBase = 0x10000;
  constexpr char32_t kReplacement = 0xFFFD;
  constexpr int kSurrogateBits = 10;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= kHighFirst && c < kLowFirst && i + 1 < text.size() && text[i + 1] >= kLowFirst && text[i + 1] <= kLowLast) {
      visit(kSupplementaryBase + ((static_cast<char32_t>(c - kHighFirst) << kSurrogateBits) | (text[i + 1] - kLowFirst)));
      ++i;
    } else if (c >= kHighFirst && c <= kLowLast) {
      visit(kReplacement);
    } else {
      visit(static_cast<char32_t>(c));
    }
  }
}

}  // namespace win32::gdi
