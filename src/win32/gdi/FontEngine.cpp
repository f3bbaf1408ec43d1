#include "win32/gdi/FontEngine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <tuple>


namespace win32::gdi {
namespace {

constexpr const char* kWineFontDir = "/usr/share/wine/fonts";
constexpr const char* kFallbackFace = "MS Sans Serif";
constexpr int kDefaultEmPixels = 11;  // a zero height asks for the default: 8 points at 96 dpi
constexpr int kFixedShift = 6;        // 26.6 fixed point
constexpr int kFixedHalf = 32;
constexpr FT_Fixed kItalicShear = 0x3333;  // 0.2 in 16.16: the usual synthetic oblique
constexpr FT_Fixed kFixedOne = 0x10000;
constexpr int kMaxCoverage = 255;
constexpr char32_t kSymbolPrivateBase = 0xF000;  // symbol fonts map their codes here
// A bitmap-only face lists cell heights; Windows maps an em request to the cell about a
// quarter taller (8 points: em 11 -> the 13-pixel cell).
constexpr double kBitmapCellPerEm = 1.25;

FT_Library Library() {
  static FT_Library library = [] {
    FT_Library lib = nullptr;
    FT_Init_FreeType(&lib);
    FcInit();
    FcConfigAppFontAddDir(nullptr, reinterpret_cast<const FcChar8*>(kWineFontDir));
    return lib;
  }();
  return library;
}

// UTF-8 for fontconfig (its bit-layout constants are those of the encoding itself).
std::string Utf8(const WCHAR* face) {
  std::string out;
  ForEachCodePoint(std::u16string_view(face, std::char_traits<char16_t>::length(face)), [&out](char32_t c) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  });
  return out;
}

// The faces of the fonts-wine folder, read directly: the system configuration may reject
// bitmap-only faces such as "MS Sans Serif", which the Windows look depends on. They live as
// long as the process; at exit they and fontconfig's own state are released, because
// fontconfig keeps its inner links as offsets that a leak checker cannot follow.
class WineFontSet {
 public:
  WineFontSet() : fonts_(FcFontSetCreate()) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(kWineFontDir, error)) {
      int count = 1;
      for (int id = 0; id < count; ++id) {
        FcPattern* face = FcFreeTypeQuery(reinterpret_cast<const FcChar8*>(entry.path().c_str()), id, nullptr, &count);
        if (face && !FcFontSetAdd(fonts_, face)) FcPatternDestroy(face);
      }
    }
  }
  ~WineFontSet() {
    FcFontSetDestroy(fonts_);
    FcFini();
  }
  WineFontSet(const WineFontSet&) = delete;
  WineFontSet& operator=(const WineFontSet&) = delete;
  FcFontSet* Fonts() const { return fonts_; }

 private:
  FcFontSet* fonts_;
};

FcFontSet* WineFonts() {
  static const WineFontSet set;
  return set.Fonts();
}

// Finds the font file for a family, weight and slant among `fonts` (all of the system's
// when null); with `exactFamily` only a face of that family counts.
std::pair<std::string, int> MatchIn(FcFontSet* fonts, const std::string& family, bool bold, bool italic,
                                    bool exactFamily) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = fonts ? FcFontSetMatch(nullptr, &fonts, 1, pattern, &result) : FcFontMatch(nullptr, pattern, &result);
  std::pair<std::string, int> found{"", 0};
  if (match) {
    FcChar8* file = nullptr;
    FcChar8* matchedFamily = nullptr;
    const bool sameFamily = FcPatternGetString(match, FC_FAMILY, 0, &matchedFamily) == FcResultMatch &&
                            FcStrCmpIgnoreCase(matchedFamily, reinterpret_cast<const FcChar8*>(family.c_str())) == 0;
    if ((sameFamily || !exactFamily) && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
      found.first = reinterpret_cast<const char*>(file);
      FcPatternGetInteger(match, FC_INDEX, 0, &found.second);
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return found;
}

std::pair<std::string, int> MatchFile(const std::string& family, bool bold, bool italic) {
  Library();
  auto found = MatchIn(WineFonts(), family, bold, italic, true);
  return found.first.empty() ? MatchIn(nullptr, family, bold, italic, false) : found;
}

int RoundScaled(long units, int em, int unitsPerEm) {
  return static_cast<int>(std::lround(static_cast<double>(units) * em / unitsPerEm));
}

using FaceKey = std::tuple<std::u16string, LONG, LONG, BYTE, BYTE, BYTE, BYTE>;

FaceKey KeyOf(const LOGFONTW& lf) {
  return FaceKey{std::u16string(lf.lfFaceName, std::char_traits<char16_t>::length(lf.lfFaceName)),
                 lf.lfHeight, lf.lfWeight, lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet};
}

}  // namespace

