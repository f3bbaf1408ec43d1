// Property gets and lets of MirelMenuBar20.
#include <utility>

#include "common/ErrorRaiser.h"
#include "common/HotKeyNameTable.h"
#include "common/SpacingValue.h"
#include "container/AutomationError.h"
#include "container/StdFont.h"
#include "core/MirelMenuBar20.h"

void MirelMenuBar20::SetApplyCandyEffects(VARIANT_BOOL value) { StoreProperty(m_bApplyCandyEffects, std::move(value), "ApplyCandyEffects"); }

void MirelMenuBar20::SetAutoSelectTheme(VARIANT_BOOL value) { StoreProperty(m_bAutoSelectTheme, std::move(value), "AutoSelectTheme"); }

void MirelMenuBar20::SetCustomBandHeight(std::int32_t value) {
  const std::int32_t height = value < kMinBandHeight ? kMinBandHeight : value;
  const std::int16_t tableHeight = StoreInt16(height);  // the table is 16-bit: overflow before any change
  const bool changed = height != m_lCustomBandHeight;
  m_lCustomBandHeight = height;
  m_aBandSizes[bsCustom] = tableHeight;
  PropertyChanged("CustomBandHeight");
  if (!changed || m_eDefaultBandSize != bsCustom) return;
  m_Bands.PushBandHeight(m_aBandSizes[bsCustom]);
  if (m_bRedrawEnabled) EndUpdate();
}

void MirelMenuBar20::SetLocalMoreColors(std::string value) { StoreProperty(m_sLocalMoreColors, std::move(value), "CPMoreColors"); }

void MirelMenuBar20::SetLocalPalette(std::string value) { StoreProperty(m_sLocalPalette, std::move(value), "CPPalette"); }

void MirelMenuBar20::SetLocalSystem(std::string value) { StoreProperty(m_sLocalSystem, std::move(value), "CPSystem"); }

void MirelMenuBar20::SetDefaultBandSize(ctsBandSizeConstants value) {
  const bool changed = value != m_eDefaultBandSize;
  m_eDefaultBandSize = value;
  if (value == bsCustom && m_lCustomBandHeight < kMinBandHeight) {
    m_lCustomBandHeight = kMinBandHeight;
    m_aBandSizes[bsCustom] = kMinBandHeight;
  }
  PropertyChanged("DefaultBandSize");
  if (!changed) return;
  if (m_Bands.Count() > 0) m_Bands.PushBandHeight(BandSize(value));
  if (m_bRedrawEnabled) EndUpdate();
}

void MirelMenuBar20::SetDefaultMenuDropSize(ctsMenuDropSizeConstants value) { StoreProperty(m_eDefaultMenuDropSize, std::move(value), "DefaultMenuDropSize"); }

void MirelMenuBar20::SetDefaultCaptionFont(std::shared_ptr<StdFont> value) { StoreProperty(m_oDefaultCaptionFont, std::move(value), "DefaultCaptionFont"); }

void MirelMenuBar20::SetDefaultMenuFont(std::shared_ptr<StdFont> value) { StoreProperty(m_oDefaultMenuFont, std::move(value), "DefaultMenuFont"); }

void MirelMenuBar20::SetDefaultMenuItemFont(std::shared_ptr<StdFont> value) { StoreProperty(m_oDefaultMenuItemFont, std::move(value), "DefaultMenuItemFont"); }

void MirelMenuBar20::SetDefaultMenuItemForeColor(OLE_COLOR value) { StoreProperty(m_lDefaultMenuItemForeColor, std::move(value), "DefaultMenuItemForeColor"); }

void MirelMenuBar20::SetDisabledMenuForeColor(OLE_COLOR value) { StoreProperty(m_lDisabledMenuForeColor, std::move(value), "DisabledMenuForeColor"); }

void MirelMenuBar20::SetDisabledMenuItemForeColor(OLE_COLOR value) { StoreProperty(m_lDisabledMenuItemForeColor, std::move(value), "DisabledMenuItemForeColor"); }

void MirelMenuBar20::SetBandJustification(VARIANT_BOOL value) { StoreProperty(m_bBandJustification, std::move(value), "BandJustification"); }

void MirelMenuBar20::SetEnabled(VARIANT_BOOL value) {
  m_bEnabled = value;
  UserControl::SetEnabled(value != VARIANT_FALSE);
  EnableWindow(m_hWndMB, value != VARIANT_FALSE ? TRUE : FALSE);
  PropertyChanged("Enabled");
  if (Ambient().UserMode()) m_Bands.PushCtrlEnabled(IsTrue(value));
}

std::string MirelMenuBar20::HotKeyConstant(std::int16_t iKey) const { return HotKeyNameTable::Name(iKey); }

void MirelMenuBar20::SetHotKeyConstant(std::int16_t iKey, std::string value) {
  HotKeyNameTable::SetName(iKey, std::move(value));
}

Variant MirelMenuBar20::HotKeyConstants() const { return HotKeyNameTable::AsArray(); }

void MirelMenuBar20::SetHotKeyConstants(const Variant& value) { HotKeyNameTable::AssignArray(value); }

void MirelMenuBar20::SetHighlightInfrequents(VARIANT_BOOL value) { StoreProperty(m_bHighlightInfrequents, std::move(value), "HighlightInfrequents"); }

void MirelMenuBar20::SetMenuShadows(VARIANT_BOOL value) { StoreProperty(m_bMenuShadows, std::move(value), "MenuShadows"); }

