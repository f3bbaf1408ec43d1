// The picture of the themed scroll bar, composed from the theme's scroll-bar artwork: the
// track, the two arrow buttons with their glyphs, and the thumb (two caps, a stretched body
// and the grip). Layout and state come in as they are; nothing here decides them.
#pragma once
#include <cstdint>

#include "render/styles/ArtworkCache.h"
#include "win32/windows.h"

// Which part shows its hot or pressed picture.
enum class eVScrollPaint : std::int16_t {
  None = 0,
  UpHot = 1,
  UpPressed = 2,
  DownHot = 3,
  DownPressed = 4,
  ThumbHot = 5,
  ThumbPressed = 6,
};

struct tVScrollPicture {
  int iWidth = 0;
  int iHeight = 0;
  int iTopArrowHeight = 0;
  int iBottomArrowHeight = 0;
  int iThumbTop = 0;
  int iThumbLength = 0;
  bool bEnabled = true;
  // The mouse is over the control: the track shows its hot picture.
  bool bHot = false;
  eVScrollPaint ePaint = eVScrollPaint::None;
};

// Draws the whole picture over (0, 0)-(iWidth, iHeight) of hdc with the artwork of theme
// number iTheme; pieces the library lacks (a theme outside 0..2) are left out.
void DrawVScroll(HDC hdc, const tVScrollPicture& picture, int iTheme, styles::ArtworkCache& artwork);
