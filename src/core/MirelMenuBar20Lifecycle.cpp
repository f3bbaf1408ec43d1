// Creation, new-instance initialisation, resizing, painting and termination of the control.
#include "common/HotKeyNameTable.h"
#include "container/Screen.h"
#include "core/MirelMenuBar20.h"
#include "core/MirelMenuBar20Defaults.h"
#include "render/modThemes.h"

namespace {

using namespace MirelMenuBar20Defaults;

}  // namespace

MirelMenuBar20::MirelMenuBar20() {
  m_Menus.SetChangeListener([this](const tMenuTableChange& change) { OnMenuTableChanged(change); });
  m_Popups.OnEmptied = [this] { m_Bands.MenusClosed(); };
  // A host handler threw: nothing it interrupted stays half done.
  m_Sinks.OnHandlerFailed = [this] {
    m_Tracker.CloseAllMenus();
    m_Bands.ClearPressedTools();
    if (GetCapture() != nullptr && (GetCapture() == m_hWndMB || IsChild(m_hWndMB, GetCapture()))) ReleaseCapture();
  };
}

// The pop-ups close as the control goes, with no band left to hear it.
MirelMenuBar20::~MirelMenuBar20() { m_Popups.OnEmptied = nullptr; }

MirelMenuBar20* MirelMenuBar20::FromWindow(HWND hWnd) {
  if (hWnd == nullptr || !IsWindow(hWnd)) return nullptr;
  return static_cast<MirelMenuBar20*>(GetPropA(hWnd, kObjectPtrProp));
}

void MirelMenuBar20::Initialize() {
  m_sngTwipsPerPixelX = ::TwipsPerPixelX();
  m_sngTwipsPerPixelY = ::TwipsPerPixelY();
  InitUnicodeSupport();
  HotKeyNameTable::AddUser();
  // A menu bar never takes the keyboard from the host: keys reach it through the hook.
  SetCanGetFocus(false);
}

void MirelMenuBar20::ApplyDefaults() {
  const std::shared_ptr<StdFont> ambientFont = Ambient().Font();
  m_bApplyCandyEffects = VARIANT_FALSE;
  m_bAutoSelectTheme = VARIANT_FALSE;
  m_lCustomBandHeight = kMinBandHeight;
  m_sLocalMoreColors = kMoreColors;
  m_sLocalPalette = kPalette;
  m_sLocalSystem = kSystem;
  m_eDefaultBandSize = bs16x16;
  m_eDefaultMenuDropSize = bs16x16;
  m_oDefaultCaptionFont = ambientFont;
  m_oDefaultMenuFont = ambientFont;
  m_oDefaultMenuItemFont = ambientFont;
  m_oToolTipFont = ambientFont;
  m_lDefaultMenuItemForeColor = 0;
  m_lDisabledMenuForeColor = kDisabledForeColor;
  m_lDisabledMenuItemForeColor = kDisabledForeColor;
  m_bBandJustification = VARIANT_TRUE;
  m_bEnabled = VARIANT_TRUE;
  m_bHighlightInfrequents = VARIANT_TRUE;
  m_bMenuShadows = VARIANT_TRUE;
  m_iMenuHeaderSpacing = kMenuHeaderSpacing + kMenuHeaderSpacingOffset;
  m_iMenuItemSpacing = kMenuItemSpacing + kMenuItemSpacingOffset;
  m_iToolSpacing = kToolSpacing + kToolSpacingOffset;
  m_eTheme = XPBlue;
  m_bRightToLeft = VARIANT_FALSE;
  m_lToolTipBackColor = kToolTipBackColor;
  m_lToolTipForeColor = 0;
  m_lToolTipBorderColor = 0;
  m_lToolTipPreTime = kToolTipPreTime;
  m_lToolTipPostTime = kToolTipPostTime;
  m_bToolTipShadows = VARIANT_TRUE;
  m_bToolTipWordWrap = VARIANT_FALSE;
  m_lToolTipMaxWidth = kToolTipMaxWidth;
  m_eVisualStyle = tsMS2003;
  m_lBorderColor = kBorderColor;
  m_lDefaultCaptionForeColor = 0;
  m_lDefaultMenuForeColor = 0;
  RebuildBandSizeTable();
}

