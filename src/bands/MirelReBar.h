// MirelReBar: the surface of one band, a child window of the control carrying the window
// property "MirelReBar:ObjectPtr". It keeps a mirror of its band's tool records, to which its
// tool pass adds the geometry (cTILeft, cTIWidth) and user input the pressed states; the
// control keeps the authoritative records and hands every change over. It paints its band
// into an off-screen surface and copies that to its window in one transfer.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "bands/BandInteraction.h"
#include "bands/BandRecords.h"
#include "bands/BandToolState.h"
#include "bands/IBandOwner.h"
#include "bands/ToolLayout.h"
#include "render/cMemDC.h"
#include "render/modThemes.h"
#include "render/styles/ArtworkCache.h"
#include "win32/windows.h"

class MirelReBar {
 public:
  static constexpr const char* kObjectPtrProp = "MirelReBar:ObjectPtr";
  static constexpr const char* kClassName = "MirelReBar";

  // A hidden band surface number iIndex inside hWndParent (the control window).
  MirelReBar(HWND hWndParent, std::int16_t iIndex);
  ~MirelReBar();
  MirelReBar(const MirelReBar&) = delete;
  MirelReBar& operator=(const MirelReBar&) = delete;

  // The surface behind a band window, or null.
  static MirelReBar* FromWindow(HWND hWnd);

  // Hands the surface its owner: the settings and fonts it draws with.
  void fInit(IBandOwner& owner);

  std::int16_t Index() const { return m_iIndex; }
  HWND hWnd() const { return m_hWnd; }

  // ---- the mirror of the band's tools (positions 1..ToolCount) ----
  void AddToolItem(const tToolItemInfo& record);
  void UpdateToolItemInfo(int index, const tToolItemInfo& record);
  // Removes entry index, later entries moving down; a hosted window goes back to its parent.
  void RemoveToolItem(int index);
  void ClearTools();
  int ToolCount() const { return static_cast<int>(m_Tools.size()) - 1; }
  const tToolItemInfo& Tool(int index) const;
  std::int32_t GetToolLeft(int index) const { return Tool(index).cTILeft; }
  bool GetToolState(int index) const { return IsTrue(Tool(index).cTIState); }
  // Sets the mirror's cTIState of tool index (user input and the owner's record agree on it).
  void SetToolState(int index, bool bState);
  std::int32_t GetToolWidth(int index) const { return Tool(index).cTIWidth; }
  // A hosted control window now living in the band.
  void AddControlHandle(HWND hWndControl);

  // Re-measures the tools and repaints; while updates are held, once they resume.
  void Refresh();
  // Paints from the last tool pass (state changes need no new measure).
  void Paint();
  // Paints only the columns of the given tools (positions; others are skipped).
  void PaintTools(std::initializer_list<int> tools);
  // Holds updates: refreshes asked for meanwhile wait for EndUpdate or ResumeUpdate.
  void BeginUpdate() { m_bUpdatesHeld = true; }
  // Resumes updates and refreshes.
  void EndUpdate();
  // Resumes updates, refreshing only when a refresh was asked for while they were held.
  void ResumeUpdate();

