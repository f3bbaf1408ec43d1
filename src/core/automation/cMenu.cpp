#include "core/automation/cMenu.h"

#include "common/ErrorRaiser.h"
#include "core/MirelMenuBar20.h"

namespace {
constexpr std::string_view kSource = "cMenu";
constexpr std::string_view kLetSource = "MirelMenuBar";
constexpr int kFirstIndex = 1;
}  // namespace

const tMenuInfo& cMenu::Record() const { return MenuData(Control(kSource)).Menu(m_iIndex); }

template <class Field>
void cMenu::Let(Field tMenuInfo::*field, Field value, AfterLet after) {
  MirelMenuBar20& control = Control(kSource);
  MenuTable& table = MenuData(control);
  if (m_iIndex < kFirstIndex || m_iIndex > table.Count()) RaiseError(ErrorCode::HeaderMissing, kLetSource);
  table.Menu(m_iIndex).*field = std::move(value);
  if (after == AfterLet::Repaint) RepaintBar(control);
}

void cMenu::LetBool(VARIANT_BOOL tMenuInfo::*field, bool bValue, AfterLet after) {
  Let(field, ToVariantBool(bValue), after);
}

std::string cMenu::Caption() const { return Record().cMCaption; }
void cMenu::Caption(const std::string& sCaption) { Let(&tMenuInfo::cMCaption, sCaption, AfterLet::Repaint); }

bool cMenu::DisplayInfrequents() const { return Record().cMDisplayInfrequents != VARIANT_FALSE; }
void cMenu::DisplayInfrequents(bool bValue) { LetBool(&tMenuInfo::cMDisplayInfrequents, bValue, AfterLet::Store); }

bool cMenu::DisplayInfrequentState() const { return Record().cMDisplayInfrequentState != VARIANT_FALSE; }
void cMenu::DisplayInfrequentState(bool bValue) {
  LetBool(&tMenuInfo::cMDisplayInfrequentState, bValue, AfterLet::Store);
}

bool cMenu::Enabled() const { return Record().cMEnabled != VARIANT_FALSE; }
void cMenu::Enabled(bool bValue) { LetBool(&tMenuInfo::cMEnabled, bValue, AfterLet::Repaint); }

OLE_COLOR cMenu::ForeColor() const { return Record().cMForeColor; }
void cMenu::ForeColor(OLE_COLOR lColor) { Let(&tMenuInfo::cMForeColor, lColor, AfterLet::Repaint); }

bool cMenu::FontBold() const { return Record().cMFontBold != VARIANT_FALSE; }
void cMenu::FontBold(bool bValue) { LetBool(&tMenuInfo::cMFontBold, bValue, AfterLet::Repaint); }

bool cMenu::FontItalic() const { return Record().cMFontItalic != VARIANT_FALSE; }
void cMenu::FontItalic(bool bValue) { LetBool(&tMenuInfo::cMFontItalic, bValue, AfterLet::Repaint); }

bool cMenu::FontStrikeThrough() const { return Record().cMFontStrikeThrough != VARIANT_FALSE; }
void cMenu::FontStrikeThrough(bool bValue) { LetBool(&tMenuInfo::cMFontStrikeThrough, bValue, AfterLet::Repaint); }

bool cMenu::FontUnderline() const { return Record().cMFontUnderline != VARIANT_FALSE; }
void cMenu::FontUnderline(bool bValue) { LetBool(&tMenuInfo::cMFontUnderline, bValue, AfterLet::Repaint); }

OLE_COLOR cMenu::HoverForeColor() const { return Record().cMHoverForeColor; }
void cMenu::HoverForeColor(OLE_COLOR lColor) { Let(&tMenuInfo::cMHoverForeColor, lColor, AfterLet::Store); }

std::int16_t cMenu::Icon() const { return Record().cMIconIndex; }
void cMenu::Icon(std::int16_t iIcon) { Let(&tMenuInfo::cMIconIndex, iIcon, AfterLet::Repaint); }

std::int16_t cMenu::IconDisabled() const { return Record().cMIconDisabledIndex; }
void cMenu::IconDisabled(std::int16_t iIcon) { Let(&tMenuInfo::cMIconDisabledIndex, iIcon, AfterLet::Repaint); }

std::int16_t cMenu::IconHover() const { return Record().cMIconHoverIndex; }
void cMenu::IconHover(std::int16_t iIcon) { Let(&tMenuInfo::cMIconHoverIndex, iIcon, AfterLet::Repaint); }

Variant cMenu::ItemData() const { return Record().cMItemData; }
void cMenu::ItemData(const Variant& vData) { Let(&tMenuInfo::cMItemData, vData, AfterLet::Store); }

std::string cMenu::Key() const { return Record().cMKey; }
void cMenu::Key(const std::string& sKey) { Let(&tMenuInfo::cMKey, sKey, AfterLet::Store); }

std::int16_t cMenu::Style() const { return Record().cMStyle; }
void cMenu::Style(std::int16_t iStyle) { Let(&tMenuInfo::cMStyle, iStyle, AfterLet::Store); }

std::string cMenu::Tag() const { return Record().cMTag; }
void cMenu::Tag(const std::string& sTag) { Let(&tMenuInfo::cMTag, sTag, AfterLet::Store); }

bool cMenu::Visible() const { return Record().cMVisible != VARIANT_FALSE; }
void cMenu::Visible(bool bValue) { LetBool(&tMenuInfo::cMVisible, bValue, AfterLet::Repaint); }

std::string cMenu::ToolTipText() const { return Record().cMToolTipText; }
void cMenu::ToolTipText(const std::string& sText) { Let(&tMenuInfo::cMToolTipText, sText, AfterLet::Store); }

std::int32_t cMenu::Width() const { return Record().cMWidth; }

std::shared_ptr<cMenuItems> cMenu::MenuItems() const {
  Control(kSource);
  return std::make_shared<cMenuItems>(m_hWndMB, m_iIndex);
}
