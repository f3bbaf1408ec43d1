// The Office XP (.NET) look: a flat bar, a bordered fill behind a hovered caption and a pale
// box with a double outline behind the open one.
#pragma once
#include "render/styles/IBarStyle.h"
#include "render/styles/IMenuStyle.h"
#include "render/styles/IPanelStyle.h"
#include "render/styles/IToolStyle.h"

namespace styles {

class tsMSNet final : public IBarStyle, public IMenuStyle, public IToolStyle, public IPanelStyle {
 public:
  void DrawBarBackground(HDC hdc, const RECT& area, int barHeight, const Palette& palette,
                         ArtworkCache& artwork) const override;
  void DrawBarCaptionBox(HDC hdc, const RECT& box, eBarCaption state, const Palette& palette,
                         ArtworkCache& artwork) const override;
  COLORREF BarCaptionTextColor(COLORREF normal, const Palette& palette) const override;
  void DrawMenuBase(HDC hdc, const RECT& body, const RECT& margin, bool mirrored, const Palette& palette,
                    ArtworkCache& artwork) const override;
  void DrawMenuInfrequentMargin(HDC hdc, const RECT& cell, bool mirrored, const Palette& palette,
                                ArtworkCache& artwork) const override;
  void DrawMenuSeparator(HDC hdc, int left, int right, int y, const Palette& palette) const override;
  void DrawMenuExpandHighlight(HDC hdc, const RECT& box, const Palette& palette) const override;
  void DrawBandBackground(HDC hdc, const RECT& band, const Palette& palette, ArtworkCache& artwork) const override;
  void DrawBandGripper(HDC hdc, const RECT& band, const Palette& palette) const override;
  void DrawBandChevron(HDC hdc, const RECT& area, eChevron state, const Palette& palette,
                       ArtworkCache& artwork) const override;
  void DrawToolSeparator(HDC hdc, int x, const RECT& band, const Palette& palette) const override;
  void DrawToolFrame(HDC hdc, const RECT& frame, const tToolFrameState& state, const Palette& palette,
                     ArtworkCache& artwork) const override;
  void DrawToolDropArrow(HDC hdc, POINT at, bool bEnabled, const Palette& palette) const override;
  void DrawPanelHotCell(HDC hdc, const RECT& inner, const Palette& palette) const override;
};

}  // namespace styles
