// MirelMenuBar20: the public menu-bar user control. The object owns the tables of the system
// (the menu table here), the appearance settings, the image-list slots, persistence and the
// event sinks; the bar's tracking and the open pop-ups are parts of its own. Collection
// proxies find it again through the window property "MirelMenuBar20:ObjectPtr" on its
// window. Only what a host uses is public: the properties, methods and events.
#pragma once
#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "common/ImageListSlot.h"
#include "common/MirelMenuBar20Enums.h"
#include "common/PopupStack.h"
#include "container/Timer.h"
#include "container/UserControl.h"
#include "container/Variant.h"
#include "core/AboutBox.h"
#include "core/BarTracker.h"
#include "core/ControlBands.h"
#include "core/ControlDropDowns.h"
#include "core/EventSinkList.h"
#include "core/automation/cBands.h"
#include "core/automation/cDropDowns.h"
#include "core/automation/cMenus.h"
#include "menu/MenuBarLayout.h"
#include "menu/MenuBarPainter.h"
#include "menu/MenuTable.h"
#include "menu/MenuWindowPlacement.h"
#include "platform/IKeyboardHookClient.h"
#include "platform/ISubclass.h"
#include "platform/MessageInterception.h"
#include "render/MUnicodeSupport.h"
#include "render/ToolTipTimer.h"
#include "render/cMemDC.h"
#include "render/frmToolTip.h"
#include "render/styles/ArtworkCache.h"
#include "win32/windows.h"

class MirelMenuBar20 : public UserControl, public ISubclass, public IKeyboardHookClient {
 public:
  MirelMenuBar20();
  ~MirelMenuBar20() override;

  std::string TypeName() const override { return "MirelMenuBar20"; }

  // ---- events ----
  void Connect(__MirelMenuBar20* sink) { m_Sinks.Connect(sink); }
  void Disconnect(__MirelMenuBar20* sink) { m_Sinks.Disconnect(sink); }