  // ---- properties ----
  bool Enabled() const { return m_bEnabled; }
  void SetEnabled(bool bEnabled);
  bool CtrlEnabled() const { return m_bCtrlEnabled; }
  void SetCtrlEnabled(bool bEnabled) { m_bCtrlEnabled = bEnabled; }
  ctsThemes Theme() const { return m_eTheme; }
  void SetTheme(ctsThemes eTheme) { m_eTheme = eTheme; }
  ctsVisualStyleConstants VisualStyle() const { return m_eVisualStyle; }
  void SetVisualStyle(ctsVisualStyleConstants eStyle) { m_eVisualStyle = eStyle; }
  // The internal spacing S.
  std::int16_t ToolSpacing() const { return m_iToolSpacing; }
  void SetToolSpacing(std::int16_t iSpacing) { m_iToolSpacing = iSpacing; }
  bool DisplayCaptions() const { return m_bDisplayCaptions; }
  void SetDisplayCaptions(bool bDisplay);
  bool DisplayMoreTools() const { return m_bDisplayMoreTools; }
  void SetDisplayMoreTools(bool bDisplay);
  bool Transparent() const { return m_bTransparent; }
  void SetTransparent(bool bTransparent);
  const std::string& LocalSystem() const { return m_sLocalSystem; }
  void SetLocalSystem(std::string sText) { m_sLocalSystem = std::move(sText); }
  const std::string& LocalPalette() const { return m_sLocalPalette; }
  void SetLocalPalette(std::string sText) { m_sLocalPalette = std::move(sText); }
  const std::string& LocalMoreColors() const { return m_sLocalMoreColors; }
  void SetLocalMoreColors(std::string sText) { m_sLocalMoreColors = std::move(sText); }
  std::int32_t fToolTipPreTimer() const { return m_lToolTipPreTime; }
  void SetfToolTipPreTimer(std::int32_t lTime);
  std::int32_t fToolTipPostTimer() const { return m_lToolTipPostTime; }
  void SetfToolTipPostTimer(std::int32_t lTime);
  // The band height in pixels; the surface takes it as its own height.
  std::int16_t BandHeight() const { return m_iBandHeight; }
  void SetBandHeight(std::int16_t iHeight);

  // ---- geometry in the control's client pixels ----
  LONG Left() const;
  LONG Top() const;
  LONG Width() const;
  LONG Height() const;
  void Move(LONG left, LONG top);
  void SetWidth(LONG width);
  bool Visible() const;
  void SetVisible(bool bVisible);

  // ---- interaction ----
  // Keyboard activation of tool index, as a click would (toggles and groups change state).
  void AltToolClick(int index) { m_Input.AltToolClick(index); }
  // The band's open drop-down closed.
  void DropDownClosed() { m_Input.DropDownClosed(); }
  BandInteraction& Input() { return m_Input; }
  // Taken out of the owner's bands while its own code still runs: hidden, input ignored, and
  // destroyed by the owner once that code has returned.
  void Retire();
  bool Retired() const { return m_bRetired; }

  // ---- what painting shows ----
  tBandToolState& State() { return m_State; }
  const tBandToolState& State() const { return m_State; }
  // The last tool pass: what each tool shows and where the tools stop fitting.
  const tToolPass& Pass() const { return m_Pass; }
  // The off-screen picture of the band.
  HDC SurfaceDC() const { return m_Surface.hdc(); }

 private:
  static LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint();
  LRESULT OnSize();
  LRESULT OnMouse(UINT iMsg, WPARAM wParam, LPARAM lParam);
  tToolItemInfo& MirrorEntry(int index);
  tToolPassMetrics Metrics() const;
  void PlaceHostedControls();
  // Gives a hosted window back to the parent it had before it joined the band.
  static void ReleaseHostedControl(const tToolItemInfo& tool);
  // Paints the band into the surface, within the surface's clip.
  void PaintSurface();
  void CopyToWindow(const RECT& rc);
  RECT WindowRectInParent() const;

  HWND m_hWnd = nullptr;
  std::int16_t m_iIndex = 0;
  IBandOwner* m_pOwner = nullptr;
  std::vector<tToolItemInfo> m_Tools{1};
  std::vector<HWND> m_HostedControls;
  tToolPass m_Pass;
  tBandToolState m_State;
  cMemDC m_Surface;
  styles::ArtworkCache m_Artwork;
  BandInteraction m_Input{*this};

  bool m_bRetired = false;
  bool m_bUpdatesHeld = false;
  bool m_bRefreshPending = false;
  bool m_bEnabled = true;
  bool m_bCtrlEnabled = true;
  ctsThemes m_eTheme = XPBlue;
  ctsVisualStyleConstants m_eVisualStyle = tsMS2003;
  std::int16_t m_iToolSpacing = 0;
  bool m_bDisplayCaptions = false;
  bool m_bDisplayMoreTools = true;
  bool m_bTransparent = false;
  std::string m_sLocalSystem;
  std::string m_sLocalPalette;
  std::string m_sLocalMoreColors;
  std::int32_t m_lToolTipPreTime = 0;
  std::int32_t m_lToolTipPostTime = 0;
  std::int16_t m_iBandHeight = 0;
};
