// The control's side of the menu windows: the settings a window gets, its size and place on
// the screen, the list of open windows and repainting one of their rows.
#include <algorithm>
#include <cmath>

#include "core/MirelMenuBar20.h"
#include "common/SpacingValue.h"
#include "menu/MenuBarLayout.h"
#include "menu/frmMenu.h"

namespace {

constexpr int kCaptionWindowOffset = 2;  // a bar drop's left edge lies 2 pixels left of cMCollX


int ToPixels(float twips, float twipsPerPixel) { return static_cast<int>(std::lrint(twips / twipsPerPixel)); }

}  // namespace

HWND MirelMenuBar20::ShowMenuWindow(const tMenuWindowRequest& request) {
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
  setup.pArtwork = &m_Artwork;
  setup.OnFirstPaint = [this](HWND hWndMenu) {
    m_OpenMenuWindows.push_back(hWndMenu);
    m_hWndTracking = hWndMenu;
  };
  setup.OnUnload = [this](HWND hWndMenu) {
    std::erase(m_OpenMenuWindows, hWndMenu);
    if (m_hWndTracking == hWndMenu) m_hWndTracking = nullptr;
  };
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

  m_bShowingMenu = true;
  frmMenu* form = frmMenu::Load(std::move(setup));
  form->ShowAt(ToPixels(placement.Left, m_sngTwipsPerPixelX), ToPixels(placement.Top, m_sngTwipsPerPixelY));
  m_bShowingMenu = false;
  return form->hWnd();
}

void MirelMenuBar20::RepaintMenuRow(HWND hWndMenu, int i) {
  if (frmMenu* form = frmMenu::FromWindow(hWndMenu)) form->RepaintRow(i);
}
