// Painting of the control's face: the menu bar's base image in the off-screen surface, the
// layout-and-refresh run by resizing, EndUpdate and the look-changing lets (which also sets
// the control's height from the bar), and the paint handler that copies the face to the
// window and draws the hovered and the pressed caption over it.
//
// The layout also places the band surfaces on their lines below the bar; their lines join
// the control's height.
#include <algorithm>
#include <optional>

#include "common/ScopedDC.h"
#include "core/MirelMenuBar20.h"
#include "menu/MenuBarPainter.h"
#include "render/ResourceBitmaps.h"
#include "render/modFontConv.h"

ctsVisualStyleConstants MirelMenuBar20::DrawnVisualStyle() const { return ::DrawnVisualStyle(m_eVisualStyle); }

ctsThemes MirelMenuBar20::DrawnTheme() const { return ::DrawnTheme(m_eTheme); }

tBarLook MirelMenuBar20::BarLook() const {
  tBarLook look;
  look.pFont = m_oDefaultMenuFont.get();
  look.iHeaderSpacing = m_iMenuHeaderSpacing;
  look.eStyle = DrawnVisualStyle();
  look.eTheme = DrawnTheme();
  look.bRightToLeft = m_bRightToLeft != VARIANT_FALSE;
  look.bEnabled = m_bEnabled != VARIANT_FALSE;
  look.lDisabledForeColor = m_lDisabledMenuForeColor;
  look.pHeaderImages = &m_aImageLists[imlMenuHeader];
  return look;
}

styles::eBarCaption MirelMenuBar20::PressedCaption() const {
  return m_Tracker.KeyboardOpened() ? styles::eBarCaption::PressedByKey : styles::eBarCaption::Pressed;
}

void MirelMenuBar20::Refresh() { PaintFace(); }

void MirelMenuBar20::ResizeRoutine() {
  if (!m_bInitialised) return;
  // Whoever runs it (the container, VisualStyle, design-time initialisation), a failing
  // resize is ignored.
  try {
    if (m_Face) m_Face->ChangeSize(ScaleWidth(), ScaleHeight());
    LayoutAndRepaintBar();
    RaiseReSize();
  } catch (...) {
  }
}

void MirelMenuBar20::LayoutAndRepaintBar() {
  if (!m_bRedrawEnabled) return;
  RedrawBarBase();
  int heightPx = m_BarLayout.lBarHeight;
  if (Ambient().UserMode()) heightPx = m_Bands.PlaceBands(m_BarLayout.lBarHeight, DefaultBandHeight());
  // Bands on lines numbered below 1 lie above the bar; a window is never less than 0 high.
  heightPx = std::max(heightPx, 0);
  const float heightTwips = static_cast<float>(heightPx) * m_sngTwipsPerPixelY;
  // The resize the new height causes lays out again; when the container cannot give the
  // height asked for, that inner layout keeps the height it got instead of asking forever.
  if (Extender().Height() != heightTwips && !m_bSettingHeight) {
    m_bSettingHeight = true;
    Extender().SetHeight(heightTwips);
    m_bSettingHeight = false;
    // Once initialised, the resize this causes has laid out and painted the face at its new size.
    if (m_bInitialised) return;
  }
  m_Bands.RefreshTransparentBands();
  BlitFace();
}

tBarLayoutInput MirelMenuBar20::BarLayoutInput() const {
  tBarLayoutInput input;
  input.iHeaderSpacing = m_iMenuHeaderSpacing;
  input.bRightToLeft = IsTrue(m_bRightToLeft);
  input.lControlWidth = m_Face->Width();
  const tImageListSlot& images = m_aImageLists[imlMenuHeader];
  if (images.hImageList != 0) {
    input.bHasImageList = true;
    input.iIconWidth = images.iImageWidth;
    input.iIconHeight = images.iImageHeight;
  }
  return input;
}

void MirelMenuBar20::RedrawBarBase() {
  if (!m_Face) return;
  HDC hdc = m_Face->hdc();
  {
    // The layout follows the tables even when the face could not be allocated (a control
    // taller than any bitmap): the captions are then measured on the control's window.
    std::optional<ScopedDC> window;
    if (hdc == nullptr) window.emplace(m_hWndMB);
    HDC measureDC = window ? window->hdc() : hdc;
    const SelectedFont font(measureDC, m_oDefaultMenuFont.get());
    m_BarLayout = MenuBarLayout::Compute(m_Menus, BarLayoutInput(), measureDC);
  }
  if (hdc == nullptr) return;
  const MenuBarPainter painter(m_Artwork);
  painter.PaintBase(hdc, m_Face->Width(), m_Face->Height(), m_Menus, m_BarLayout, BarLook());
}

