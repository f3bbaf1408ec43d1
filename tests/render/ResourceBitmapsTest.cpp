// The built-in artwork as the painting code loads it: every resource name is found, decodes
// to exactly its size, and is stored as a 24-bit picture.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "render/ResourceBitmaps.h"
#include "win32/png_io.h"

namespace {

constexpr int kThemes = 3;
// A PNG's header chunk: bit depth at byte 24, colour type at byte 25 (2 = RGB, no alpha).
constexpr size_t kBitDepthByte = 24;
constexpr size_t kColorTypeByte = 25;
constexpr unsigned char kTrueColor = 2;
constexpr unsigned char kEightBits = 8;

struct Expected {
  std::string name;
  int width;
  int height;
};

// (n) marks a name stored once per theme.
const std::vector<Expected> kTable = {
    {"MENUBAR2003_BITMAPS", 277, 30}, {"MSIE_PANEL(0)", 198, 6},   {"MSIE_PANEL(1)", 199, 6},
    {"MSIE_PANEL(2)", 198, 6},        {"INFREQARROW_BITMAPS", 192, 16}, {"MENU_MARGINS_BITMAPS", 24, 41},
    {"REBAR2003_BITMAPS", 99, 25},    {"REBAR2003_ARROW", 8, 7},   {"MSIE_BAR(n)", 184, 4},
    {"MSIE_BUTTON", 21, 20},          {"VS_UP(n)", 17, 17},        {"VS_UPHOT(n)", 17, 17},
    {"VS_UPPRESS(n)", 17, 17},        {"VS_DOWN(n)", 17, 17},      {"VS_DOWNHOT(n)", 17, 17},
    {"VS_DOWNPRESS(n)", 17, 17},      {"VS_UPDISABLED", 17, 17},   {"VS_DOWNDISABLED", 17, 17},
    {"VS_TOP(n)", 17, 3},             {"VS_TOPHOT(n)", 17, 3},     {"VS_TOPPRESS(n)", 17, 3},
    {"VS_BOTTOM(n)", 17, 3},          {"VS_BOTTOMHOT(n)", 17, 3},  {"VS_BOTTOMPRESS(n)", 17, 3},
    {"VS_BAR(n)", 17, 6},             {"VS_BARHOT(n)", 17, 6},     {"VS_BARPRESS(n)", 17, 6},
    {"VS_BACK(n)", 17, 7},            {"VS_BACKHOT(n)", 17, 8},    {"VS_GRIPBAR(n)", 7, 8},
    {"VS_UPARROW(n)", 9, 6},          {"VS_DOWNARROW(n)", 9, 6},   {"VS_UPARROWDISABLED", 9, 6},
    {"VS_DOWNARROWDISABLED", 9, 6},   {"CHECK", 7, 6},             {"SPINDNARROW(0)", 9, 6},
    {"SPINDNARROW(1)", 9, 6},         {"SPINDNARROW(2)", 9, 6},    {"SPINDNARROW(3)", 9, 6},
    {"SPINDNARROWDISABLED", 9, 6},    {"REBAR_MSIE", 3, 3},        {"30000", 16, 15},
};

std::vector<Expected> ExpandThemes() {
  std::vector<Expected> all;
  for (const Expected& e : kTable) {
    const size_t marker = e.name.find("(n)");
    if (marker == std::string::npos) {
      all.push_back(e);
      continue;
    }
    for (int t = 0; t < kThemes; ++t) {
      all.push_back({ThemedResourceName(e.name.substr(0, marker + 1), t), e.width, e.height});
    }
  }
  return all;
}

TEST(ResourceBitmaps, EveryNamedBitmapIsEmbeddedAt24BitsWithItsSize) {
  std::ostringstream wrong;
  for (const Expected& e : ExpandThemes()) {
    const EmbeddedPng* png = FindResourceBitmap(e.name);
    if (!png) {
      wrong << e.name << ": missing\n";
      continue;
    }
    win32::Surface picture;
    if (!win32::ReadPngFromMemory(png->data, png->size, picture)) {
      wrong << e.name << ": does not decode\n";
      continue;
    }
    if (picture.width != e.width || picture.height != e.height) {
      wrong << e.name << ": " << picture.width << "x" << picture.height << ", expected " << e.width << "x" << e.height
            << "\n";
    }
    if (png->size <= kColorTypeByte || png->data[kColorTypeByte] != kTrueColor || png->data[kBitDepthByte] != kEightBits) {
      wrong << e.name << ": not stored as 8-bit RGB\n";
    }
  }
  EXPECT_TRUE(wrong.str().empty()) << wrong.str();
}

TEST(ResourceBitmaps, NamesAreExactAndCaseSensitive) {
  std::string found;
  for (const char* name : {"VS_UP(2)", "VS_UP(3)", "vs_up(0)", "VS_UP_0", "MSIE_BAR", ""}) found += FindResourceBitmap(name) ? '#' : '.';
  EXPECT_EQ(found, "#.....");
  EXPECT_EQ(ThemedResourceName("MSIE_PANEL(", 1), "MSIE_PANEL(1)");
}

// Glyphs are drawn transparently, keyed on their top-left pixel.
TEST(ResourceBitmaps, GlyphPicturesStandOnTheKeyColour) {
  const char* glyphs[] = {"INFREQARROW_BITMAPS", "REBAR2003_ARROW", "CHECK", "VS_UPARROW(1)", "VS_DOWNARROW(2)",
                          "VS_UPARROWDISABLED", "VS_GRIPBAR(0)", "SPINDNARROW(3)", "SPINDNARROWDISABLED"};
  for (const char* name : glyphs) {
    const EmbeddedPng* png = FindResourceBitmap(name);
    ASSERT_NE(png, nullptr) << name;
    win32::Surface picture;
    ASSERT_TRUE(win32::ReadPngFromMemory(png->data, png->size, picture)) << name;
    EXPECT_EQ(picture.At(0, 0), artwork::kArtworkKeyColor) << name;
    int inked = 0;
    for (COLORREF c : picture.pixels) inked += c != artwork::kArtworkKeyColor;
    EXPECT_GT(inked, 0) << name << " has no glyph";
  }
}

win32::Surface Decode(const char* name) {
  win32::Surface picture;
  const EmbeddedPng* png = FindResourceBitmap(name);
  if (png) win32::ReadPngFromMemory(png->data, png->size, picture);
  return picture;
}

// The band strip's normal and hot chevron areas overlap by design; the slices each one
// copies must still show its own look: the hot one warm, the normal one in the theme's hue.
TEST(ResourceBitmaps, ChevronSlicesOfTheBandStripKeepTheirOwnLook) {
  using namespace artwork;
  constexpr int kWarmth = 45;
  const win32::Surface strip = Decode("REBAR2003_BITMAPS");
  ASSERT_EQ(strip.width, kThemes * kRebarColumnWidth);
  const int row = strip.height / 2;
  auto warm = [&](int x) { return GetRValue(strip.At(x, row)) > GetBValue(strip.At(x, row)) + kWarmth; };
  auto slices = [](int start) {
    std::vector<int> columns;
    for (int i = 0; i <= kRebarCapWidth; ++i) columns.push_back(start + i);  // left cap and middle column
    for (int i = 0; i < kRebarCapWidth; ++i) columns.push_back(start + kRebarChevronWidth - kRebarCapWidth + i);
    return columns;
  };
  for (int t = 0; t < kThemes; ++t) {
    const int column = t * kRebarColumnWidth;
    for (int x : slices(column + kRebarChevronX)) EXPECT_FALSE(warm(x)) << "theme " << t << ", normal chevron x " << x;
    for (int x : slices(column + kRebarHotChevronX)) EXPECT_TRUE(warm(x)) << "theme " << t << ", hot chevron x " << x;
  }
}

}  // namespace