  // ---- properties ----
  VARIANT_BOOL ApplyCandyEffects() const { return m_bApplyCandyEffects; }
  void SetApplyCandyEffects(VARIANT_BOOL value);
  VARIANT_BOOL AutoSelectTheme() const { return m_bAutoSelectTheme; }
  void SetAutoSelectTheme(VARIANT_BOOL value);
  std::int32_t CustomBandHeight() const { return m_lCustomBandHeight; }
  void SetCustomBandHeight(std::int32_t value);
  const std::string& LocalMoreColors() const { return m_sLocalMoreColors; }
  void SetLocalMoreColors(std::string value);
  const std::string& LocalPalette() const { return m_sLocalPalette; }
  void SetLocalPalette(std::string value);
  const std::string& LocalSystem() const { return m_sLocalSystem; }
  void SetLocalSystem(std::string value);
  ctsBandSizeConstants DefaultBandSize() const { return m_eDefaultBandSize; }
  void SetDefaultBandSize(ctsBandSizeConstants value);
  ctsMenuDropSizeConstants DefaultMenuDropSize() const { return m_eDefaultMenuDropSize; }
  void SetDefaultMenuDropSize(ctsMenuDropSizeConstants value);
  const std::shared_ptr<StdFont>& DefaultCaptionFont() const { return m_oDefaultCaptionFont; }
  void SetDefaultCaptionFont(std::shared_ptr<StdFont> value);
  const std::shared_ptr<StdFont>& DefaultMenuFont() const { return m_oDefaultMenuFont; }
  void SetDefaultMenuFont(std::shared_ptr<StdFont> value);
  const std::shared_ptr<StdFont>& DefaultMenuItemFont() const { return m_oDefaultMenuItemFont; }
  void SetDefaultMenuItemFont(std::shared_ptr<StdFont> value);
  OLE_COLOR DefaultMenuItemForeColor() const { return m_lDefaultMenuItemForeColor; }
  void SetDefaultMenuItemForeColor(OLE_COLOR value);
  OLE_COLOR DisabledMenuForeColor() const { return m_lDisabledMenuForeColor; }
  void SetDisabledMenuForeColor(OLE_COLOR value);
  OLE_COLOR DisabledMenuItemForeColor() const { return m_lDisabledMenuItemForeColor; }
  void SetDisabledMenuItemForeColor(OLE_COLOR value);
  VARIANT_BOOL BandJustification() const { return m_bBandJustification; }
  void SetBandJustification(VARIANT_BOOL value);
  VARIANT_BOOL Enabled() const { return m_bEnabled; }
  void SetEnabled(VARIANT_BOOL value);
  VARIANT_BOOL HasFocus() const { return m_bHasFocus; }
  HWND hWnd() const { return m_hWndMB; }
  std::string HotKeyConstant(std::int16_t iKey) const;
  void SetHotKeyConstant(std::int16_t iKey, std::string value);
  Variant HotKeyConstants() const;
  void SetHotKeyConstants(const Variant& value);
  VARIANT_BOOL HighlightInfrequents() const { return m_bHighlightInfrequents; }
  void SetHighlightInfrequents(VARIANT_BOOL value);
  // The icon-column width of the last menu shown (24 before any); the let has no effect.
  std::int16_t MenuLeftMargin() const { return m_iMenuLeftMargin; }
  void SetMenuLeftMargin(std::int16_t /*value*/) {}
  VARIANT_BOOL MenuShadows() const { return m_bMenuShadows; }
  void SetMenuShadows(VARIANT_BOOL value);
  std::int16_t MenuHeaderSpacing() const;
  void SetMenuHeaderSpacing(std::int16_t value);
  std::int16_t MenuItemSpacing() const;
  void SetMenuItemSpacing(std::int16_t value);
  ctsThemes Theme() const { return m_eTheme; }
  void SetTheme(ctsThemes value);
  VARIANT_BOOL RightToLeft() const { return m_bRightToLeft; }
  void SetRightToLeft(VARIANT_BOOL value);
  std::int16_t ToolSpacing() const;
  void SetToolSpacing(std::int16_t value);
  OLE_COLOR ToolTipBackColor() const { return m_lToolTipBackColor; }
  void SetToolTipBackColor(OLE_COLOR value);
  OLE_COLOR ToolTipForeColor() const { return m_lToolTipForeColor; }
  void SetToolTipForeColor(OLE_COLOR value);
  OLE_COLOR ToolTipBorderColor() const { return m_lToolTipBorderColor; }
  void SetToolTipBorderColor(OLE_COLOR value);
  std::int32_t ToolTipPreTime() const { return m_lToolTipPreTime; }
  void SetToolTipPreTime(std::int32_t value);
  std::int32_t ToolTipPostTime() const { return m_lToolTipPostTime; }
  void SetToolTipPostTime(std::int32_t value);
  const std::shared_ptr<StdFont>& ToolTipFont() const { return m_oToolTipFont; }
  void SetToolTipFont(std::shared_ptr<StdFont> value);
  VARIANT_BOOL ToolTipShadows() const { return m_bToolTipShadows; }
  void SetToolTipShadows(VARIANT_BOOL value);
  VARIANT_BOOL ToolTipWordWrap() const { return m_bToolTipWordWrap; }
  void SetToolTipWordWrap(VARIANT_BOOL value);
  std::int32_t ToolTipMaxWidth() const { return m_lToolTipMaxWidth; }
  void SetToolTipMaxWidth(std::int32_t value);
  ctsVisualStyleConstants VisualStyle() const { return m_eVisualStyle; }
  void SetVisualStyle(ctsVisualStyleConstants value);
  // A new proxy over the menu table, bound to the control window.
  std::shared_ptr<cMenus> Menus() const;
  // A new proxy over the band table, bound to the control window.
  std::shared_ptr<cBands> Bands() const;
  // A new proxy over the drop-down table, bound to the control window.
  std::shared_ptr<cDropDowns> DropDowns() const;

