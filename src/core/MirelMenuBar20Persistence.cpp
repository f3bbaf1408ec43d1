// Saving and loading the control's settings through the container's property bag. Loading
// stores each value directly in its field: the lets' checks, notifications and repaints do
// not run.
#include <algorithm>

#include "container/AutomationError.h"
#include "container/StdFont.h"
#include "core/MirelMenuBar20.h"
#include "core/MirelMenuBar20Defaults.h"
#include "render/modThemes.h"

namespace {

using namespace MirelMenuBar20Defaults;

Variant Bool(VARIANT_BOOL value) { return Variant(value != VARIANT_FALSE); }
Variant Colour(OLE_COLOR value) { return Variant::Long(static_cast<std::int32_t>(value)); }
Variant Long(std::int32_t value) { return Variant::Long(value); }
Variant Font(const std::shared_ptr<StdFont>& font) { return Variant(font); }

VARIANT_BOOL ReadBool(const PropertyBag& bag, const char* key, bool byDefault) {
  return CVBool(bag.ReadProperty(key, Variant(byDefault)));
}
OLE_COLOR ReadColour(const PropertyBag& bag, const char* key, OLE_COLOR byDefault) {
  return static_cast<OLE_COLOR>(CLng(bag.ReadProperty(key, Colour(byDefault))));
}
std::int32_t ReadLong(const PropertyBag& bag, const char* key, std::int32_t byDefault) {
  return CLng(bag.ReadProperty(key, Variant::Long(byDefault)));
}
// Tip times load unchecked, as stored; their timers take them within the range a timer has.
UINT TipTimerInterval(std::int32_t lStored) {
  return static_cast<UINT>(std::clamp(lStored, std::int32_t{0}, static_cast<std::int32_t>(Timer::kMaxInterval)));
}
std::string ReadString(const PropertyBag& bag, const char* key, const std::string& byDefault) {
  return CStr(bag.ReadProperty(key, Variant(byDefault)));
}
std::shared_ptr<StdFont> ReadFont(const PropertyBag& bag, const char* key, const std::shared_ptr<StdFont>& byDefault) {
  const Variant value = bag.ReadProperty(key, Font(byDefault));
  std::shared_ptr<StdFont> font = value.ObjectAs<StdFont>();
  // Another kind of object in a font's key cannot be set as a font.
  if (!font && value.Object() != nullptr) RaiseRuntimeError(runtime_error_number::TypeMismatch);
  return font;
}
// A saved spacing value plus its internal offset; overflow (6) when the sum leaves 16 bits.
std::int16_t ReadSpacing(const PropertyBag& bag, const char* key, std::int16_t byDefault, std::int16_t offset) {
  return StoreInt16(static_cast<std::int64_t>(CInt(bag.ReadProperty(key, Variant::Integer(byDefault)))) + offset);
}

}  // namespace

