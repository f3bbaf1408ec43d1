#include "support/ControlInvariants.h"

#include <algorithm>
#include <set>

#include "core/MirelMenuBar20Internals.h"
#include "menu/frmMenu.h"
#include "render/frmToolTip.h"
#include "support/Values.h"

namespace mirel_test {
namespace {

constexpr int kClassNameSize = 64;

bool AnyButtonDown() { return (GetAsyncKeyState(VK_LBUTTON) | GetAsyncKeyState(VK_RBUTTON)) & static_cast<SHORT>(0x8000); }

void CheckTables(const MenuTable& table, std::vector<std::string>& broken) {
  for (int m = 1; m <= table.Count(); ++m) {
    const tMenuInfo& menu = table.Menu(m);
    if (static_cast<int>(menu.cMMenuItems.size()) < menu.cMMenuItemsCount + 1)
      broken.push_back(Values("menu", m, "counts", menu.cMMenuItemsCount, "items but holds", menu.cMMenuItems.size() - 1));
    else
      for (int i = 1; i <= menu.cMMenuItemsCount; ++i) (void)table.Group(m, i);
  }
}

void CheckBarIndex(const char* name, int index, int count, std::vector<std::string>& broken) {
  if (index != kNoBarMenu && (index < 1 || index > count))
    broken.push_back(Values(name, "index", index, "outside 1.." + std::to_string(count)));
}

void CheckOpenMenus(MirelMenuBar20& bar, std::vector<std::string>& broken) {
  // The open pop-ups hold the drop panels too.
  std::vector<HWND> open = Inside(bar).OpenMenuWindows();
  std::erase_if(open, [](HWND w) { return !frmMenu::IsMenuWindow(w); });
  const std::set<HWND> listed(open.begin(), open.end());
  if (listed.size() != open.size()) broken.push_back("a menu window is listed twice as open");
  const std::vector<HWND> live = TopLevelWindowsOfClass(frmMenu::kClassName);
  if (listed != std::set<HWND>(live.begin(), live.end()))
    broken.push_back(Values(open.size(), "menu windows listed as open,", live.size(), "alive"));
  std::set<HWND> children;
  for (HWND w : open) {
    const frmMenu* menu = frmMenu::FromWindow(w);
    if (menu == nullptr) continue;
    if (menu->MenuIndex() < 1 || menu->MenuIndex() > Inside(bar).MenuData().Count())
      broken.push_back(Values("an open menu window shows menu", menu->MenuIndex()));
    if (const IPopup* child = Inside(bar).Popups().ChildOf(*menu)) children.insert(child->PopupWindow());
  }
  const auto roots = std::count_if(open.begin(), open.end(), [&](HWND w) { return !children.contains(w); });
  if (roots > 1) broken.push_back(Values(roots, "menu chains open at once"));
  if (open.empty() && GetCapture() != nullptr && !AnyButtonDown())
    broken.push_back("the mouse is captured with no menu open and no button down");
}

// Every band surface's mirror holds its band's tools: same count, keys and states.
void CheckBandMirrors(ControlBands& bands, std::vector<std::string>& broken) {
  for (int p = 1; p <= bands.Count(); ++p) {
    const tBandInfo& band = bands.Table().Band(p);
    const MirelReBar& surface = bands.Surface(p);
    if (surface.ToolCount() != band.cBIToolCount) {
      broken.push_back(Values("band", p, "mirrors", surface.ToolCount(), "of", band.cBIToolCount, "tools"));
      continue;
    }
    for (int t = 1; t <= band.cBIToolCount; ++t) {
      const tToolItemInfo &record = bands.Table().Tool(p, t), &mirror = surface.Tool(t);
      if (record.cTIKey != mirror.cTIKey || record.cTIState != mirror.cTIState)
        broken.push_back(Values("band", p, "tool", t, "differs from its mirror"));
    }
  }
}

}  // namespace

std::vector<HWND> TopLevelWindowsOfClass(const std::string& className) {
  std::vector<HWND> found;
  for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    char name[kClassNameSize] = {};
    GetClassNameA(w, name, kClassNameSize);
    if (className == name) found.push_back(w);
  }
  return found;
}

std::vector<std::string> BrokenInvariants(MirelMenuBar20& bar) {
  std::vector<std::string> broken;
  const MirelMenuBar20Internals inside = Inside(bar);
  const int count = inside.MenuData().Count();
  CheckTables(inside.MenuData(), broken);
  CheckBarIndex("hover", inside.Tracker().HoverIndex(), count, broken);
  CheckBarIndex("selected", inside.Tracker().SelectedIndex(), count, broken);
  CheckBarIndex("dropped", inside.Tracker().DroppedIndex(), count, broken);
  CheckOpenMenus(bar, broken);
  CheckBandMirrors(inside.BandData(), broken);
  const auto tips = TopLevelWindowsOfClass(frmToolTip::kClassName).size();
  if (tips > 1) broken.push_back(Values(tips, "tool tips at once"));
  return broken;
}

}  // namespace mirel_test
