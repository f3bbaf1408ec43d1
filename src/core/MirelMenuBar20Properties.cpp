// Property gets and lets of MirelMenuBar20.
#include <utility>

#include "container/AutomationError.h"
#include "container/StdFont.h"
#include "core/ErrorRaiser.h"
#include "core/HotKeyNameTable.h"
#include "core/MirelMenuBar20.h"
#include "core/SpacingValue.h"

void MirelMenuBar20::SetApplyCandyEffects(VARIANT_BOOL value) {
  m_bApplyCandyEffects = value;
  PropertyChanged("ApplyCandyEffects");
}

void MirelMenuBar20::SetAutoSelectTheme(VARIANT_BOOL value) {
  m_bAutoSelectTheme = value;
  PropertyChanged("AutoSelectTheme");
}

void MirelMenuBar20::SetCustomBandHeight(std::int32_t value) {
  const std::int32_t height = value < kMinBandHeight ? kMinBandHeight : value;
  const bool changed = height != m_lCustomBandHeight;
  m_lCustomBandHeight = height;
  m_aBandSizes[bsCustom] = StoreInt16(height);
  PropertyChanged("CustomBandHeight");
  if (changed && m_eDefaultBandSize == bsCustom && m_bRedrawEnabled) EndUpdate();
}

void MirelMenuBar20::SetLocalMoreColors(std::string value) {
  m_sLocalMoreColors = std::move(value);
  PropertyChanged("CPMoreColors");
}

void MirelMenuBar20::SetLocalPalette(std::string value) {
  m_sLocalPalette = std::move(value);
  PropertyChanged("CPPalette");
}

void MirelMenuBar20::SetLocalSystem(std::string value) {
  m_sLocalSystem = std::move(value);
  PropertyChanged("CPSystem");
}

void MirelMenuBar20::SetDefaultBandSize(ctsBandSizeConstants value) {
  const bool changed = value != m_eDefaultBandSize;
  m_eDefaultBandSize = value;
  if (value == bsCustom && m_lCustomBandHeight < kMinBandHeight) {
    m_lCustomBandHeight = kMinBandHeight;
    m_aBandSizes[bsCustom] = kMinBandHeight;
  }
  PropertyChanged("DefaultBandSize");
  if (changed && m_bRedrawEnabled) EndUpdate();
}

void MirelMenuBar20::SetDefaultMenuDropSize(ctsMenuDropSizeConstants value) {
  m_eDefaultMenuDropSize = value;
  PropertyChanged("DefaultMenuDropSize");
}

void MirelMenuBar20::SetDefaultCaptionFont(std::shared_ptr<StdFont> value) {
  m_oDefaultCaptionFont = std::move(value);
  PropertyChanged("DefaultCaptionFont");
}

void MirelMenuBar20::SetDefaultMenuFont(std::shared_ptr<StdFont> value) {
  m_oDefaultMenuFont = std::move(value);
  PropertyChanged("DefaultMenuFont");
}

void MirelMenuBar20::SetDefaultMenuItemFont(std::shared_ptr<StdFont> value) {
  m_oDefaultMenuItemFont = std::move(value);
  PropertyChanged("DefaultMenuItemFont");
}

void MirelMenuBar20::SetDefaultMenuItemForeColor(OLE_COLOR value) {
  m_lDefaultMenuItemForeColor = value;
  PropertyChanged("DefaultMenuItemForeColor");
}

void MirelMenuBar20::SetDisabledMenuForeColor(OLE_COLOR value) {
  m_lDisabledMenuForeColor = value;
  PropertyChanged("DisabledMenuForeColor");
}

void MirelMenuBar20::SetDisabledMenuItemForeColor(OLE_COLOR value) {
  m_lDisabledMenuItemForeColor = value;
  PropertyChanged("DisabledMenuItemForeColor");
}

void MirelMenuBar20::SetBandJustification(VARIANT_BOOL value) {
  m_bBandJustification = value;
  PropertyChanged("BandJustification");
}

