// The control's keyboard entry points. Every key of the thread passes the keyboard hook: with
// Ctrl held it arrives here as a possible hot-key combination, otherwise as a bar key offered
// in turn to the menu windows, the bands and the bars. Keys count only while the host form
// (or its MDI frame) is the active window and the control is enabled.
#include <optional>

#include "common/VirtualKeys.h"
#include "container/HostExceptions.h"
#include "core/MirelMenuBar20.h"
#include "menu/HotKeys.h"

bool MirelMenuBar20::IsHostActive() const {
  const HWND hWndActive = GetActiveWindow();
  return hWndActive != nullptr && hWndActive == m_hWndTop;
}

bool MirelMenuBar20::TakesKeys() const { return m_bEnabled != VARIANT_FALSE && IsHostActive(); }

// The bar's key steps in order: key-up, Alt mode and caption mnemonics first; a key they
// leave is matched against the hot keys.
void MirelMenuBar20::HookKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool /*bShift*/, bool& bHandled) {
  host_exceptions::Contain([&] {
    if (!m_Tracker.Key(iVirtKey, bKeyUp, bAlt, bHandled)) bHandled = FireHotKey(iVirtKey);
    return LRESULT{0};
  });
}

bool MirelMenuBar20::FireHotKey(std::int16_t iVirtKey) {
  const std::optional<HotKeys::tHotKeyItem> hit = HotKeys::FindPlainHotKey(m_Menus, iVirtKey);
  if (hit) {
    RaiseMenuItemClick(hit->iMenu, hit->iItem);
    return true;
  }
  const std::optional<tToolPlace> tool = m_Bands.FindToolHotKey(iVirtKey);
  if (!tool) return false;
  if (m_Tracker.HoverIndex() != kNoBarMenu) {
    m_Tracker.SetHoverIndex(kNoBarMenu);
    Refresh();
  }
  m_Bands.AltToolClick(tool->p, tool->t);
  return true;
}

void MirelMenuBar20::HookCtrlKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled) {
  host_exceptions::Contain([&] {
    if (bKeyUp || !TakesKeys()) return LRESULT{0};
    if (iVirtKey == VK_RETURN || iVirtKey == VK_CONTROL || IsArrowKey(iVirtKey)) return LRESULT{0};
    if (iVirtKey == VK_ESCAPE) {
      bHandled = true;
      return LRESULT{0};
    }
    const std::optional<HotKeys::tHotKeyItem> hit = HotKeys::FindCtrlHotKey(m_Menus, iVirtKey, bAlt, bShift);
    if (!hit) return LRESULT{0};
    bHandled = true;
    const tMenuItemInfo& item = m_Menus.Item(hit->iMenu, hit->iItem);
    if (item.cMIVisible != VARIANT_FALSE && item.cMIEnabled != VARIANT_FALSE) RaiseMenuItemClick(hit->iMenu, hit->iItem);
    return LRESULT{0};
  });
}

void MirelMenuBar20::RaiseMenuItemClick(std::int16_t iMenu, std::int16_t iItem) {
  // Keys are copied first: a handler may change the menus while the event runs.
  const std::string sMenuKey = m_Menus.Menu(iMenu).cMKey;
  const std::string sItemKey = m_Menus.Item(iMenu, iItem).cMIKey;
  m_Sinks.Raise([&](__MirelMenuBar20& sink) { sink.MenuItemClick(iMenu, sMenuKey, iItem, sItemKey); });
}