  // ---- methods ----
  void About();
  void PopUpMenu(const std::string& lMenuKey, float X, float Y);
  void Refresh();
  void HideAllMenus();
  void BeginUpdate();
  void EndUpdate();
  void ClearAll();
  void SetImageList(ctsMBImageListTypeConstants& eSize, Variant& ImageListControl);

 protected:
  // Lifecycle, run by the container.
  void Initialize() override;
  void InitProperties() override;
  void ReadProperties(PropertyBag& bag) override;
  void WriteProperties(PropertyBag& bag) override;
  void Resize() override;
  void Paint() override;
  void Terminate() override;
  void MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void GotFocus() override { m_bHasFocus = VARIANT_TRUE; }
  void LostFocus() override { m_bHasFocus = VARIANT_FALSE; }

 private:
  friend class BarTracker;
  friend class ControlBands;
  friend class MenuProxy;
  friend class MirelMenuBar20Internals;

  // The window property that carries the control's address.
  static constexpr const char* kObjectPtrProp = "MirelMenuBar20:ObjectPtr";
  // Source name of the control's own errors.
  static constexpr const char* kErrorSource = "MirelMenuBar";
  // Internal spacing = visible value + offset.
  static constexpr std::int16_t kMenuHeaderSpacingOffset = 4;
  static constexpr std::int16_t kMenuItemSpacingOffset = 7;
  static constexpr std::int16_t kToolSpacingOffset = 6;
  static constexpr std::int16_t kMenuLeftMargin = 24;
  static constexpr std::int32_t kMinBandHeight = 25;
  static constexpr std::int32_t kMaxToolTipTime = 30000;
  static constexpr std::size_t kBandSizeCount = 6;
  static constexpr std::size_t kImageListSlotCount = 4;
  // ShowToolTip at the pointer.
  static constexpr LONG kMousePosition = -1;

  // What opens a menu window: menu iMenu at the screen twips (X, Y), with the placement
  // rules of its kind; a sub-menu names the window it cascades from. A bar drop that does
  // not fit below the bar opens above it, lBarHeight pixels higher.
  struct tMenuWindowRequest {
    int iMenu = 0;
    float X = 0;
    float Y = 0;
    MenuWindowKind eKind = MenuWindowKind::BarDrop;
    HWND hWndParentMenu = nullptr;
    int lBarHeight = 0;
  };

  // The control whose window is hWnd, or null when the window is gone or carries no property.
  static MirelMenuBar20* FromWindow(HWND hWnd);