void MirelMenuBar20::WriteProperties(PropertyBag& bag) {
  const std::shared_ptr<StdFont> ambientFont = Ambient().Font();
  bag.WriteProperty("ApplyCandyEffects", Bool(m_bApplyCandyEffects), Variant(false));
  bag.WriteProperty("AutoSelectTheme", Bool(m_bAutoSelectTheme), Variant(false));
  bag.WriteProperty("BackColor", Colour(UserControl::BackColor()), Colour(kBackColor));
  bag.WriteProperty("BorderColor", Colour(m_lBorderColor), Colour(kBorderColor));
  bag.WriteProperty("BandJustification", Bool(m_bBandJustification), Variant(true));
  bag.WriteProperty("DefaultCaptionFont", Font(m_oDefaultCaptionFont), Font(ambientFont));
  bag.WriteProperty("DefaultMenuFont", Font(m_oDefaultMenuFont), Font(ambientFont));
  bag.WriteProperty("DefaultMenuItemFont", Font(m_oDefaultMenuItemFont), Font(ambientFont));
  bag.WriteProperty("DefaultCaptionForeColor", Colour(m_lDefaultCaptionForeColor), Colour(0));
  bag.WriteProperty("DefaultMenuForeColor", Colour(m_lDefaultMenuForeColor), Colour(0));
  bag.WriteProperty("DefaultMenuItemForeColor", Colour(m_lDefaultMenuItemForeColor), Colour(0));
  bag.WriteProperty("CPMoreColors", Variant(m_sLocalMoreColors), Variant(kMoreColors));
  bag.WriteProperty("CPPalette", Variant(m_sLocalPalette), Variant(kPalette));
  bag.WriteProperty("CPSystem", Variant(m_sLocalSystem), Variant(kSystem));
  bag.WriteProperty("CustomBandHeight", Long(m_lCustomBandHeight), Long(0));
  bag.WriteProperty("DefaultBandSize", Long(m_eDefaultBandSize), Long(bs16x16));
  bag.WriteProperty("DefaultMenuDropSize", Long(m_eDefaultMenuDropSize), Long(bs16x16));
  bag.WriteProperty("Enabled", Bool(m_bEnabled), Variant(true));
  bag.WriteProperty("DisabledMenuForeColor", Colour(m_lDisabledMenuForeColor), Colour(kDisabledForeColor));
  bag.WriteProperty("DisabledMenuItemForeColor", Colour(m_lDisabledMenuItemForeColor),
                    Colour(kDisabledForeColor));
  bag.WriteProperty("HighlightInfrequents", Bool(m_bHighlightInfrequents), Variant(true));
  bag.WriteProperty("MenuShadows", Bool(m_bMenuShadows), Variant(true));
  bag.WriteProperty("RightToLeft", Bool(m_bRightToLeft), Variant(false));
  bag.WriteProperty("VisualStyle", Long(m_eVisualStyle), Long(tsMS2003));
  bag.WriteProperty("Theme", Long(m_eTheme), Long(XPBlue));
  bag.WriteProperty("ToolTipPreTime", Long(m_lToolTipPreTime), Long(kToolTipPreTime));
  bag.WriteProperty("ToolTipPostTime", Long(m_lToolTipPostTime), Long(kToolTipPostTime));
  bag.WriteProperty("ToolTipBackColor", Colour(m_lToolTipBackColor), Colour(kToolTipBackColor));
  bag.WriteProperty("ToolTipForeColor", Colour(m_lToolTipForeColor), Colour(0));
  bag.WriteProperty("ToolTipBorderColor", Colour(m_lToolTipBorderColor), Colour(0));
  bag.WriteProperty("ToolTipFont", Font(m_oToolTipFont), Font(ambientFont));
  bag.WriteProperty("ToolTipShadows", Bool(m_bToolTipShadows), Variant(true));
  bag.WriteProperty("ToolTipMaxWidth", Long(m_lToolTipMaxWidth), Long(kToolTipMaxWidth));
  bag.WriteProperty("ToolTipWordWrap", Bool(m_bToolTipWordWrap), Variant(false));
  bag.WriteProperty("ToolSpacing", Variant::Integer(ToolSpacing()), Variant::Integer(kSavedToolSpacing));
  bag.WriteProperty("MenuHeaderSpacing", Variant::Integer(MenuHeaderSpacing()),
                    Variant::Integer(kMenuHeaderSpacing));
  bag.WriteProperty("MenuItemSpacing", Variant::Integer(MenuItemSpacing()),
                    Variant::Integer(kMenuItemSpacing));
}

