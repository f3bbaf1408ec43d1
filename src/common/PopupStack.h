// Every open pop-up window of one control, in the order they opened, each with the pop-up it
// was opened from, and the rules for closing them: whatever opened from a pop-up closes
// before it, and closing all goes newest first. A pop-up joins when it first shows and
// leaves when it goes, however it goes.
#pragma once
#include <functional>
#include <vector>

#include "common/IPopup.h"

class PopupStack {
 public:
  PopupStack() = default;
  PopupStack(const PopupStack&) = delete;
  PopupStack& operator=(const PopupStack&) = delete;
  // Nothing the control opened outlives it.
  ~PopupStack() { CloseAll(); }

  // `popup` has shown itself, opened from `parent` (null for a first-level pop-up).
  void Opened(IPopup& popup, IPopup* parent);
  // `popup` is going; it leaves the stack (what opened from it has closed first).
  void Closed(const IPopup& popup);

  // Closes what was opened from `popup`, newest first.
  void CloseChildrenOf(const IPopup& popup);
  // Closes every pop-up, newest first.
  void CloseAll();

  // The open pop-up opened from `popup`, or null.
  IPopup* ChildOf(const IPopup& popup) const;
  bool Contains(HWND hWnd) const;
  bool Empty() const { return m_Entries.empty(); }
  // The open windows, oldest first.
  std::vector<HWND> Windows() const;

  // Called when the last open pop-up has gone (a tool that opened a menu hears it closed).
  std::function<void()> OnEmptied;

 private:
  struct tEntry {
    IPopup* pPopup;
    const IPopup* pParent;
  };
  std::vector<tEntry> m_Entries;
};
