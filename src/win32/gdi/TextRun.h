// Drawing one line of text with a DC's font, colours and background mode.
#pragma once
#include <string_view>

#include "win32/gdi/DeviceContext.h"
#include "win32/gdi/FontEngine.h"

namespace win32::gdi {

FontFace& FaceOf(const DeviceContext& dc);

// Draws `text` with the top-left of its cell at logical (x, top): the background when the
// mode is OPAQUE, the glyphs blended in the text colour, then underline and strike-out.
void DrawTextRun(const DeviceContext& dc, int x, int top, std::u16string_view text);

}  // namespace win32::gdi
