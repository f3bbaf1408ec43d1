// The tool pass of a band surface: walks the tools from left to right, measures each by its
// style and caption alignment, decides where the tools stop fitting, and writes each tool's
// left edge and width into the surface's mirror. What each tool then shows (icon and caption
// rectangles, drop-arrow line, whether it is drawn at all) is returned for the painter.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "bands/BandRecords.h"
#include "container/StdFont.h"
#include "win32/windows.h"

// What the pass measures with.
struct tToolPassMetrics {
  LONG W = 0;  // band client width
  LONG H = 0;  // band client height
  int S = 0;   // internal tool spacing (even, at least 6)
  SIZE icon{};  // tool icon size, 0 x 0 without an image list
  bool bDisplayCaptions = false;
  bool bDisplayMoreTools = false;
  // The band's own Enabled and the control's (CtrlEnabled).
  bool bEnabled = true;
  bool bCtrlEnabled = true;
  const StdFont* pCaptionFont = nullptr;
};

// What one visible tool shows after the pass.
struct tToolGeometry {
  bool bMeasured = false;   // visible in the last pass
  bool bDrawn = false;      // before the overflow point: contents and frames are drawn
  bool bDisabled = false;
  std::int16_t iIcon = kNoToolIcon;  // image drawn, kNoToolIcon for none
  RECT rcIcon{};
  RECT rcCaption{};
  std::string sText;        // caption or message text shown; empty when none
  LONG lArrowCentreY = 0;   // centre line of the drop arrow
  LONG lMeasuredWidth = 0;  // width without the drop arrow
  POINT ptHosted{};         // top-left of a hosted control
};

struct tToolPass {
  std::vector<tToolGeometry> tools;  // 1-based, element 0 unused
  int iOverflowTool = 0;             // first tool that did not fit, 0 when all fit
  LONG lToolsRight = 0;              // right edge of the last visible tool
};

namespace ToolLayout {

// Pixels reserved at the right edge for the chevron.
inline constexpr int kChevronReserve = 16;
// Extra left offset of the first tool beyond half the spacing (room for the gripper).
inline constexpr int kGripperReserve = 10;
// Extra width of a drop-down tool for its arrow.
inline constexpr int kDropArrowWidth = 10;
// Width of a separator.
inline constexpr int kSeparatorWidth = 2;

// The caption font of `tool`: its own face and attributes, the band font's size (and face when
// the tool names none).
StdFont ToolFont(const tToolItemInfo& tool, const StdFont* pCaptionFont);

// Hosted controls are measured by their window size: `hostedSize(tool)`.
using HostedSize = SIZE (*)(const tToolItemInfo& tool);

// Runs the pass over tools 1..count of `mirror`, writing cTILeft and cTIWidth.
tToolPass Run(HDC hdc, std::vector<tToolItemInfo>& mirror, int count, const tToolPassMetrics& metrics,
              HostedSize hostedSize);

}  // namespace ToolLayout
