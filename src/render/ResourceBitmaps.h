// The built-in artwork: named 24-bit resource bitmaps embedded as PNG bytes, and where the
// painting code finds the pieces inside the strips.
//
// Glyph pictures (the arrows, the check mark, the scroll-bar grip and arrow glyphs, the
// infrequent-items chevrons) stand on the key colour kArtworkKeyColor, which is also their
// top-left pixel: they are drawn transparently over whatever lies beneath. All other
// pictures are opaque and copied or stretched as they are.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "win32/surface.h"

#include "win32/types.h"

struct EmbeddedPng {
  std::string_view name;
  const unsigned char* data;
  std::size_t size;
};

// The PNG bytes of the named resource ("VS_UP(0)", "MENUBAR2003_BITMAPS", "30000"), exact
// and case-sensitive; nullptr for an unknown name.
const EmbeddedPng* FindResourceBitmap(std::string_view name);
// The named resource's pixels, decoded on first use and kept for the process; nullptr for an
// unknown name or bytes that do not decode.
const win32::Surface* DecodedResourceBitmap(std::string_view name);

// The per-theme name: stem, decimal theme number, ")" — ThemedResourceName("VS_UP(", 1)
// gives "VS_UP(1)".
std::string ThemedResourceName(std::string_view stemWithParen, int theme);

namespace artwork {

inline constexpr COLORREF kArtworkKeyColor = RGB(255, 0, 255);

// The bitmaps the control loads for its bar and its menu windows.
inline constexpr const char* kMenuBar2003 = "MENUBAR2003_BITMAPS";
inline constexpr const char* kMsiePanelStem = "MSIE_PANEL(";
inline constexpr const char* kInfrequentArrow = "INFREQARROW_BITMAPS";
inline constexpr const char* kMenuMargins = "MENU_MARGINS_BITMAPS";

// The bitmaps a band surface paints from.
inline constexpr const char* kRebar2003 = "REBAR2003_BITMAPS";
inline constexpr const char* kRebar2003Arrow = "REBAR2003_ARROW";
inline constexpr const char* kMsieBarStem = "MSIE_BAR(";
inline constexpr const char* kMsieButton = "MSIE_BUTTON";

// "MENUBAR2003_BITMAPS": the bar background, one column per theme over the full height.
inline constexpr int kMenuBarColumnWidth = 10;
// The pressed-caption strip inside it: pieces kPressedPieceWidth x kPressedPieceHeight at
// x = kPressedStripX + theme * kPressedThemePitch (+ kPressedAlternateOffset for the
// alternate pressed look), y = kPressedStripY. The rest of the strip is unused.
inline constexpr int kPressedStripX = 30;
inline constexpr int kPressedStripY = 0;
inline constexpr int kPressedPieceWidth = 3;
inline constexpr int kPressedPieceHeight = 17;
inline constexpr int kPressedThemePitch = 8;
inline constexpr int kPressedAlternateOffset = 4;

// "INFREQARROW_BITMAPS": cells kInfreqCellWidth x kInfreqCellHeight, cell index
// theme * 2 + state, state 0 normal and 1 hot; the double chevron is centred in the cell.
inline constexpr int kInfreqCellWidth = 32;
inline constexpr int kInfreqCellHeight = 16;
inline constexpr int kInfreqStateCount = 2;
inline constexpr int kInfreqNormal = 0;
inline constexpr int kInfreqHot = 1;

// "MENU_MARGINS_BITMAPS": horizontal gradients of the tsMS2003 margin column, each
// kMarginPieceHeight rows tall at y = (kind * 3 + theme) * kMarginPiecePitch, meant to be
// stretched over a margin cell; kind 0 ordinary items, 1 infrequent items.
inline constexpr int kMarginWidth = 24;
inline constexpr int kMarginPieceHeight = 6;
inline constexpr int kMarginPiecePitch = 7;
inline constexpr int kMarginOrdinary = 0;
inline constexpr int kMarginInfrequent = 1;

// "REBAR2003_BITMAPS": one kRebarColumnWidth column per theme. Band: left cap at 0, a middle
// of kRebarMiddleWidth at kRebarMiddleX to stretch, right cap at kRebarRightCapX; caps are
// kRebarCapWidth wide. Chevron area (normal at kRebarChevronX, hot at kRebarHotChevronX):
// kRebarChevronWidth wide, drawn as a left cap, the one column at cap width stretched, and
// the right cap at kRebarChevronWidth - kRebarCapWidth.
inline constexpr int kRebarColumnWidth = 33;
inline constexpr int kRebarHeight = 25;
inline constexpr int kRebarCapWidth = 3;
inline constexpr int kRebarMiddleX = 3;
inline constexpr int kRebarMiddleWidth = 4;
inline constexpr int kRebarRightCapX = 30;
inline constexpr int kRebarChevronX = 7;
inline constexpr int kRebarHotChevronX = 13;
inline constexpr int kRebarChevronWidth = 13;
inline constexpr int kRebarChevronMiddleWidth = 1;

}  // namespace artwork
