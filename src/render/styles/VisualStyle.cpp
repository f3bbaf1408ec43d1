// Choosing the painter of a visual style, and the checked theme index all styles share.
#include "container/AutomationError.h"
#include "render/styles/IVisualStyle.h"
#include "render/styles/tsMS2003.h"
#include "render/styles/tsMSIE.h"
#include "render/styles/tsMSNet.h"

namespace styles {

const IVisualStyle& VisualStyle(ctsVisualStyleConstants style) {
  static const tsMS2003 office2003;
  static const tsMSNet officeNet;
  static const tsMSIE explorer;
  switch (style) {
    case ::tsMS2003:
      return office2003;
    case ::tsMSNet:
      return officeNet;
    case ::tsMSIE:
      return explorer;
  }
  RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
}

int ThemeIndex(ctsThemes theme) {
  if (theme < 0 || theme >= kThemeCount) RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  return theme;
}

}  // namespace styles