FontFace& FontFace::For(const LOGFONTW& logFont) {
  static std::map<FaceKey, std::unique_ptr<FontFace>> faces;
  auto& slot = faces[KeyOf(logFont)];
  if (!slot) slot.reset(new FontFace(logFont));
  return *slot;
}

FontFace::FontFace(const LOGFONTW& logFont) : logFont_(logFont) {
  const bool bold = logFont.lfWeight >= FW_SEMIBOLD;
  const bool italic = logFont.lfItalic != 0;
  std::string family = Utf8(logFont.lfFaceName);
  if (family.empty()) family = kFallbackFace;
  auto [file, index] = MatchFile(family, bold, italic);
  if (file.empty() || FT_New_Face(Library(), file.c_str(), index, &face_) != 0) {
    std::tie(file, index) = MatchFile(kFallbackFace, bold, italic);
    FT_New_Face(Library(), file.c_str(), index, &face_);
  }
  if (!face_) return;
  if (!face_->charmap) FT_Select_Charmap(face_, FT_ENCODING_MS_SYMBOL);
  synthesizeBold_ = bold && !(face_->style_flags & FT_STYLE_FLAG_BOLD);
  synthesizeItalic_ = italic && !(face_->style_flags & FT_STYLE_FLAG_ITALIC);
  if (synthesizeItalic_) {
    FT_Matrix shear{kFixedOne, kItalicShear, 0, kFixedOne};
    FT_Set_Transform(face_, &shear, nullptr);
  }
  ChooseSize();
  ComputeMetrics();
}

FontFace::~FontFace() {
  if (face_) FT_Done_Face(face_);
}

void FontFace::ChooseSize() {
  const LONG h = logFont_.lfHeight;
  if (FT_IS_SCALABLE(face_)) {
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const long cellUnits = os2 && os2->usWinAscent + os2->usWinDescent > 0
                               ? os2->usWinAscent + os2->usWinDescent
                               : face_->ascender - face_->descender;
    if (h < 0) {
      emPixels_ = static_cast<int>(-h);
    } else if (h > 0) {
      emPixels_ = std::max(1, RoundScaled(h, face_->units_per_EM, static_cast<int>(cellUnits)));
    } else {
      emPixels_ = kDefaultEmPixels;
    }
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(emPixels_));
    return;
  }
  // Bitmap-only face: take the largest cell that fits the request, else the smallest.
  const int wantedCell = h > 0 ? static_cast<int>(h)
                               : static_cast<int>(std::lround((h < 0 ? -h : kDefaultEmPixels) * kBitmapCellPerEm));
  int best = 0;
  for (int i = 0; i < face_->num_fixed_sizes; ++i) {
    const int cell = face_->available_sizes[i].height;
    const int bestCell = face_->available_sizes[best].height;
    if ((cell <= wantedCell && (bestCell > wantedCell || cell > bestCell)) || (bestCell > wantedCell && cell < bestCell)) {
      best = i;
    }
  }
  FT_Select_Size(face_, best);
}

void FontFace::ComputeMetrics() {
  const FT_Size_Metrics& sm = face_->size->metrics;
  const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
  FontMetrics& m = metrics_;
  if (FT_IS_SCALABLE(face_)) {
    // Windows' own cell: the OS/2 "win" ascent and descent, scaled and rounded.
    const int upem = face_->units_per_EM;
    const bool win = os2 && os2->usWinAscent + os2->usWinDescent > 0;
    m.ascent = RoundScaled(win ? os2->usWinAscent : face_->ascender, emPixels_, upem);
    m.descent = RoundScaled(win ? os2->usWinDescent : -face_->descender, emPixels_, upem);
    m.height = m.ascent + m.descent;
    m.internalLeading = std::max(0, m.height - emPixels_);
    const long lineGap = os2 ? os2->sTypoLineGap : face_->height - (face_->ascender - face_->descender);
    m.externalLeading = std::max(0, RoundScaled(lineGap, emPixels_, upem));
    m.aveCharWidth = os2 && os2->xAvgCharWidth > 0 ? RoundScaled(os2->xAvgCharWidth, emPixels_, upem)
                                                     : GlyphFor(U'x').advance;
    m.maxCharWidth = RoundScaled(face_->max_advance_width, emPixels_, upem);
    m.underlinePosition = std::max(1, RoundScaled(-face_->underline_position, emPixels_, upem));
    m.underlineThickness = std::max(1, RoundScaled(face_->underline_thickness, emPixels_, upem));
    m.strikeoutPosition = os2 && os2->yStrikeoutPosition > 0 ? RoundScaled(os2->yStrikeoutPosition, emPixels_, upem)
                                                              : m.ascent / 3;
  } else {
    m.ascent = static_cast<int>((sm.ascender + kFixedHalf) >> kFixedShift);
    m.descent = static_cast<int>((-sm.descender + kFixedHalf) >> kFixedShift);
    m.height = m.ascent + m.descent;
    emPixels_ = static_cast<int>(std::lround(m.height / kBitmapCellPerEm));
    m.internalLeading = std::max(0, m.height - emPixels_);
    m.aveCharWidth = GlyphFor(U'x').advance;
    m.maxCharWidth = static_cast<int>((sm.max_advance + kFixedHalf) >> kFixedShift);
    m.underlinePosition = 1;
    m.strikeoutPosition = m.ascent / 3;
  }
  m.underlinePosition = std::min(m.underlinePosition, std::max(1, m.descent - m.underlineThickness + 1));
  if (synthesizeBold_) {
    ++m.aveCharWidth;
    ++m.maxCharWidth;
  }
}

