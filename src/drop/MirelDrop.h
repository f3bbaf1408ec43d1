// MirelDrop: the drop host of one band. It owns the DropPanel, shows it in a pop-up tool
// window of class "Static" below the tool that opened it — without activating it, so the
// host form keeps the focus — as one of the control's open pop-ups, relays what the panel
// reports to its owner, and closes the panel exactly once however it goes (a pick, Esc, a
// press elsewhere, a menu opening, the form losing activation).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/IPopup.h"
#include "common/PopupStack.h"
#include "container/Ole.h"
#include "drop/DropPanel.h"
#include "drop/IDropOwner.h"
#include "win32/windows.h"

class MirelDrop final : public IPopup, private IDropPanelEvents {
 public:
  static constexpr const char* kClassName = "MirelDrop";
  static constexpr const char* kObjectPtrProp = "MirelDrop20:ObjectPtr";

  // A hidden host window inside hWndParent for band number iBandIndex.
  MirelDrop(HWND hWndParent, std::int16_t iBandIndex, IDropOwner& owner, PopupStack& popups);
  ~MirelDrop() override;
  MirelDrop(const MirelDrop&) = delete;
  MirelDrop& operator=(const MirelDrop&) = delete;

  HWND hWnd() const { return m_Host.hWnd; }
  std::int16_t BandIndex() const { return m_iBandIndex; }
  // Whether hWnd belongs to the panel.
  bool IsDropHwnd(HWND hWnd) const { return m_Panel.IsHwnd(hWnd); }
  // The colour last picked (translated), which the tool's colour bar shows.
  OLE_COLOR DisplayColor() const { return m_lDisplayColor; }
  void SetDisplayColor(OLE_COLOR lColor) { m_lDisplayColor = lColor; }
  const DropPanel& Panel() const { return m_Panel; }
  DropPanel& Panel() { return m_Panel; }

  // Shows the panel prepared with `setup` at setup.screen, owned by hWndOwner (the host's
  // top-level window).
  void subShowPanel(tDropPanelSetup setup, HWND hWndOwner);
  // Closes the panel and reports it; nothing when none shows or a close is under way.
  void subHidePanel();
  bool Shown() const { return m_hWndPopup != nullptr; }
  std::int16_t ToolIndex() const { return m_iTool; }

  // IPopup: the colour dialog's change of activation does not close the panel that opened it.
  HWND PopupWindow() const override { return m_hWndPopup; }
  void ClosePopup() override;

 private:
  // IDropPanelEvents
  std::shared_ptr<void> KeepAlive() override { return m_Owner.EnterDispatch(); }
  void ColorChosen(OLE_COLOR lColor) override;
  void IconClicked(int iIcon, const std::string& sIconKey) override;
  void IconMouseMove(int iIcon, const std::string& sIconKey, std::int16_t Button, std::int16_t Shift, float X,
                     float Y) override;
  bool ShowIconTip(const std::string& sText) override { return m_Owner.ShowDropToolTip(sText); }
  void HideIconTip() override { m_Owner.HideToolTip(); }
  void ColorDialogOpened() override;
  void ColorDialogClosed() override;
  void PanelPressed() override;
  void PanelCancelled() override { subHidePanel(); }
  void PredefinedColorStrings(std::vector<std::string>& sStrings) override {
    m_Owner.GetPredefinedColorStrings(sStrings);
  }
  // Keeps the owner form's title bar active while the panel is used.
  void KeepOwnerActive() const;
  static HWND CreateHostWindow(HWND hWndParent);
  // Takes the panel back and destroys the pop-up; false when none shows or a close is under way.
  bool HidePopup();

  // The host window, destroyed after the panel inside it.
  struct tHostWindow {
    HWND hWnd;
    const MirelDrop* pOwner;
    ~tHostWindow();
  };
  tHostWindow m_Host;
  std::int16_t m_iBandIndex = 0;
  IDropOwner& m_Owner;
  PopupStack& m_Popups;
  HWND m_hWndPopup = nullptr;
  HWND m_hWndOwner = nullptr;
  bool m_bClosing = false;
  std::int16_t m_iTool = 0;
  std::string m_sToolKey;
  OLE_COLOR m_lDisplayColor = 0;
  DropPanel m_Panel;
};
