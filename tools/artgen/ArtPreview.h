// The artwork put together the way the control slices and stretches it, one picture per
// theme, so that the pieces can be judged in place: menu bar with a dropped caption, tool
// bands with their normal and hot chevrons, the tsMSIE bar, a menu margin with the
// infrequent items' chevrons, and a scroll bar in its three states.
#pragma once
#include "ArtworkCatalog.h"

namespace artgen {

win32::Surface RenderPreview(const Artwork& art, int theme);

}  // namespace artgen