void MirelMenuBar20::Paint() { PaintFace(); }

void MirelMenuBar20::BlitFace() {
  if (m_Face) BlitFace(RECT{0, 0, m_Face->Width(), m_Face->Height()});
}

void MirelMenuBar20::BlitFace(const RECT& area) {
  if (m_hWndMB == nullptr || !m_Face || m_Face->hdc() == nullptr) return;
  const ScopedDC window(m_hWndMB);
  BitBlt(window.hdc(), area.left, area.top, area.right - area.left, area.bottom - area.top, m_Face->hdc(), area.left,
         area.top, SRCCOPY);
  ++m_lPaintCount;
}

void MirelMenuBar20::PaintFace() {
  if (m_Face) PaintFace(RECT{0, 0, m_Face->Width(), m_Face->Height()});
}

void MirelMenuBar20::PaintFace(const RECT& area) {
  BlitFace(area);
  if (m_hWndMB == nullptr || m_BarLayout.captions.empty()) return;
  const tBarLook look = BarLook();
  const MenuBarPainter painter(m_Artwork);
  const ScopedDC window(m_hWndMB);
  HDC hdc = window.hdc();
  const RECT whole{0, 0, m_Face->Width(), m_Face->Height()};
  if (EqualRect(&area, &whole) == FALSE) IntersectClipRect(hdc, area.left, area.top, area.right, area.bottom);
  for (const tBarCaption& caption : m_BarLayout.captions) {
    const tMenuInfo& menu = m_Menus.Menu(caption.iMenu);
    if (caption.iMenu == m_Tracker.DroppedIndex()) {
      painter.PaintHighlight(hdc, m_BarLayout, m_Menus, look, caption.iMenu, PressedCaption());
    } else if (caption.iMenu == m_Tracker.HoverIndex() && m_Tracker.MouseOverBar() && look.bEnabled &&
               menu.cMEnabled != VARIANT_FALSE) {
      painter.PaintHighlight(hdc, m_BarLayout, m_Menus, look, caption.iMenu, styles::eBarCaption::Hover);
    }
  }
}

void MirelMenuBar20::RefreshCaptions(int iFirst, int iSecond) {
  const RECT area = CaptionColumns({iFirst, iSecond});
  if (area.right > area.left) PaintFace(area);
}

void MirelMenuBar20::ClearCaptions(std::initializer_list<int> menus) {
  const RECT area = CaptionColumns(menus);
  if (area.right > area.left) BlitFace(area);
}

RECT MirelMenuBar20::CaptionColumns(std::initializer_list<int> menus) const {
  RECT area{};
  if (!m_Face) return area;
  for (const int iMenu : menus) {
    if (m_BarLayout.Find(iMenu) == nullptr) continue;
    const tMenuInfo& menu = m_Menus.Menu(iMenu);
    const RECT hover = MenuBarLayout::HoverBox(menu, m_iMenuHeaderSpacing, m_BarLayout.lBarHeight);
    const RECT pressed = MenuBarLayout::PressedBox(menu, m_iMenuHeaderSpacing, m_BarLayout.lBarHeight);
    UnionRect(&area, &area, &hover);
    UnionRect(&area, &area, &pressed);
  }
  // Whole columns of the face: what a caption draws stays within its boxes' width.
  area.top = 0;
  area.bottom = m_Face->Height();
  return area;
}

void MirelMenuBar20::PaintBarCaptionPressed(int iMenu) {
  if (m_hWndMB == nullptr) return;
  const MenuBarPainter painter(m_Artwork);
  painter.PaintHighlight(ScopedDC(m_hWndMB).hdc(), m_BarLayout, m_Menus, BarLook(), iMenu, PressedCaption());
}

int MirelMenuBar20::BarMenuAt(int x, int y) const {
  return MenuBarLayout::HitTest(m_Menus, m_iMenuHeaderSpacing, m_BarLayout.lBarHeight, x, y);
}

void MirelMenuBar20::LoadMenuBitmaps() {
  for (const char* name : {artwork::kMenuBar2003, artwork::kInfrequentArrow, artwork::kMenuMargins}) {
    m_Artwork.Find(name);
  }
  for (int theme = XPBlue; theme <= XPOlive; ++theme) m_Artwork.Find(ThemedResourceName(artwork::kMsiePanelStem, theme));
}