std::int16_t MirelMenuBar20::MenuHeaderSpacing() const {
  return SpacingValue::Visible(m_iMenuHeaderSpacing, kMenuHeaderSpacingOffset);
}

void MirelMenuBar20::SetMenuHeaderSpacing(std::int16_t value) {
  m_iMenuHeaderSpacing = SpacingValue::Internal(value, kMenuHeaderSpacingOffset);
  PropertyChanged("MenuHeaderSpacing");
}

std::int16_t MirelMenuBar20::MenuItemSpacing() const {
  return SpacingValue::Visible(m_iMenuItemSpacing, kMenuItemSpacingOffset);
}

void MirelMenuBar20::SetMenuItemSpacing(std::int16_t value) {
  m_iMenuItemSpacing = SpacingValue::Internal(value, kMenuItemSpacingOffset);
  PropertyChanged("MenuItemSpacing");
}

void MirelMenuBar20::SetTheme(ctsThemes value) {
  m_eTheme = value;
  PropertyChanged("Theme");
  // Bands keep the value while updates are held and refresh when they resume.
  m_Bands.PushTheme(DrawnTheme());
  if (!m_bRedrawEnabled) return;
  RedrawBarBase();
  PaintFace();
}

void MirelMenuBar20::SetRightToLeft(VARIANT_BOOL value) {
  m_bRightToLeft = value;
  PropertyChanged("RightToLeft");
  if (!m_bRedrawEnabled) return;
  RedrawBarBase();
  PaintFace();
}

std::int16_t MirelMenuBar20::ToolSpacing() const { return SpacingValue::Visible(m_iToolSpacing, kToolSpacingOffset); }

void MirelMenuBar20::SetToolSpacing(std::int16_t value) {
  m_iToolSpacing = SpacingValue::Internal(value, kToolSpacingOffset);
  PropertyChanged("ToolSpacing");
  if (m_bRedrawEnabled) PaintFace();
}

void MirelMenuBar20::SetToolTipBackColor(OLE_COLOR value) { StoreProperty(m_lToolTipBackColor, std::move(value), "ToolTipBackColor"); }

void MirelMenuBar20::SetToolTipForeColor(OLE_COLOR value) { StoreProperty(m_lToolTipForeColor, std::move(value), "ToolTipForeColor"); }

void MirelMenuBar20::SetToolTipBorderColor(OLE_COLOR value) { StoreProperty(m_lToolTipBorderColor, std::move(value), "ToolTipBorderColor"); }

void MirelMenuBar20::SetToolTipPreTime(std::int32_t value) {
  if (value < 0 || value > kMaxToolTipTime) RaiseError(ErrorCode::InvalidTimerInterval, kErrorSource);
  m_lToolTipPreTime = value;
  m_ToolTipPreTimer.SetInterval(static_cast<UINT>(value));
  PropertyChanged("ToolTipPreTime");
  m_Bands.PushToolTipTimes(m_lToolTipPreTime, m_lToolTipPostTime);
}

void MirelMenuBar20::SetToolTipPostTime(std::int32_t value) {
  if (value < 0 || value > kMaxToolTipTime) RaiseError(ErrorCode::InvalidTimerInterval, kErrorSource);
  m_lToolTipPostTime = value;
  m_ToolTipPostTimer.SetInterval(static_cast<UINT>(value));
  PropertyChanged("ToolTipPostTime");
  m_Bands.PushToolTipTimes(m_lToolTipPreTime, m_lToolTipPostTime);
}

void MirelMenuBar20::SetToolTipFont(std::shared_ptr<StdFont> value) { StoreProperty(m_oToolTipFont, std::move(value), "ToolTipFont"); }

void MirelMenuBar20::SetToolTipShadows(VARIANT_BOOL value) { StoreProperty(m_bToolTipShadows, std::move(value), "ToolTipShadows"); }

void MirelMenuBar20::SetToolTipWordWrap(VARIANT_BOOL value) { StoreProperty(m_bToolTipWordWrap, std::move(value), "ToolTipWordWrap"); }

void MirelMenuBar20::SetToolTipMaxWidth(std::int32_t value) { StoreProperty(m_lToolTipMaxWidth, std::move(value), "ToolTipMaxWidth"); }

void MirelMenuBar20::SetVisualStyle(ctsVisualStyleConstants value) {
  m_eVisualStyle = value;
  PropertyChanged("VisualStyle");
  if (!m_bRedrawEnabled) {
    m_Bands.PushVisualStyle(DrawnVisualStyle());
    return;
  }
  ResizeRoutine();
  m_Bands.PushVisualStyle(DrawnVisualStyle());
  PaintFace();
}

std::shared_ptr<cMenus> MirelMenuBar20::Menus() const { return std::make_shared<cMenus>(m_hWndMB); }

std::shared_ptr<cBands> MirelMenuBar20::Bands() const { return std::make_shared<cBands>(m_hWndMB); }

std::shared_ptr<cDropDowns> MirelMenuBar20::DropDowns() const { return std::make_shared<cDropDowns>(m_hWndMB); }

std::int16_t MirelMenuBar20::DefaultBandHeight() const {
  const bool bKnown = m_eDefaultBandSize >= bs16x16 && m_eDefaultBandSize <= bsCustom;
  return m_aBandSizes[static_cast<size_t>(bKnown ? m_eDefaultBandSize : bs16x16)];
}

std::int16_t MirelMenuBar20::BandSize(ctsBandSizeConstants size) const {
  if (size < bs16x16 || size > bsCustom) RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  return m_aBandSizes[static_cast<size_t>(size)];
}
