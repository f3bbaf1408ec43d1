// The invariants a menu-bar control keeps between any two steps, whatever the host and the
// user did: its tables agree with their counts, the bar's indexes name existing menus, the
// open-menu list is exactly the live menu windows and forms at most one chain, at most one
// tool tip exists, every band surface mirrors its band's tools, and nothing holds the mouse
// capture once every menu is closed and the buttons are up. Random and fuzzed runs check
// them after every step.
#pragma once
#include <string>
#include <vector>

#include "win32/windows.h"

class MirelMenuBar20;

namespace mirel_test {

// The top-level windows of a window class, in z-order.
std::vector<HWND> TopLevelWindowsOfClass(const std::string& className);

// One line per broken invariant; empty when all hold.
std::vector<std::string> BrokenInvariants(MirelMenuBar20& bar);

}  // namespace mirel_test
