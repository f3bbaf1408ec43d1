// Methods of MirelMenuBar20 and the face painting they share.
#include "container/AutomationError.h"
#include "container/Ole.h"
#include "core/ErrorRaiser.h"
#include "core/MirelMenuBar20.h"

void MirelMenuBar20::About() { m_About.Show(m_hWndTop != nullptr ? m_hWndTop : m_hWndMB); }

void MirelMenuBar20::PopUpMenu(const std::string& lMenuKey, float X, float Y) {
  if (!m_OpenMenuWindows.empty()) {
    HideAllMenus();
    return;
  }
  const int iMenu = m_Menus.FindMenu(lMenuKey);
  if (iMenu == 0 || !m_PopUpOpener) return;
  m_bPopUpMode = true;
  m_PopUpOpener(iMenu, X, Y);
  m_bPopUpMode = false;
}

void MirelMenuBar20::Refresh() { PaintFace(); }

void MirelMenuBar20::HideAllMenus() {
  // Newest first, so that sub-menus close before the menus they hang from.
  while (!m_OpenMenuWindows.empty()) {
    HWND hWndMenu = m_OpenMenuWindows.back();
    m_OpenMenuWindows.pop_back();
    if (IsWindow(hWndMenu)) DestroyWindow(hWndMenu);
  }
}

void MirelMenuBar20::BeginUpdate() { m_bRedrawEnabled = false; }

void MirelMenuBar20::EndUpdate() {
  m_bRedrawEnabled = true;
  LayoutAndRepaintBar();
}

void MirelMenuBar20::ClearAll() {
  if (m_Menus.Count() == 0) return;
  try {
    m_Menus.Clear();
    RedrawBarBase();
    PaintFace();
  } catch (...) {
    // Clearing is best effort: a failure part-way leaves whatever was already cleared.
  }
}

void MirelMenuBar20::SetImageList(ctsMBImageListTypeConstants& eSize, Variant& ImageListControl) {
  AttachImageList(m_aImageLists[SlotIndex(eSize)], ImageListControl, std::string(kImageListSourceSetImageList).c_str());
}

const tImageListSlot& MirelMenuBar20::ImageListSlot(ctsMBImageListTypeConstants slot) const {
  return m_aImageLists[SlotIndex(slot)];
}

std::size_t MirelMenuBar20::SlotIndex(std::int32_t slot) {
  if (slot < 0 || static_cast<std::size_t>(slot) >= kImageListSlotCount) {
    RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  }
  return static_cast<std::size_t>(slot);
}

void MirelMenuBar20::LayoutAndRepaintBar() {
  if (!m_bRedrawEnabled) return;
  RedrawBarBase();
  PaintFace();
}

void MirelMenuBar20::RedrawBarBase() {
  if (!m_Face || m_Face->hdc() == nullptr) return;
  const RECT whole{0, 0, m_Face->Width(), m_Face->Height()};
  HBRUSH background = CreateSolidBrush(TranslateOleColorOrBlack(UserControl::BackColor()));
  FillRect(m_Face->hdc(), &whole, background);
  DeleteObject(background);
}

void MirelMenuBar20::PaintFace() {
  if (m_hWndMB == nullptr || !m_Face || m_Face->hdc() == nullptr) return;
  HDC hdc = GetDC(m_hWndMB);
  BitBlt(hdc, 0, 0, m_Face->Width(), m_Face->Height(), m_Face->hdc(), 0, 0, SRCCOPY);
  ReleaseDC(m_hWndMB, hdc);
  ++m_lPaintCount;
}
