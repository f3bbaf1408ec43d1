// What a drop host (MirelDrop) needs from the control that owns it: the host's names for the
// system colours, the one tip window, and the panel's results, which the control raises as its
// public events with the band's number and key.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "container/Ole.h"

class MirelDrop;

class IDropOwner {
 public:
  virtual ~IDropOwner() = default;
  // Keeps the owner and the drop host alive until the token goes: the host's events may
  // remove the band or unload the control while the panel's code still runs.
  virtual std::shared_ptr<void> EnterDispatch() = 0;
  // Raises GetPredefinedColorStrings with the 28 names.
  virtual void GetPredefinedColorStrings(std::vector<std::string>& sStrings) = 0;
  // The panel opened by tool iTool (key sToolKey) closed.
  virtual void DropClosed(MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey) = 0;
  virtual void DropColorSelect(MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey, OLE_COLOR lColor) = 0;
  // The colour dialog opened (bClosed false) or closed.
  virtual void DropCustomColor(MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey, bool bClosed) = 0;
  virtual void DropIconClick(MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey, std::int16_t iIcon,
                             const std::string& sIconKey) = 0;
  // The mouse over an icon: the runtime's Button and Shift, the point in screen twips.
  virtual void DropIconMouseMove(MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey, std::int16_t iIcon,
                                 const std::string& sIconKey, std::int16_t Button, std::int16_t Shift, float X,
                                 float Y) = 0;
  // The owner's one tip window at the pointer, over the panel without changing the order of
  // the windows; false when nothing shows.
  virtual bool ShowDropToolTip(const std::string& sText) = 0;
  virtual void HideToolTip() = 0;
};
