// The Internet Explorer look: a bar stretched from a per-theme panel bitmap with a column of
// gripper dots, and solid theme-coloured boxes behind hovered and open captions.
#pragma once
#include "render/styles/IVisualStyle.h"

namespace styles {

class tsMSIE final : public IVisualStyle {
 public:
  void DrawBarBackground(HDC hdc, const RECT& area, int barHeight, ctsThemes theme,
                         ArtworkCache& artwork) const override;
  void DrawBarHoverBox(HDC hdc, const RECT& box, ctsThemes theme) const override;
  void DrawBarPressedBox(HDC hdc, const RECT& box, ctsThemes theme, bool alternate,
                         ArtworkCache& artwork) const override;
  COLORREF BarHighlightTextColor(ctsThemes theme, COLORREF normal) const override;
  void DrawMenuBase(HDC hdc, const RECT& body, const RECT& margin, bool mirrored, ctsThemes theme,
                    ArtworkCache& artwork) const override;
  void DrawMenuInfrequentMargin(HDC hdc, const RECT& cell, bool mirrored, ctsThemes theme,
                                ArtworkCache& artwork) const override;
  void DrawMenuSeparator(HDC hdc, int left, int right, int y, ctsThemes theme) const override;
  void DrawMenuExpandHighlight(HDC hdc, const RECT& box, COLORREF fill, COLORREF outline) const override;
};

}  // namespace styles
