// The interaction state of a band surface that its painting shows: which tool is hot,
// pressed, open or about to open, and where the cursor is. Mouse and keyboard handling set
// it; the frame rule below reads it. -1 means no tool.
#pragma once
#include <cstdint>
#include <optional>

#include "bands/BandRecords.h"
#include "render/styles/IToolStyle.h"
#include "win32/types.h"

inline constexpr std::int16_t kNoTool = -1;

struct tBandToolState {
  std::int16_t iHotTool = kNoTool;
  std::int16_t iPressedTool = kNoTool;
  std::int16_t iPressedAgainTool = kNoTool;
  std::int16_t iDownTool = kNoTool;
  std::int16_t iOpenDropTool = kNoTool;
  std::int16_t iNextDropTool = kNoTool;
  bool bButtonDown = false;
  bool bOverChevron = false;
  bool bTracking = false;
  bool bDragging = false;
  bool bSwitchWindow = false;
  // The open drop tool's panel is on the screen.
  bool bDropPanelShown = false;
  // The cursor is inside the band window.
  bool bInside = false;
  // The tool under the last mouse position (its hit test), or kNoTool.
  std::int16_t iToolUnderCursor = kNoTool;
  POINT ptLastMouse{};
};

// The frame tool t (record `tool`) shows in state `state`, if any, in the order of precedence:
// the open drop-down, the drop-down about to open while switching, the pressed tool, the hot
// tool under the cursor (pressed when its state is set), then a set state of a toggle or
// group member (or of any tool while the cursor is inside).
std::optional<styles::eToolFrame> ToolFrameFor(const tBandToolState& state, int t, const tToolItemInfo& tool);
