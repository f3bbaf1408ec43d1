// Methods of MirelMenuBar20.
#include "common/ErrorRaiser.h"
#include "container/AutomationError.h"
#include "core/MirelMenuBar20.h"

void MirelMenuBar20::About() { m_About.Show(m_hWndTop != nullptr ? m_hWndTop : m_hWndMB); }

void MirelMenuBar20::PopUpMenu(const std::string& lMenuKey, float X, float Y) {
  if (!m_Popups.Empty()) {
    HideAllMenus();
    return;
  }
  const int iMenu = m_Menus.FindMenu(lMenuKey);
  if (iMenu != 0) m_Tracker.PopUp(iMenu, X, Y);
}

void MirelMenuBar20::HideAllMenus() { m_Tracker.CloseAllMenus(); }

void MirelMenuBar20::BeginUpdate() {
  m_bRedrawEnabled = false;
  m_Bands.BeginUpdate();
}

void MirelMenuBar20::EndUpdate() {
  m_bRedrawEnabled = true;
  m_Bands.EndUpdate();
  LayoutAndRepaintBar();
}

void MirelMenuBar20::ClearAll() {
  if (m_Menus.Count() == 0 && m_Bands.Count() == 0 && m_DropDowns.Count() == 0) return;
  try {
    m_Bands.Release();
    m_DropDowns.Clear();
    m_Menus.Clear();  // the bar is laid out again as the table reports the change
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