// Windows' synthetic italic for a bitmap face: every row moves right by its height above the
// baseline times the oblique shear, the advance unchanged.
void FontFace::Lean(Glyph& g) {
  const auto shiftAt = [](int above) {
    return static_cast<int>(std::floor(static_cast<double>(above) * kItalicShear / (1 << kFixedShift) + 0.5));
  };
  const int topShift = shiftAt(g.top);
  const int bottomShift = shiftAt(g.top - g.height + 1);
  const int width = g.width + topShift - bottomShift;
  std::vector<BYTE> leaned(static_cast<size_t>(width * g.height), 0);
  for (int y = 0; y < g.height; ++y) {
    const int shift = shiftAt(g.top - y) - bottomShift;
    for (int x = 0; x < g.width; ++x)
      leaned[static_cast<size_t>(y * width + x + shift)] = g.coverage[static_cast<size_t>(y * g.width + x)];
  }
  g.coverage = std::move(leaned);
  g.width = width;
  g.left += bottomShift;
}

unsigned FontFace::GlyphIndex(char32_t codePoint) const {
  unsigned index = FT_Get_Char_Index(face_, codePoint);
  if (index == 0 && face_->charmap && face_->charmap->encoding == FT_ENCODING_MS_SYMBOL) {
    index = FT_Get_Char_Index(face_, kSymbolPrivateBase | codePoint);
  }
  return index;
}

const Glyph& FontFace::GlyphFor(char32_t codePoint) {
  const bool latin = codePoint < latinGlyphs_.size();
  if (latin && latinGlyphs_[codePoint]) return *latinGlyphs_[codePoint];
  auto it = glyphs_.find(codePoint);
  if (it != glyphs_.end()) return it->second;
  Glyph& g = glyphs_[codePoint];
  // Map nodes never move: the table keeps pointing at the glyph, filled in below.
  if (latin) latinGlyphs_[codePoint] = &g;
  if (!face_) return g;
  FT_Int32 flags = FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL;
  // The transform applies to outlines only; a bitmap-only face leans its bitmaps instead.
  if (synthesizeItalic_ && FT_IS_SCALABLE(face_)) flags |= FT_LOAD_NO_BITMAP;
  if (FT_Load_Glyph(face_, GlyphIndex(codePoint), flags) != 0) return g;
  FT_GlyphSlot slot = face_->glyph;
  if (synthesizeBold_ && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_Outline_EmboldenXY(&slot->outline, 1 << kFixedShift, 0);
  if (slot->format != FT_GLYPH_FORMAT_BITMAP) FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL);
  FT_Bitmap gray;
  FT_Bitmap_Init(&gray);
  FT_Bitmap_Convert(Library(), &slot->bitmap, &gray, 1);
  if (synthesizeBold_ && slot->bitmap.pixel_mode == FT_PIXEL_MODE_MONO) FT_Bitmap_Embolden(Library(), &gray, 1 << kFixedShift, 0);
  // Converted mono bitmaps hold 0/1 per pixel, gray bitmaps 0..num_grays-1.
  const int levels = gray.num_grays > 1 ? gray.num_grays - 1 : 1;
  g.left = slot->bitmap_left;
  g.top = slot->bitmap_top;
  g.width = static_cast<int>(gray.width);
  g.height = static_cast<int>(gray.rows);
  g.coverage.resize(static_cast<size_t>(g.width * g.height));
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) {
      const int v = gray.buffer[y * gray.pitch + x];
      g.coverage[static_cast<size_t>(y * g.width + x)] = static_cast<BYTE>(std::min(kMaxCoverage, v * kMaxCoverage / levels));
    }
  }
  FT_Bitmap_Done(Library(), &gray);
  if (synthesizeItalic_ && !FT_IS_SCALABLE(face_)) Lean(g);
  g.advance = static_cast<int>((slot->advance.x + kFixedHalf) >> kFixedShift) + (synthesizeBold_ ? 1 : 0);
  return g;
}

int FontFace::MeasureWidth(std::u16string_view text) {
  int width = 0;
  ForEachCodePoint(text, [&](char32_t c) { width += GlyphFor(c).advance; });
  return width;
}

}  // namespace win32::gdi
