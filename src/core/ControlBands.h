// The control's side of its bands: the band table, one band surface (MirelReBar) per band
// keyed by its number with its drop host (MirelDrop), the back-end operations the band and
// tool proxies call, the pushes of the control's settings to every band, and the band layout
// pass. It is the owner every band surface reaches through IBandOwner and every drop host
// through IDropOwner.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bands/BandTable.h"
#include "bands/IBandOwner.h"
#include "bands/MirelReBar.h"
#include "drop/IDropOwner.h"
#include "drop/MirelDrop.h"
#include "render/modThemes.h"

class MirelMenuBar20;

// What a band let does after storing its value (the control's band layout runs only while
// updates are enabled).
enum class eBandLetEffect { Store, Refresh, Layout, EnabledThenLayout, VisibleThenLayout, Width };
// What a tool let does after storing its value and handing the record to the surface.
enum class eToolLetEffect { MirrorOnly, Refresh };

// A tool by band position and tool position.
struct tToolPlace {
  int p = 0;
  int t = 0;
};

class ControlBands final : public IBandOwner, public IDropOwner {
 public:
  explicit ControlBands(MirelMenuBar20& control) : m_Control(control) {}
  ~ControlBands() override;
  ControlBands(const ControlBands&) = delete;
  ControlBands& operator=(const ControlBands&) = delete;

  BandTable& Table() { return m_Table; }
  const BandTable& Table() const { return m_Table; }
  std::int16_t Count() const { return m_Table.Count(); }
  // The surface of the band at position p (1..Count); error 9 outside.
  MirelReBar& Surface(int p) const;

  // ---- back-end operations (positions already checked by the caller) ----
  // Adds a band with key sKey (settled by the caller); returns its position.
  std::int16_t AddBand(std::string sKey, std::int16_t iLineIndex, std::int16_t iLinePosition, std::int32_t lWidth,
                       bool bEnabled, bool bVisible);
  void RemoveBand(int p);
  // Removes every band and lays out again.
  void Clear();
  // Destroys every band surface and erases the table, without laying out (the control is
  // clearing or going away).
  void Release();
  // Adds a tool to band p; a hosted control (teControl) moves into the band's window.
  std::int16_t AddTool(int p, tToolItemInfo record, HWND hWndHosted);
  void RemoveTool(int p, int t);
  void ClearTools(int p);
  // The record of band p for a let: error 8 ("MirelMenuBar") when p is no longer a position.
  tBandInfo& BandForLet(int p);
  void AfterBandLet(int p, eBandLetEffect effect);
  // Hands tool t's record to the surface and refreshes (or marks the band dirty while
  // updates are held) when the effect asks for it.
  void AfterToolLet(int p, int t, eToolLetEffect effect);

  // ---- the control's settings pushed to every band ----
  void PushCtrlEnabled(bool bEnabled);
  void PushTheme(ctsThemes eTheme);
  void PushVisualStyle(ctsVisualStyleConstants eStyle);
  void PushToolTipTimes(std::int32_t lPreTime, std::int32_t lPostTime);
  // Every band takes the new height (and re-measures its tools).
  void PushBandHeight(std::int16_t iHeight);
  void BeginUpdate();
  // Bands changed while updates were held take their band settings again and re-measure.
  void EndUpdate();

  // ---- band layout ----
  // Places every band surface on its line below a menu bar of height barTop; returns the
  // height the control needs (barTop when there are no bands).
  int PlaceBands(int barTop, int bandHeight);
  // Transparent bands show the control's face behind them: repaint them after it changed.
  void RefreshTransparentBands();

  // ---- IBandOwner ----
  const StdFont* CaptionFont() const override;
  SIZE ToolIconSize() const override;
  void DrawToolIcon(HDC hdc, std::int16_t index, int x, int y) const override;
  void PaintBehind(HDC hdc, const RECT& rcBand) const override;
  std::shared_ptr<void> EnterDispatch() override;
  int BandCount() const override { return m_Table.Count(); }
  void ChevronMouse(const MirelReBar& band, bool bUp, const tBandMouse& mouse, float lLeft, float lBottom) override;
  void ToolMouse(const MirelReBar& band, eToolMouse what, int t, const tBandMouse& mouse) override;
  void ToolClick(const MirelReBar& band, int t) override;
  void ToolGroupChange(const MirelReBar& band, int t, int iOldTool, std::int16_t iGroupID) override;
  void ToolToggleChange(const MirelReBar& band, int t, bool bState) override;
  void ToolStateChanged(const MirelReBar& band, int t, bool bState) override;
  void BandPressed(const MirelReBar& band) override;
  void BandMouseMoved(const MirelReBar& band) override;
  void BandTrackingStarted(const MirelReBar& band) override;
  void StartBandDrag(MirelReBar& band, POINT grab) override;
  void EndBandDrag(MirelReBar& band) override;
  bool OpenDropDown(MirelReBar& band, int t) override;
  void CloseDropDown(MirelReBar& band) override;
  bool ShowToolTip(const std::string& sText) override;
  void HideToolTip() override;

