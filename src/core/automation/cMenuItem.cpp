#include "core/automation/cMenuItem.h"

#include "core/MirelMenuBar20.h"

namespace {
constexpr std::string_view kSource = "cMenuItems";
}  // namespace

MenuTable& cMenuItem::Table() const { return MenuData(Control(kSource)); }

const tMenuItemInfo& cMenuItem::Record() const { return Table().Item(m_iMenu, m_iItem); }

tMenuItemInfo& cMenuItem::MutableRecord() { return Table().Item(m_iMenu, m_iItem); }

void cMenuItem::LetBool(VARIANT_BOOL tMenuItemInfo::*field, bool bValue) {
  MutableRecord().*field = ToVariantBool(bValue);
}

std::string cMenuItem::Caption() const { return Record().cMICaption; }
void cMenuItem::Caption(const std::string& sCaption) { MutableRecord().cMICaption = sCaption; }

bool cMenuItem::Checked() const { return Record().cMIChecked != VARIANT_FALSE; }
void cMenuItem::Checked(bool bValue) {
  MenuTable& table = Table();
  table.Item(m_iMenu, m_iItem).cMIChecked = ToVariantBool(bValue);
  table.ApplyGroupRule(m_iMenu, m_iItem);
}

bool cMenuItem::Enabled() const { return Record().cMIEnabled != VARIANT_FALSE; }
void cMenuItem::Enabled(bool bValue) { LetBool(&tMenuItemInfo::cMIEnabled, bValue); }

OLE_COLOR cMenuItem::ForeColor() const { return Record().cMIForeColor; }
void cMenuItem::ForeColor(OLE_COLOR lColor) { MutableRecord().cMIForeColor = lColor; }

bool cMenuItem::FontBold() const { return Record().cMIFontBold != VARIANT_FALSE; }
void cMenuItem::FontBold(bool bValue) { LetBool(&tMenuItemInfo::cMIFontBold, bValue); }

bool cMenuItem::FontItalic() const { return Record().cMIFontItalic != VARIANT_FALSE; }
void cMenuItem::FontItalic(bool bValue) { LetBool(&tMenuItemInfo::cMIFontItalic, bValue); }

bool cMenuItem::FontStrikeThrough() const { return Record().cMIFontStrikeThrough != VARIANT_FALSE; }
void cMenuItem::FontStrikeThrough(bool bValue) { LetBool(&tMenuItemInfo::cMIFontStrikeThrough, bValue); }

bool cMenuItem::FontUnderline() const { return Record().cMIFontUnderline != VARIANT_FALSE; }
void cMenuItem::FontUnderline(bool bValue) { LetBool(&tMenuItemInfo::cMIFontUnderline, bValue); }

bool cMenuItem::Grouped() const { return Table().Group(m_iMenu, m_iItem).Grouped != VARIANT_FALSE; }
void cMenuItem::Grouped(bool bValue) { Table().Group(m_iMenu, m_iItem).Grouped = ToVariantBool(bValue); }

std::int16_t cMenuItem::GroupID() const { return Table().Group(m_iMenu, m_iItem).GroupID; }
void cMenuItem::GroupID(std::int16_t iGroupID) { Table().Group(m_iMenu, m_iItem).GroupID = iGroupID; }

std::string cMenuItem::HotKey() const { return Record().cMIHotKey; }
void cMenuItem::HotKey(const std::string& sHotKey) { MutableRecord().cMIHotKey = sHotKey; }

OLE_COLOR cMenuItem::HoverForeColor() const { return Record().cMIHoverForeColor; }
void cMenuItem::HoverForeColor(OLE_COLOR lColor) { MutableRecord().cMIHoverForeColor = lColor; }

std::int32_t cMenuItem::IconIndex() const { return Record().cMIIconIndex; }
void cMenuItem::IconIndex(std::int32_t lIcon) { MutableRecord().cMIIconIndex = StoreInt16(lIcon); }

std::int32_t cMenuItem::IconDisabledIndex() const { return Record().cMIIconDisabledIndex; }
void cMenuItem::IconDisabledIndex(std::int32_t lIcon) { MutableRecord().cMIIconDisabledIndex = StoreInt16(lIcon); }

std::int32_t cMenuItem::IconHoverIndex() const { return Record().cMIIconHoverIndex; }
void cMenuItem::IconHoverIndex(std::int32_t lIcon) { MutableRecord().cMIIconHoverIndex = StoreInt16(lIcon); }

std::int16_t cMenuItem::Indent() const { return Record().cMIIndent; }
void cMenuItem::Indent(std::int16_t iIndent) { MutableRecord().cMIIndent = iIndent; }

bool cMenuItem::Infrequent() const { return Record().cMIInfrequent != VARIANT_FALSE; }
void cMenuItem::Infrequent(bool bValue) { LetBool(&tMenuItemInfo::cMIInfrequent, bValue); }

std::string cMenuItem::Key() const { return Record().cMIKey; }

std::string cMenuItem::SubMenu() const { return Record().cMISubMenuName; }
void cMenuItem::SubMenu(const std::string& sName) { MutableRecord().cMISubMenuName = sName; }

std::string cMenuItem::Tag() const { return Record().cMITag; }
void cMenuItem::Tag(const std::string& sTag) { MutableRecord().cMITag = sTag; }

std::string cMenuItem::ToolTipText() const { return Record().cMIToolTipText; }
void cMenuItem::ToolTipText(const std::string& sText) { MutableRecord().cMIToolTipText = sText; }

bool cMenuItem::Visible() const { return Record().cMIVisible != VARIANT_FALSE; }
void cMenuItem::Visible(bool bValue) { LetBool(&tMenuItemInfo::cMIVisible, bValue); }