void MirelMenuBar20::RebuildBandSizeTable() {
  std::copy(kFixedBandSizes.begin(), kFixedBandSizes.end(), m_aBandSizes.begin());
  if (m_lCustomBandHeight < kMinBandHeight) m_lCustomBandHeight = kMinBandHeight;
  m_aBandSizes[bsCustom] = StoreInt16(m_lCustomBandHeight);
}

void MirelMenuBar20::AttachToWindow() {
  m_hWndMB = UserControl::hWnd();
  HWND hWndTop = ContainerHwnd();
  while (GetParent(hWndTop) != nullptr) hWndTop = GetParent(hWndTop);
  m_hWndTop = hWndTop;
  SetPropA(m_hWndMB, kObjectPtrProp, this);
  DetectVisualStyles();
}

void MirelMenuBar20::InitProperties() {
  ApplyDefaults();
  SetBackColor(kBackColor);
  AttachToWindow();
  if (!Ambient().UserMode()) {
    m_bInitialised = true;
    CreateSurfaces();
    m_bRedrawEnabled = true;
    ResizeRoutine();
    EndUpdate();
    return;
  }
  m_ToolTipPreTimer.SetInterval(static_cast<UINT>(kToolTipPreTime));
  m_ToolTipPostTimer.SetInterval(static_cast<UINT>(kToolTipPostTime));
  CreateSurfaces();
  LoadMenuBitmaps();
  StartRunTime();
}

void MirelMenuBar20::CreateSurfaces() {
  m_Face = std::make_unique<cMemDC>();
  m_Face->ChangeSize(ScaleWidth(), ScaleHeight());
}

void MirelMenuBar20::StartRunTime() {
  HWND hWndForm = ContainerHwnd();
  InterceptedWindows windows;
  windows.hWndControl = m_hWndMB;
  windows.hWndForm = hWndForm;
  // An MDI child form is a child window (of the MDI client); GetParent of a top-level form
  // answers its owner, so the style tells the two apart.
  windows.bFormIsMDIChild = (static_cast<DWORD>(GetWindowLongA(hWndForm, GWL_STYLE)) & WS_CHILD) != 0;
  windows.hWndTop = m_hWndTop;
  m_Interception.Start(*this, windows);
  m_Tracker.Start();
  m_bInitialised = true;
}

void MirelMenuBar20::Resize() { ResizeRoutine(); }

void MirelMenuBar20::RaiseReSize() {
  m_Sinks.Raise([](__MirelMenuBar20& sink) { sink.ReSize(); });
}

void MirelMenuBar20::Terminate() { ReleaseEverything(); }

void MirelMenuBar20::ReleaseEverything() {
  m_oDefaultCaptionFont.reset();
  m_oDefaultMenuFont.reset();
  m_oDefaultMenuItemFont.reset();
  m_oToolTipFont.reset();
  m_Interception.Stop();
  if (m_hWndMB != nullptr) RemovePropA(m_hWndMB, kObjectPtrProp);
  for (tImageListSlot& slot : m_aImageLists) slot = tImageListSlot{};
  HideAllMenus();
  m_ToolTips.ResetTips();
  m_Bands.Release();
  m_DropDowns.Clear();
  m_bRedrawEnabled = false;
  m_Menus.Clear();
  HotKeyNameTable::RemoveUser();
  m_Tracker.Stop();
  for (Timer* timer : {&m_ToolTipPreTimer, &m_ToolTipPostTimer, &m_TipDisplayTimer}) timer->SetEnabled(false);
  m_About.Close();
  m_Face.reset();
  m_Artwork.Clear();
  m_bInitialised = false;
}
