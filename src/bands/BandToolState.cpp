#include "bands/BandToolState.h"

using styles::eToolFrame;

std::optional<eToolFrame> ToolFrameFor(const tBandToolState& state, int t, const tToolItemInfo& tool) {
  if (t == state.iOpenDropTool && state.bDropPanelShown) return eToolFrame::DropOpen;
  if (t == state.iNextDropTool && state.bSwitchWindow && state.bInside) return eToolFrame::DropSwitchHot;
  if (t == state.iPressedTool && state.bInside) return eToolFrame::Pressed;
  const bool bChecked = IsTrue(tool.cTIState);
  if (t == state.iHotTool && state.bInside && t == state.iToolUnderCursor) {
    return bChecked ? eToolFrame::Pressed : eToolFrame::Hot;
  }
  if (bChecked && (IsTrue(tool.cTIToggle) || IsTrue(tool.cTIGrouped) || state.bInside)) return eToolFrame::Checked;
  return std::nullopt;
}
