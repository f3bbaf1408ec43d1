#include "container/Screen.h"

#include "win32/user.h"

// The system resolution, which the display's device context also reports, without making one:
// conversions run for every icon drawn.
float TwipsPerPixelX() { return kTwipsPerInch / static_cast<float>(GetDpiForSystem()); }
float TwipsPerPixelY() { return kTwipsPerInch / static_cast<float>(GetDpiForSystem()); }
