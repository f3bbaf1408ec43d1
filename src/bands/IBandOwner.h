// What a band surface needs from the control that owns it: the few settings it draws with,
// what the owner shows behind the band, and the band's notifications, which the owner turns
// into its public events (adding the band's number and key) and into their effects on the
// menu bar. The band never sees the concrete control.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "win32/windows.h"

class MirelReBar;
class StdFont;

// A mouse event's arguments as hosts receive them: the runtime's Button and Shift and the
// cursor in screen twips.
struct tBandMouse {
  std::int16_t Button = 0;
  std::int16_t Shift = 0;
  float X = 0;
  float Y = 0;
};

enum class eToolMouse { Down, Move, Up };

class IBandOwner {
 public:
  virtual ~IBandOwner() = default;

  // ---- drawing ----
  // The font the band's captions derive from (face when a tool names none, and size).
  virtual const StdFont* CaptionFont() const = 0;
  // The size of one tool icon in pixels; 0 x 0 without a tool image list.
  virtual SIZE ToolIconSize() const = 0;
  // Draws tool image `index` (1-based, as the tool records hold it) at (x, y) of hdc.
  virtual void DrawToolIcon(HDC hdc, std::int16_t index, int x, int y) const = 0;
  // Copies the part of the owner's face that lies behind rcBand (owner client pixels) to
  // hdc at (0, 0): the background of a transparent band.
  virtual void PaintBehind(HDC hdc, const RECT& rcBand) const = 0;

  // ---- lifetime ----
  // Keeps the owner, and every band it takes out meanwhile, alive until the token goes: a
  // band holds one while it handles input, so a host may remove the band or unload the
  // control from inside the band's events.
  virtual std::shared_ptr<void> EnterDispatch() = 0;

  // ---- queries ----
  // How many bands the owner holds: a band alone cannot be dragged.
  virtual int BandCount() const = 0;

  // ---- notifications (tool numbers are positions in the band) ----
  virtual void ChevronMouse(const MirelReBar& band, bool bUp, const tBandMouse& mouse, float lLeft, float lBottom) = 0;
  virtual void ToolMouse(const MirelReBar& band, eToolMouse what, int t, const tBandMouse& mouse) = 0;
  virtual void ToolClick(const MirelReBar& band, int t) = 0;
  // Old position -1 (key "NONE") when no other member of the group was set.
  virtual void ToolGroupChange(const MirelReBar& band, int t, int iOldTool, std::int16_t iGroupID) = 0;
  virtual void ToolToggleChange(const MirelReBar& band, int t, bool bState) = 0;
  // A tool's cTIState changed in the band's mirror: the owner's record takes it too.
  virtual void ToolStateChanged(const MirelReBar& band, int t, bool bState) = 0;
  // A press on the band outside the chevron; a move inside it; hover tracking started.
  virtual void BandPressed(const MirelReBar& band) = 0;
  virtual void BandMouseMoved(const MirelReBar& band) = 0;
  virtual void BandTrackingStarted(const MirelReBar& band) = 0;
  // Dragging a band by its gripper: grab is the press point in band pixels.
  virtual void StartBandDrag(MirelReBar& band, POINT grab) = 0;
  virtual void EndBandDrag(MirelReBar& band) = 0;
  // Opens the drop-down of tool t below it; false when nothing opened.
  virtual bool OpenDropDown(MirelReBar& band, int t) = 0;
  // Closes whatever drop-down of the band is open (it reports its closing back through
  // MirelReBar::DropDownClosed).
  virtual void CloseDropDown(MirelReBar& band) = 0;
  // The one tip window of the owner.
  virtual bool ShowToolTip(const std::string& sText) = 0;
  virtual void HideToolTip() = 0;
};
