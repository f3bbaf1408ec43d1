// Device-context state and the coordinate/clip plumbing every drawing function shares.
#pragma once
#include <memory>
#include <type_traits>
#include <vector>

#include "win32/gdi.h"
#include "win32/surface.h"

namespace win32::gdi {

struct BrushObject;

enum class DcKind { Display, Memory, Surface };

struct DcAttributes {
  HBITMAP bitmap = nullptr;
  HBRUSH brush = nullptr;
  HPEN pen = nullptr;
  HFONT font = nullptr;
  HPALETTE palette = nullptr;
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF bkColor = RGB(255, 255, 255);
  COLORREF dcBrushColor = RGB(255, 255, 255);
  int bkMode = OPAQUE;
  UINT textAlign = TA_LEFT | TA_TOP;
  POINT position{0, 0};
  POINT viewportOrigin{0, 0};
  bool hasClip = false;
  std::vector<RECT> clip;  // device coordinates (relative to the DC's origin)
};

struct DeviceContext {
  DcKind kind = DcKind::Memory;
  Surface* surface = nullptr;  // Surface kind only; the others find their target live
  POINT origin{0, 0};          // target pixel of device (0, 0)
  RECT bounds{0, 0, 0, 0};     // Surface kind: allowed target area
  // Bounds of the target pixels drawn so far, so that releasing a window's DC composites
  // only what changed. Drawing functions take the DC const; this is bookkeeping only.
  mutable RECT touched{0, 0, 0, 0};
  DcAttributes attr;
  std::vector<DcAttributes> saved;
};

DeviceContext* FindDC(HDC hdc);

// The pixels a DC draws on (the selected bitmap, the screen or the window's surface).
Surface* TargetOf(const DeviceContext& dc);
bool IsMonochrome(const DeviceContext& dc);

// Logical point to target pixel.
POINT ToTarget(const DeviceContext& dc, int x, int y);

// A borrowed callable taking a visible part: drawing passes its per-part work without a copy
// or an allocation per call (every glyph of every caption is drawn through one).
class PartFn {
 public:
  template <class Fn>
    requires(!std::is_same_v<std::remove_cvref_t<Fn>, PartFn>)
  PartFn(Fn&& fn)  // implicit: lambdas convert where they are passed
      : m_Object(const_cast<void*>(static_cast<const void*>(std::addressof(fn)))),
        m_Call([](void* object, const RECT& part) { (*static_cast<std::remove_reference_t<Fn>*>(object))(part); }) {}
  void operator()(const RECT& part) const { m_Call(m_Object, part); }

 private:
  void* m_Object;
  void (*m_Call)(void*, const RECT&);
};

// Calls `fn` with each visible part (target pixels, clipped to the target, the DC's bounds
// and its clip region) of the logical rectangle `rect`; `fn` may write every pixel of it.
// The parts count as drawn (for the compositor) unless `bOnScreenToo`: `fn` then writes the
// screen itself.
void ForEachVisible(const DeviceContext& dc, const RECT& rect, PartFn fn, bool bOnScreenToo = false);
bool IsVisible(const DeviceContext& dc, POINT targetPixel);

// Drawing on a shown top-level window that nothing lies over may reach the screen at once, as
// it would without a compositor, instead of being copied there when the screen is next
// composited: the screen area counts as shown (damage) and nothing is left stale there. Only
// for large drawing (a window's erase or a whole image), and not where the compositor will
// copy anyway (an area already stale, say a window just shown).
class ScreenMirror {
 public:
  // For drawing the logical rectangle `logical` through dc onto target.
  static ScreenMirror For(const DeviceContext& dc, const Surface& target, const RECT& logical);
  bool Active() const { return m_bActive; }
  // The part (target pixels) just filled with colour, or just written on target, on the screen
  // as well.
  void Fill(const RECT& targetPart, COLORREF colour) const;
  void CopyFrom(const Surface& target, const RECT& targetPart) const;

 private:
  RECT OnScreen(const RECT& targetPart) const;
  void Shown(const RECT& screenPart) const;

  bool m_bActive = false;
  POINT m_Offset{0, 0};  // target pixel to screen pixel
};

// Colour as stored on the DC's target: monochrome targets get black or white.
COLORREF ToTargetColor(const DeviceContext& dc, COLORREF color);
// A solid brush's colour when used on dc (the DC brush takes the DC's colour).
COLORREF SolidColour(const DeviceContext& dc, const BrushObject& brush);
COLORREF ToMono(COLORREF color);

// Solid colour fill of a logical rectangle with a brush (pattern brushes tile).
void FillWithBrush(const DeviceContext& dc, const RECT& rect, HBRUSH brush);
// Plots one logical pixel through the clip.
void PlotPixel(const DeviceContext& dc, int x, int y, COLORREF color);

}  // namespace win32::gdi
