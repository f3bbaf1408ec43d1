// One picture of all the artwork for people to look at: each piece magnified, labelled with
// its resource name, grouped into the shared pieces and one section per theme.
#pragma once
#include "ArtworkCatalog.h"

namespace artgen {

win32::Surface RenderContactSheet(const Artwork& art);

}  // namespace artgen
