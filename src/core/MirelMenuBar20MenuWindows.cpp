// The control's side of the menu windows: the settings a window gets, its size and place on
// the screen, and the open windows following changes of the menu table; and where the bar's
// mouse and its watched messages reach the bar's tracking.
#include <algorithm>
#include <cmath>

#include "core/MirelMenuBar20.h"
#include "common/SpacingValue.h"
#include "container/HostExceptions.h"
#include "menu/MenuBarLayout.h"
#include "menu/frmMenu.h"

namespace {

int ToPixels(float twips, float twipsPerPixel) { return static_cast<int>(std::lrint(twips / twipsPerPixel)); }

}  // namespace

HWND MirelMenuBar20::ShowMenuWindow(const tMenuWindowRequest& request) {
  // A menu opening closes the drop panel that shows.
  if (request.hWndParentMenu == nullptr) m_Bands.CloseDropPanels();
  const tMenuInfo& menu = m_Menus.Menu(request.iMenu);
  const tImageListSlot& icons = ImageListSlot(imlMenuItems);

  tMenuWindowSetup setup;
  setup.iMenuIndex = request.iMenu;
  setup.Items = menu.cMMenuItems;
  setup.iItemCount = menu.cMMenuItemsCount;
  setup.iItemSpacing = SpacingValue::Drawn(m_iMenuItemSpacing, kMenuItemSpacingOffset);
  setup.Look.eStyle = DrawnVisualStyle();
  setup.Look.eTheme = DrawnTheme();
  setup.Look.bRightToLeft = IsTrue(m_bRightToLeft);
  setup.Look.bShadows = IsTrue(m_bMenuShadows);
  setup.Look.bHighlightInfrequents = IsTrue(m_bHighlightInfrequents);
  setup.Look.oItemFont = m_oDefaultMenuItemFont;
  setup.Look.lIconWidth = icons.hImageList != 0 ? icons.iImageWidth : 0;
  setup.Look.lIconHeight = icons.hImageList != 0 ? icons.iImageHeight : 0;
  setup.Look.lMarginWidth = MenuWindowLayout::MarginWidth(setup.Look.lIconWidth);
  setup.Look.oImageList = icons.oImageList;
  setup.Look.hImageList = icons.hImageList;
  setup.bIsBarMenu = request.eKind == MenuWindowKind::BarDrop;
  setup.bInfrequentsHidden = IsTrue(menu.cMDisplayInfrequents) && !IsTrue(menu.cMDisplayInfrequentState);
  setup.hWndControl = m_hWndMB;
  setup.hWndParentMenu = request.hWndParentMenu;
  setup.TwipsPerPixelX = m_sngTwipsPerPixelX;
  setup.TwipsPerPixelY = m_sngTwipsPerPixelY;
  setup.lToolTipPreTime = m_lToolTipPreTime;
  setup.lToolTipPostTime = m_lToolTipPostTime;
  setup.pOwner = &m_Tracker;
  setup.pPopups = &m_Popups;
  setup.pArtwork = &m_Artwork;
  m_iMenuLeftMargin = static_cast<std::int16_t>(setup.Look.lMarginWidth);

  const SIZE size = frmMenu::MeasureWindow(setup);
  tMenuPlacementRequest place;
  place.eKind = request.eKind;
  place.bRightToLeft = setup.Look.bRightToLeft;
  place.bShadows = setup.Look.bShadows;
  place.Left = request.X;
  place.Top = request.Y;
  place.Width = static_cast<float>(size.cx) * m_sngTwipsPerPixelX;
  place.Height = static_cast<float>(size.cy) * m_sngTwipsPerPixelY;
  place.ScreenWidth = static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * m_sngTwipsPerPixelX;
  place.ScreenHeight = static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * m_sngTwipsPerPixelY;
  place.TwipsPerPixelX = m_sngTwipsPerPixelX;
  place.TwipsPerPixelY = m_sngTwipsPerPixelY;
  place.lBarHeight = request.lBarHeight;
  if (request.hWndParentMenu != nullptr) GetWindowRect(request.hWndParentMenu, &place.rcParent);
  const tMenuPlacement placement = PlaceMenuWindow(place);

  setup.bOpenedUpwards = placement.bOpenedUpwards;
  setup.bOpenedLeftwards = placement.bOpenedLeftwards;
  // A bar menu joins its pressed caption along its top edge; one opened above the bar meets the
  // caption nowhere and draws no join.
  if (setup.bIsBarMenu && !placement.bOpenedUpwards) {
    const RECT pressed = MenuBarLayout::PressedBox(menu, m_iMenuHeaderSpacing, request.lBarHeight);
    const int lWidth = setup.Look.bRightToLeft
                           ? menu.cMCollX + menu.cMWidth + kCaptionWindowOffset - static_cast<int>(pressed.left)
                           : static_cast<int>(pressed.right) - (menu.cMCollX - kCaptionWindowOffset);
    setup.Join = {true, lWidth, placement.lJoinOffset};
  }

  frmMenu* form = frmMenu::Load(std::move(setup), size);
  form->ShowAt(ToPixels(placement.Left, m_sngTwipsPerPixelX), ToPixels(placement.Top, m_sngTwipsPerPixelY));
  return form->hWnd();
}

// Whatever changes the tables — a host's code, even inside an event — the bar's layout and
// indexes and the open menu windows follow, so nothing uses a position the tables lost.
void MirelMenuBar20::OnMenuTableChanged(const tMenuTableChange& change) {
  m_Tracker.FollowTableChange(change);
  // The bar first: closing menus below repaints it from its layout.
  if (change.ChangesMenus()) {
    if (m_bRedrawEnabled)
      LayoutAndRepaintBar();
    else
      m_BarLayout.captions.clear();  // laid out again when redrawing resumes
  }
  FollowOpenMenuWindows(change);
}

// A window whose menu is gone takes every menu with it; one whose items changed shows the
// items the table holds now.
void MirelMenuBar20::FollowOpenMenuWindows(const tMenuTableChange& change) {
  bool bMenuGone = false;
  for (HWND hWndMenu : m_Popups.Windows()) {
    frmMenu* form = frmMenu::FromWindow(hWndMenu);
    if (form == nullptr) continue;
    const int iMenu = change.MenuAfter(form->MenuIndex());
    if (iMenu == 0) {
      bMenuGone = true;
      continue;
    }
    form->SetMenuIndex(iMenu);
    if (!change.ChangesMenus() && iMenu == change.iMenu) {
      const tMenuInfo& menu = m_Menus.Menu(iMenu);
      form->ShowItems(menu.cMMenuItems, menu.cMMenuItemsCount);
    }
  }
  if (bMenuGone) m_Tracker.CloseAllMenus();
}

void MirelMenuBar20::MouseDown(std::int16_t /*Button*/, std::int16_t /*Shift*/, float X, float Y) {
  m_Tracker.MouseDown(X, Y);
}

// The watched messages only inform the control (preprocess): the window's own result stands.
LRESULT MirelMenuBar20::WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  return host_exceptions::Contain([&] {
    m_Tracker.WatchedMessage(hWnd, iMsg, wParam, lParam);
    return LRESULT{0};
  });
}
