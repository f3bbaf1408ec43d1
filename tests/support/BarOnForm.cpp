#include "support/BarOnForm.h"

#include "core/MirelMenuBar20Internals.h"
#include "core/automation/cMenus.h"

namespace mirel_test {

MirelMenuBar20& BarOnForm::MakeBar(const BarSetup& setup) {
  DropForm();
  if (setup.desktop) ResetDesktop(*setup.desktop);
  if (setup.backdrop) {
    const RECT screen{0, 0, Desktop().ScreenWidth(), Desktop().ScreenHeight()};
    m_hWndBackdrop = CreateTestWindow("backdrop", screen);
    SetTestHandler(m_hWndBackdrop, PaintPattern(BackdropColor));
    UpdateWindow(m_hWndBackdrop);
  }
  m_Form = std::make_unique<Form>(setup.form);
  m_Form->Show();
  const ControlPlacement placement{"MirelMenuBar201", 0, 0, setup.barWidthTwips, setup.barHeightTwips};
  m_Bar = setup.saved != nullptr ? m_Form->LoadControl<MirelMenuBar20>(placement, *setup.saved)
                                 : m_Form->AddControl<MirelMenuBar20>(placement);
  if (setup.endUpdate) {
    m_Bar->EndUpdate();
    Desktop().DoEvents();
  }
  return *m_Bar;
}

void BarOnForm::DropForm() {
  if (m_Form && m_Form->Loaded()) {
    if (m_Bar && m_Bar->hWnd() != nullptr) m_Bar->HideAllMenus();
    m_Form->Unload();
  }
  m_Bar.reset();
  m_Form.reset();
  if (m_hWndBackdrop != nullptr) {
    DestroyWindow(m_hWndBackdrop);
    m_hWndBackdrop = nullptr;
  }
}

std::shared_ptr<cMenu> BarOnForm::AddMenu(const std::string& key, std::optional<std::string> caption, bool enabled) {
  return m_Bar->Menus()->Add({.Key = key, .Caption = caption.value_or("&" + key), .Enabled = enabled});
}

RECT BarOnForm::BarRect() const {
  RECT rect{};
  GetWindowRect(m_Bar->hWnd(), &rect);
  return rect;
}

POINT BarOnForm::CaptionPoint(int iMenu) const {
  const RECT bar = BarRect();
  const tMenuInfo& menu = Record(iMenu);
  return POINT{bar.left + menu.cMCollX + menu.cMWidth / 2, bar.top + Inside(*m_Bar).BarHeight() / 2};
}

}  // namespace mirel_test
