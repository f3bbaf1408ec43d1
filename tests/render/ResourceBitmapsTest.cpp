// The built-in artwork as the painting code loads it: every resource name is found exactly,
// decodes to its size from 8-bit RGB bytes, glyphs stand on the key colour, and the band
// strip's chevron slices keep their own look.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "render/ResourceBitmaps.h"

namespace {

constexpr int kThemes = 3;
// A PNG's header chunk: bit depth at byte 24, colour type at byte 25 (2 = RGB, no alpha).
constexpr size_t kBitDepthByte = 24;
constexpr size_t kColorTypeByte = 25;

struct Expected {
  std::string name;  // "(n)" marks a name stored once per theme
  int width, height;
  bool glyph = false;  // drawn transparently, keyed on its top-left pixel
};

const std::vector<Expected> kTable = {
    {"MENUBAR2003_BITMAPS", 277, 30}, {"MSIE_PANEL(0)", 198, 6}, {"MSIE_PANEL(1)", 199, 6}, {"MSIE_PANEL(2)", 198, 6},
    {"INFREQARROW_BITMAPS", 192, 16, true}, {"MENU_MARGINS_BITMAPS", 24, 41}, {"REBAR2003_BITMAPS", 99, 25},
    {"REBAR2003_ARROW", 8, 7, true}, {"MSIE_BAR(n)", 184, 4}, {"MSIE_BUTTON", 21, 20}, {"VS_UP(n)", 17, 17},
    {"VS_UPHOT(n)", 17, 17}, {"VS_UPPRESS(n)", 17, 17}, {"VS_DOWN(n)", 17, 17}, {"VS_DOWNHOT(n)", 17, 17},
    {"VS_DOWNPRESS(n)", 17, 17}, {"VS_UPDISABLED", 17, 17}, {"VS_DOWNDISABLED", 17, 17}, {"VS_TOP(n)", 17, 3},
    {"VS_TOPHOT(n)", 17, 3}, {"VS_TOPPRESS(n)", 17, 3}, {"VS_BOTTOM(n)", 17, 3}, {"VS_BOTTOMHOT(n)", 17, 3},
    {"VS_BOTTOMPRESS(n)", 17, 3}, {"VS_BAR(n)", 17, 6}, {"VS_BARHOT(n)", 17, 6}, {"VS_BARPRESS(n)", 17, 6},
    {"VS_BACK(n)", 17, 7}, {"VS_BACKHOT(n)", 17, 8}, {"VS_GRIPBAR(n)", 7, 8, true}, {"VS_UPARROW(n)", 9, 6, true},
    {"VS_DOWNARROW(n)", 9, 6, true}, {"VS_UPARROWDISABLED", 9, 6, true}, {"VS_DOWNARROWDISABLED", 9, 6, true},
    {"CHECK", 7, 6, true}, {"SPINDNARROW(0)", 9, 6, true}, {"SPINDNARROW(1)", 9, 6, true}, {"SPINDNARROW(2)", 9, 6, true},
    {"SPINDNARROW(3)", 9, 6, true}, {"SPINDNARROWDISABLED", 9, 6, true}, {"REBAR_MSIE", 3, 3}, {"30000", 16, 15},
};

TEST(ResourceBitmaps, EveryNamedBitmapIsEmbeddedAsRgbWithItsSizeAndGlyphsStandOnTheKeyColour) {
  std::ostringstream wrong;
  for (const Expected& e : kTable) {
    const size_t marker = e.name.find("(n)");
    for (int t = 0; t < (marker == std::string::npos ? 1 : kThemes); ++t) {
      const std::string name = marker == std::string::npos ? e.name : ThemedResourceName(e.name.substr(0, marker + 1), t);
      const EmbeddedPng* png = FindResourceBitmap(name);
      const win32::Surface* picture = DecodedResourceBitmap(name);
      if (png == nullptr || picture == nullptr) {
        wrong << name << ": missing or does not decode\n";
        continue;
      }
      if (picture->width != e.width || picture->height != e.height) {
        wrong << name << ": " << picture->width << "x" << picture->height << ", expected " << e.width << "x" << e.height << "\n";
      }
      if (png->size <= kColorTypeByte || png->data[kColorTypeByte] != 2 || png->data[kBitDepthByte] != 8) {
        wrong << name << ": not stored as 8-bit RGB\n";
      }
      const auto key = [](COLORREF c) { return c == artwork::kArtworkKeyColor; };
      if (e.glyph && (!key(picture->At(0, 0)) || std::all_of(picture->pixels.begin(), picture->pixels.end(), key))) {
        wrong << name << ": no glyph on the key colour\n";
      }
    }
  }
  EXPECT_TRUE(wrong.str().empty()) << wrong.str();

  std::string found;
  for (const char* name : {"VS_UP(2)", "VS_UP(3)", "vs_up(0)", "VS_UP_0", "MSIE_BAR", ""}) found += FindResourceBitmap(name) ? '#' : '.';
  EXPECT_EQ(found, "#.....");
}

// The band strip's normal and hot chevron areas overlap by design; the slices each one
// copies must still show its own look: the hot one warm, the normal one in the theme's hue.
TEST(ResourceBitmaps, ChevronSlicesOfTheBandStripKeepTheirOwnLook) {
  using namespace artwork;
  constexpr int kWarmth = 45;
  const win32::Surface& strip = *DecodedResourceBitmap("REBAR2003_BITMAPS");
  ASSERT_EQ(strip.width, kThemes * kRebarColumnWidth);
  const auto warm = [&](int x) {
    const COLORREF c = strip.At(x, strip.height / 2);
    return GetRValue(c) > GetBValue(c) + kWarmth;
  };
  for (int t = 0; t < kThemes; ++t) {
    for (const bool hot : {false, true}) {
      const int start = t * kRebarColumnWidth + (hot ? kRebarHotChevronX : kRebarChevronX);
      // The left cap and the middle column, then the right cap.
      for (int i = 0; i <= kRebarCapWidth; ++i) EXPECT_EQ(warm(start + i), hot) << "theme " << t << ", x " << start + i;
      for (int x = start + kRebarChevronWidth - kRebarCapWidth; x < start + kRebarChevronWidth; ++x) {
        EXPECT_EQ(warm(x), hot) << "theme " << t << ", x " << x;
      }
    }
  }
}

}  // namespace
