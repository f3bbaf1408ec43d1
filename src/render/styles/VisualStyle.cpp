// Choosing the painters of a visual style, and the checked theme index all styles share.
#include "container/AutomationError.h"
#include "render/styles/IBarStyle.h"
#include "render/styles/IMenuStyle.h"
#include "render/styles/IPanelStyle.h"
#include "render/styles/IToolStyle.h"
#include "render/styles/PerTheme.h"
#include "render/styles/tsMS2003.h"
#include "render/styles/tsMSIE.h"
#include "render/styles/tsMSNet.h"

namespace styles {
namespace {

// The three styles, stateless; a value outside them raises the runtime's subscript error (9).
template <class Surface>
const Surface& StyleFor(ctsVisualStyleConstants style) {
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

}  // namespace

const IBarStyle& BarStyle(ctsVisualStyleConstants style) { return StyleFor<IBarStyle>(style); }

const IMenuStyle& MenuStyle(ctsVisualStyleConstants style) { return StyleFor<IMenuStyle>(style); }

const IToolStyle& ToolStyle(ctsVisualStyleConstants style) { return StyleFor<IToolStyle>(style); }

const IPanelStyle& PanelStyle(ctsVisualStyleConstants style) { return StyleFor<IPanelStyle>(style); }

int ThemeIndex(ctsThemes theme) {
  if (theme < 0 || theme >= kThemeCount) RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  return theme;
}

}  // namespace styles