void MirelMenuBar20::ReadProperties(PropertyBag& bag) {
  AttachToWindow();
  const std::shared_ptr<StdFont> ambientFont = Ambient().Font();
  m_bApplyCandyEffects = ReadBool(bag, "ApplyCandyEffects", false);
  m_iMenuHeaderSpacing =
      ReadSpacing(bag, "MenuHeaderSpacing", kMenuHeaderSpacing, kMenuHeaderSpacingOffset);
  m_iMenuItemSpacing = ReadSpacing(bag, "MenuItemSpacing", kMenuItemSpacing, kMenuItemSpacingOffset);
  m_bAutoSelectTheme = ReadBool(bag, "AutoSelectTheme", false);
  SetBackColor(ReadColour(bag, "BackColor", kBackColor));
  m_lBorderColor = ReadColour(bag, "BorderColor", kBorderColor);
  m_bBandJustification = ReadBool(bag, "BandJustification", true);
  m_oDefaultCaptionFont = ReadFont(bag, "DefaultCaptionFont", ambientFont);
  m_oDefaultMenuFont = ReadFont(bag, "DefaultMenuFont", ambientFont);
  m_oDefaultMenuItemFont = ReadFont(bag, "DefaultMenuItemFont", ambientFont);
  m_lDefaultCaptionForeColor = ReadColour(bag, "DefaultCaptionForeColor", 0);
  m_lDefaultMenuForeColor = ReadColour(bag, "DefaultMenuForeColor", 0);
  m_lDefaultMenuItemForeColor = ReadColour(bag, "DefaultMenuItemForeColor", 0);
  m_sLocalMoreColors = ReadString(bag, "CPMoreColors", kMoreColors);
  m_sLocalPalette = ReadString(bag, "CPPalette", kPalette);
  m_sLocalSystem = ReadString(bag, "CPSystem", kSystem);
  m_lCustomBandHeight = ReadLong(bag, "CustomBandHeight", 0);
  m_eDefaultBandSize = static_cast<ctsBandSizeConstants>(ReadLong(bag, "DefaultBandSize", bs16x16));
  m_eDefaultMenuDropSize = static_cast<ctsMenuDropSizeConstants>(ReadLong(bag, "DefaultMenuDropSize", bs16x16));
  m_bEnabled = ReadBool(bag, "Enabled", true);
  UserControl::SetEnabled(m_bEnabled != VARIANT_FALSE);
  m_lDisabledMenuForeColor = ReadColour(bag, "DisabledMenuForeColor", kDisabledForeColor);
  m_lDisabledMenuItemForeColor = ReadColour(bag, "DisabledMenuItemForeColor", kDisabledForeColor);
  m_bHighlightInfrequents = ReadBool(bag, "HighlightInfrequents", true);
  m_bMenuShadows = ReadBool(bag, "MenuShadows", true);
  m_bRightToLeft = ReadBool(bag, "RightToLeft", false);
  m_lToolTipPreTime = ReadLong(bag, "ToolTipPreTime", kToolTipPreTime);
  m_ToolTipPreTimer.SetInterval(TipTimerInterval(m_lToolTipPreTime));
  m_lToolTipPostTime = ReadLong(bag, "ToolTipPostTime", kToolTipPostTime);
  m_ToolTipPostTimer.SetInterval(TipTimerInterval(m_lToolTipPostTime));
  m_lToolTipBackColor = ReadColour(bag, "ToolTipBackColor", kToolTipBackColor);
  m_lToolTipForeColor = ReadColour(bag, "ToolTipForeColor", 0);
  m_lToolTipBorderColor = ReadColour(bag, "ToolTipBorderColor", 0);
  m_oToolTipFont = ReadFont(bag, "ToolTipFont", ambientFont);
  m_bToolTipShadows = ReadBool(bag, "ToolTipShadows", true);
  m_lToolTipMaxWidth = ReadLong(bag, "ToolTipMaxWidth", kToolTipMaxWidth);
  m_bToolTipWordWrap = ReadBool(bag, "ToolTipWordWrap", false);
  m_iToolSpacing = ReadSpacing(bag, "ToolSpacing", kSavedToolSpacing, kToolSpacingOffset);
  m_eVisualStyle = static_cast<ctsVisualStyleConstants>(ReadLong(bag, "VisualStyle", tsMS2003));
  m_eTheme = static_cast<ctsThemes>(ReadLong(bag, "Theme", XPBlue));
  if (m_bAutoSelectTheme != VARIANT_FALSE) m_eTheme = ThemeFromSystem(m_eTheme, m_hWndMB);
  RebuildBandSizeTable();
  CreateSurfaces();
  LoadMenuBitmaps();
  if (Ambient().UserMode()) {
    StartRunTime();
  } else {
    m_bInitialised = true;
    m_bRedrawEnabled = true;
  }
}