void MirelMenuBar20::SetEnabled(VARIANT_BOOL value) {
  m_bEnabled = value;
  UserControl::SetEnabled(value != VARIANT_FALSE);
  EnableWindow(m_hWndMB, value != VARIANT_FALSE ? TRUE : FALSE);
  PropertyChanged("Enabled");
}

std::string MirelMenuBar20::HotKeyConstant(std::int16_t iKey) const { return HotKeyNameTable::Name(iKey); }

void MirelMenuBar20::SetHotKeyConstant(std::int16_t iKey, std::string value) {
  HotKeyNameTable::SetName(iKey, std::move(value));
}

Variant MirelMenuBar20::HotKeyConstants() const { return HotKeyNameTable::AsArray(); }

void MirelMenuBar20::SetHotKeyConstants(const Variant& value) { HotKeyNameTable::AssignArray(value); }

void MirelMenuBar20::SetHighlightInfrequents(VARIANT_BOOL value) {
  m_bHighlightInfrequents = value;
  PropertyChanged("HighlightInfrequents");
}

void MirelMenuBar20::SetMenuShadows(VARIANT_BOOL value) {
  m_bMenuShadows = value;
  PropertyChanged("MenuShadows");
}

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

void MirelMenuBar20::SetToolTipBackColor(OLE_COLOR value) {
  m_lToolTipBackColor = value;
  PropertyChanged("ToolTipBackColor");
}

void MirelMenuBar20::SetToolTipForeColor(OLE_COLOR value) {
  m_lToolTipForeColor = value;
  PropertyChanged("ToolTipForeColor");
}

void MirelMenuBar20::SetToolTipBorderColor(OLE_COLOR value) {
  m_lToolTipBorderColor = value;
  PropertyChanged("ToolTipBorderColor");
}

void MirelMenuBar20::SetToolTipPreTime(std::int32_t value) {
  if (value < 0 || value > kMaxToolTipTime) RaiseError(ErrorCode::InvalidTimerInterval, kErrorSource);
  m_lToolTipPreTime = value;
  m_ToolTipPreTimer.SetInterval(static_cast<UINT>(value));
  PropertyChanged("ToolTipPreTime");
}

void MirelMenuBar20::SetToolTipPostTime(std::int32_t value) {
  if (value < 0 || value > kMaxToolTipTime) RaiseError(ErrorCode::InvalidTimerInterval, kErrorSource);
  m_lToolTipPostTime = value;
  m_ToolTipPostTimer.SetInterval(static_cast<UINT>(value));
  PropertyChanged("ToolTipPostTime");
}

void MirelMenuBar20::SetToolTipFont(std::shared_ptr<StdFont> value) {
  m_oToolTipFont = std::move(value);
  PropertyChanged("ToolTipFont");
}

void MirelMenuBar20::SetToolTipShadows(VARIANT_BOOL value) {
  m_bToolTipShadows = value;
  PropertyChanged("ToolTipShadows");
}

void MirelMenuBar20::SetToolTipWordWrap(VARIANT_BOOL value) {
  m_bToolTipWordWrap = value;
  PropertyChanged("ToolTipWordWrap");
}

void MirelMenuBar20::SetToolTipMaxWidth(std::int32_t value) {
  m_lToolTipMaxWidth = value;
  PropertyChanged("ToolTipMaxWidth");
}

void MirelMenuBar20::SetVisualStyle(ctsVisualStyleConstants value) {
  m_eVisualStyle = value;
  PropertyChanged("VisualStyle");
  if (!m_bRedrawEnabled) return;
  ResizeRoutine();
  PaintFace();
}

std::shared_ptr<cMenus> MirelMenuBar20::Menus() const { return std::make_shared<cMenus>(m_hWndMB); }

std::int16_t MirelMenuBar20::BandSize(ctsBandSizeConstants size) const {
  if (size < bs16x16 || size > bsCustom) RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  return m_aBandSizes[static_cast<size_t>(size)];
}
