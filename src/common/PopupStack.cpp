#include "common/PopupStack.h"

#include <algorithm>

void PopupStack::Opened(IPopup& popup, IPopup* parent) {
  if (std::any_of(m_Entries.begin(), m_Entries.end(), [&](const tEntry& entry) { return entry.pPopup == &popup; }))
    return;
  m_Entries.push_back({&popup, parent});
}

void PopupStack::Closed(const IPopup& popup) {
  const bool bWasOpen = !m_Entries.empty();
  std::erase_if(m_Entries, [&](const tEntry& entry) { return entry.pPopup == &popup; });
  if (bWasOpen && m_Entries.empty() && OnEmptied) OnEmptied();
}

void PopupStack::CloseChildrenOf(const IPopup& popup) {
  while (IPopup* child = ChildOf(popup)) {
    child->ClosePopup();
    Closed(*child);  // in case the child went without telling
  }
}

void PopupStack::CloseAll() {
  while (!m_Entries.empty()) {
    IPopup* newest = m_Entries.back().pPopup;
    newest->ClosePopup();
    Closed(*newest);
  }
}

IPopup* PopupStack::ChildOf(const IPopup& popup) const {
  const auto it = std::find_if(m_Entries.rbegin(), m_Entries.rend(),
                               [&](const tEntry& entry) { return entry.pParent == &popup; });
  return it != m_Entries.rend() ? it->pPopup : nullptr;
}

bool PopupStack::Contains(HWND hWnd) const {
  return hWnd != nullptr && std::any_of(m_Entries.begin(), m_Entries.end(),
                                        [&](const tEntry& entry) { return entry.pPopup->PopupWindow() == hWnd; });
}

std::vector<HWND> PopupStack::Windows() const {
  std::vector<HWND> windows;
  for (const tEntry& entry : m_Entries) windows.push_back(entry.pPopup->PopupWindow());
  return windows;
}