  // ISubclass: every watched message is seen before the window's own procedure, whose
  // result stands.
  EMsgResponse MsgResponse() const override { return emrPreprocess; }
  void MsgResponse(EMsgResponse /*eResponse*/) override {}
  LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) override;
  // IKeyboardHookClient
  void HookKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled) override;
  void HookCtrlKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled) override;

  // A let that only stores: keep the value and tell the container under its persisted name.
  template <class T>
  void StoreProperty(T& field, T value, const char* sChangedName) {
    field = std::move(value);
    PropertyChanged(sChangedName);
  }
  void ApplyDefaults();
  void RebuildBandSizeTable();
  void AttachToWindow();
  void StartRunTime();
  void ResizeRoutine();
  void CreateSurfaces();
  // Decodes the bar's and the menu windows' bitmaps once, for the control's life.
  void LoadMenuBitmaps();
  void ReleaseEverything();
  void RaiseReSize();
  // False once the control has been terminated (a host may unload its form inside an event).
  bool Running() const { return m_bInitialised; }
  // Whatever changes the menu table — a host's code, even inside an event — the bar's layout,
  // its indexes and the open menu windows follow.
  void OnMenuTableChanged(const tMenuTableChange& change);
  void FollowOpenMenuWindows(const tMenuTableChange& change);
  // Hot keys: keys count only while the host form is active and the control enabled; the
  // plain hot key of a pressed key fires the first matching item (true when one fired).
  bool TakesKeys() const;
  // The host's top-level window is the active one.
  bool IsHostActive() const;
  bool FireHotKey(std::int16_t iVirtKey);
  // Raises MenuItemClick for item iItem of menu iMenu with their keys.
  void RaiseMenuItemClick(std::int16_t iMenu, std::int16_t iItem);

  // Tool tips for the bar, the menu windows, the bands and the drop panel. ShowToolTip puts
  // the one tip window at screen pixels (x, y) (kMousePosition: at the pointer) and reports
  // whether it is shown (never for an empty text); HideToolTip removes it.
  bool ShowToolTip(const std::string& sText, LONG x, LONG y, bool bKeepZOrder);
  void HideToolTip();

  // Computes the margin width and the window size, places, creates and shows the window
  // without activating it; returns its handle. It joins the open pop-ups when it first paints.
  HWND ShowMenuWindow(const tMenuWindowRequest& request);

  // ---- the bar's face ----
  // Lays out the bar and copies the finished face to the window (only while redraw is enabled).
  void LayoutAndRepaintBar();
  // Lays the bar out and redraws its base image (background and normal captions) into the face.
  void RedrawBarBase();
  // The paint routine: the finished face reaches the window in one block transfer, with the
  // hovered and the pressed caption drawn over it.
  void PaintFace();
  // The same for the bar pixels in `area` only: the rest of the window is left as it is.
  void PaintFace(const RECT& area);
  // Repaints only what captions iFirst and iSecond cover (kNoBarMenu for none): a hover
  // moving from one caption to the next changes nothing else.
  void RefreshCaptions(int iFirst, int iSecond);
  // The face copied to the window as it is (the base image), whole or the pixels in `area`.
  void BlitFace();
  void BlitFace(const RECT& area);
  // The base image back over the captions of `menus` only, taking off their highlights.
  void ClearCaptions(std::initializer_list<int> menus);
  // The face columns the captions of `menus` draw in (empty when none is on the bar).
  RECT CaptionColumns(std::initializer_list<int> menus) const;
  // Paints caption iMenu pressed on the control window (its menu has just dropped).
  void PaintBarCaptionPressed(int iMenu);
  // Height of the caption strip in pixels; 0 without a visible primary menu.
  int BarHeight() const { return m_BarLayout.lBarHeight; }
  // cMCollX + cMWidth of the last caption (its cMCollX right-to-left).
  int BarCaptionsEnd() const { return m_BarLayout.lCaptionsEnd; }
  // The first enabled caption whose hit band holds control pixel (x, y), or kNoBarMenu.
  int BarMenuAt(int x, int y) const;
  // The settings the bar is laid out and painted with.
  tBarLayoutInput BarLayoutInput() const;
  tBarLook BarLook() const;
  styles::eBarCaption PressedCaption() const;
  // The stored VisualStyle and Theme, or the defaults for values outside the known ones.
  ctsVisualStyleConstants DrawnVisualStyle() const;
  ctsThemes DrawnTheme() const;

  // What the band side reads.
  ControlBands& BandData() { return m_Bands; }
  const cMemDC* Face() const { return m_Face.get(); }
  bool RedrawEnabled() const { return m_bRedrawEnabled; }
  std::int16_t ToolSpacingInternal() const { return m_iToolSpacing; }
  std::int16_t BandSize(ctsBandSizeConstants size) const;
  // The height bands take: DefaultBandSize's entry, or bs16x16's for a stored value outside the
  // table (stored unchecked, it must not fail every later layout).
  std::int16_t DefaultBandHeight() const;
  const tImageListSlot& ImageListSlot(ctsMBImageListTypeConstants slot) const;
  // Image-list slot 0..3; the runtime's subscript error (9) outside.
  static std::size_t SlotIndex(std::int32_t slot);

  EventSinkList m_Sinks;
  MenuTable m_Menus;
  ControlBands m_Bands{*this};
  ControlDropDowns m_DropDowns;
  AboutBox m_About;

  VARIANT_BOOL m_bApplyCandyEffects = VARIANT_FALSE;
  VARIANT_BOOL m_bAutoSelectTheme = VARIANT_FALSE;
  std::int32_t m_lCustomBandHeight = kMinBandHeight;
  std::string m_sLocalMoreColors;
  std::string m_sLocalPalette;
  std::string m_sLocalSystem;
  ctsBandSizeConstants m_eDefaultBandSize = bs16x16;
  ctsMenuDropSizeConstants m_eDefaultMenuDropSize = bs16x16;
  std::shared_ptr<StdFont> m_oDefaultCaptionFont;
  std::shared_ptr<StdFont> m_oDefaultMenuFont;
  std::shared_ptr<StdFont> m_oDefaultMenuItemFont;
  std::shared_ptr<StdFont> m_oToolTipFont;
  OLE_COLOR m_lDefaultMenuItemForeColor = 0;
  OLE_COLOR m_lDisabledMenuForeColor = 0;
  OLE_COLOR m_lDisabledMenuItemForeColor = 0;
  VARIANT_BOOL m_bBandJustification = VARIANT_TRUE;
  VARIANT_BOOL m_bEnabled = VARIANT_TRUE;
  VARIANT_BOOL m_bHasFocus = VARIANT_FALSE;
  VARIANT_BOOL m_bHighlightInfrequents = VARIANT_TRUE;
  VARIANT_BOOL m_bMenuShadows = VARIANT_TRUE;
  std::int16_t m_iMenuHeaderSpacing = 0;
  std::int16_t m_iMenuItemSpacing = 0;
  std::int16_t m_iToolSpacing = 0;
  ctsThemes m_eTheme = XPBlue;
  VARIANT_BOOL m_bRightToLeft = VARIANT_FALSE;
  OLE_COLOR m_lToolTipBackColor = 0;
  OLE_COLOR m_lToolTipForeColor = 0;
  OLE_COLOR m_lToolTipBorderColor = 0;
  std::int32_t m_lToolTipPreTime = 0;
  std::int32_t m_lToolTipPostTime = 0;
  VARIANT_BOOL m_bToolTipShadows = VARIANT_TRUE;
  VARIANT_BOOL m_bToolTipWordWrap = VARIANT_FALSE;
  std::int32_t m_lToolTipMaxWidth = 0;
  ctsVisualStyleConstants m_eVisualStyle = tsMS2003;

  // Colours without automation properties (the background is the container-level BackColor).
  OLE_COLOR m_lBorderColor = 0;
  OLE_COLOR m_lDefaultCaptionForeColor = 0;
  OLE_COLOR m_lDefaultMenuForeColor = 0;

  HWND m_hWndMB = nullptr;
  HWND m_hWndTop = nullptr;
  float m_sngTwipsPerPixelX = 0;
  float m_sngTwipsPerPixelY = 0;
  bool m_bRedrawEnabled = false;
  bool m_bInitialised = false;
  bool m_bSettingHeight = false;  // the bar is asking its container for a new height
  std::array<std::int16_t, kBandSizeCount> m_aBandSizes{};
  std::array<tImageListSlot, kImageListSlotCount> m_aImageLists{};
  std::int16_t m_iMenuLeftMargin = kMenuLeftMargin;
  long m_lPaintCount = 0;
  // The off-screen picture of the control's face; exists from initialisation to Terminate.
  std::unique_ptr<cMemDC> m_Face;
  // The resource bitmaps the bar paints from, decoded on first use.
  styles::ArtworkCache m_Artwork;
  tBarLayout m_BarLayout;
  MessageInterception m_Interception;

  Timer m_ToolTipPreTimer;
  Timer m_ToolTipPostTimer;
  Timer m_TipDisplayTimer;
  // After the timers it drives, so that it lets go of them before they go.
  ToolTipTimer m_ToolTips{m_ToolTipPreTimer, m_ToolTipPostTimer, m_TipDisplayTimer,
                          [this](const std::string& sText) {
                            return ShowToolTip(sText, kMousePosition, kMousePosition, false);
                          },
                          [this] { HideToolTip(); }};
  std::unique_ptr<frmToolTip> m_ToolTip;
  BarTracker m_Tracker{*this};
  // Last, so that the open pop-ups close while everything they use is still there.
  PopupStack m_Popups;
};