  // ---- keyboard and menus ----
  // Keyboard activation of tool t of band p.
  void AltToolClick(int p, int t);
  // The first enabled, visible tool whose hot key is the key's own name (no Ctrl held).
  std::optional<tToolPlace> FindToolHotKey(std::int16_t iVirtKey) const;
  // Clicks the first enabled, visible tool whose caption's mnemonic is the key; false if none.
  bool ClickToolByMnemonic(std::int16_t iVirtKey);
  // The menus closed: no tool stays pressed.
  void ClearPressedTools();
  // The menus closed: a menu opened from a tool tells its tool.
  void MenusClosed();

  // ---- drop panels ----
  // A menu opens: every drop panel closes.
  void CloseDropPanels();
  // The drop host of band number iIndex, or null before its first panel.
  MirelDrop* DropHost(std::int16_t iIndex) const;

  // ---- IDropOwner ----
  void GetPredefinedColorStrings(std::vector<std::string>& sStrings) override;
  void DropClosed(MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey) override;
  void DropColorSelect(MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey, OLE_COLOR lColor) override;
  void DropCustomColor(MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey, bool bClosed) override;
  void DropIconClick(MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey, std::int16_t iIcon,
                     const std::string& sIconKey) override;
  void DropIconMouseMove(MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey, std::int16_t iIcon,
                         const std::string& sIconKey, std::int16_t Button, std::int16_t Shift, float X,
                         float Y) override;
  bool ShowDropToolTip(const std::string& sText) override;

 private:
  bool UpdatesEnabled() const;
  void RunLayout();
  // Takes band surface iIndex out of use; destroyed at once, or when the band code running
  // now has returned.
  void Retire(std::int16_t iIndex);
  // The band's position and key, as the public events name it; none for a band taken out.
  struct tBandName {
    std::int16_t iBand;
    std::string sBand;
  };
  std::optional<tBandName> NameOf(const MirelReBar& band) const;
  // The surface of band number iIndex still in use, or null.
  MirelReBar* SurfaceOf(std::int16_t iIndex) const;
  // The element a DropDownActivate answer names: a number in 1..count, or a key findKey knows;
  // 0 for none.
  template <class FindKey>
  static int ResolveDropAnswer(const Variant& answer, int count, FindKey findKey);
  template <class Raise>
  void RaiseDropEvent(const MirelDrop& drop, Raise raise);
  // Reports a DropDownActivate answer that names nothing through ErrorMessage.
  void ReportUnresolvedDrop(const Variant& answer, std::int16_t iTool, const std::string& sToolKey);
  bool OpenMenuDrop(MirelReBar& band, int t, const Variant& answer);
  bool OpenColorPanel(MirelReBar& band, int t);
  // The icon grid of the drop-down the answer names.
  bool OpenIconPanel(MirelReBar& band, int t, const Variant& answer);
  // Shows `setup` (kind, tool and size set) below tool t and raises OnDropDown.
  bool ShowDropPanel(MirelReBar& band, int t, tDropPanelSetup setup);
  // The panel's top-left corner: below the tool, kept on the screen.
  POINT PlaceDropPanel(const MirelReBar& band, const tToolItemInfo& tool, SIZE size) const;
  MirelDrop& MakeDropHost(const MirelReBar& band);
  // Tool t of the drop's band, if it still has key sToolKey there (or elsewhere in the band).
  std::optional<tToolPlace> ToolOfDrop(const MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey) const;
  // One tick of the drag timer.
  void DragStep();

  // The band being dragged and where it was grabbed (band pixels).
  struct tBandDrag {
    std::int16_t iIndex = 0;
    POINT grab{};
    bool bBusy = false;
  };
  // The tool whose menu drop-down is open.
  struct tMenuDrop {
    std::int16_t iIndex = 0;
    int t = 0;
  };

  MirelMenuBar20& m_Control;
  BandTable m_Table;
  // Band surfaces by band number (cBIIndex).
  std::map<std::int16_t, std::unique_ptr<MirelReBar>> m_Surfaces;
  std::vector<std::unique_ptr<MirelReBar>> m_Retired;
  // Drop hosts by band number, made with a band's first panel.
  std::map<std::int16_t, std::unique_ptr<MirelDrop>> m_Drops;
  std::vector<std::unique_ptr<MirelDrop>> m_RetiredDrops;
  int m_iDispatching = 0;
  tBandDrag m_Drag;
  tMenuDrop m_MenuDrop;
};
