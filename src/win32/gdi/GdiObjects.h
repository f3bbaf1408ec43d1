// The GDI handle table: bitmaps, brushes, pens, fonts and palettes share one
// handle space with device contexts, so a handle never means two things.
#pragma once
#include <memory>
#include <variant>
#include <vector>

#include "win32/gdi.h"
#include "win32/surface.h"

namespace win32::gdi {

struct BitmapObject {
  std::unique_ptr<Surface> surface = std::make_unique<Surface>();
  HDC selectedInto = nullptr;
};
struct BrushObject {
  bool hollow = false;
  bool dcColour = false;  // the DC_BRUSH stock brush: the colour is the DC's
  COLORREF color = 0;
  std::shared_ptr<const Surface> pattern;  // tiled from the DC origin when set
};
struct PenObject {
  int style = PS_SOLID;
  int width = 1;
  COLORREF color = 0;
};
class FontFace;
struct FontObject {
  LOGFONTW logFont{};
  // The realised face, found on first use (faces live for the process).
  mutable FontFace* face = nullptr;
};
struct PaletteObject {};

using GdiObject = std::variant<BitmapObject, BrushObject, PenObject, FontObject, PaletteObject>;

struct ObjectEntry {
  GdiObject object;
  bool stock = false;
  int selectCount = 0;  // how many DCs hold it selected
};

// Adds an object, counting it as live unless it is a stock object.
HGDIOBJ AddObject(GdiObject object, bool stock = false);
ObjectEntry* FindObject(HGDIOBJ handle);
template <class T>
T* Find(HGDIOBJ handle) {
  ObjectEntry* entry = FindObject(handle);
  return entry ? std::get_if<T>(&entry->object) : nullptr;
}
// A handle value for a device context, from the same counter as the objects.
std::uintptr_t NextHandleValue();

// The 1x1 monochrome bitmap every new memory DC holds.
HBITMAP DefaultBitmap();

}  // namespace win32::gdi
