// Paints a band into its off-screen surface from the last tool pass and the interaction
// state: the background, then each tool's caption, icon, separator and colour bar up to the
// overflow point, then the state frames with the drop arrows. Painting reads the layout and
// the state and never changes either.
#pragma once
#include <optional>
#include <vector>

#include "bands/BandRecords.h"
#include "bands/BandToolState.h"
#include "bands/IBandOwner.h"
#include "bands/ToolLayout.h"
#include "render/modThemes.h"
#include "render/styles/ArtworkCache.h"
#include "render/styles/IToolStyle.h"

// The band-wide settings painting uses.
struct tBandLook {
  ctsVisualStyleConstants eStyle = tsMS2003;
  ctsThemes eTheme = XPBlue;
  int S = 0;
  bool bDisplayMoreTools = true;
  bool bTransparent = false;
  RECT rcInOwner{};  // the band in the owner's client pixels (its size is the band's)
  const StdFont* pCaptionFont = nullptr;
};

class BandPainter {
 public:
  BandPainter(const IBandOwner& owner, styles::ArtworkCache& artwork) : m_Owner(owner), m_Artwork(artwork) {}

  void Paint(HDC hdc, const tBandLook& look, const std::vector<tToolItemInfo>& tools, const tToolPass& pass,
             const tBandToolState& state) const;
  // The band pixels a tool's face, frame and drop arrow can touch: its width and half the
  // spacing S on each side, top to bottom of a band `height` pixels high.
  static RECT ToolColumn(const tToolItemInfo& tool, int S, int height);

 private:
  struct tStyle {
    const styles::IToolStyle& style;
    const styles::Palette& palette;
    RECT rcBand;
  };
  void PaintBackground(HDC hdc, const tBandLook& look, const tStyle& s, const tBandToolState& state) const;
  // Caption and icon (and a colour drop-down's bar) of a tool inside its rectangles.
  void PaintToolFace(HDC hdc, const tBandLook& look, const tToolItemInfo& tool, const tToolGeometry& g) const;
  // The frame tool t shows (none when disabled or not a button).
  static std::optional<styles::eToolFrame> FramedFrom(const tBandToolState& state, int t, const tToolItemInfo& tool,
                                                      const tToolGeometry& g);
  static RECT FrameRect(const tBandLook& look, const tStyle& s, const tToolItemInfo& tool);
  // The pixels a tool's caption, icon and colour bar cover.
  static RECT FaceBounds(const tToolItemInfo& tool, const tToolGeometry& g);
  static bool Inside(const RECT& inner, const RECT& outer);
  void PaintFrame(HDC hdc, const tBandLook& look, const tStyle& s, const tToolItemInfo& tool,
                  const tToolGeometry& g, styles::eToolFrame frame) const;

  const IBandOwner& m_Owner;
  styles::ArtworkCache& m_Artwork;
};
