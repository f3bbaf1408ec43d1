// One item of one menu: a proxy for item m_iItem of menu m_iMenu. Gets and lets do not check
// the indexes (beyond the arrays: error 9) and never repaint, because a menu window reads the
// records each time it lays out and paints.
#pragma once
#include <cstdint>
#include <string>

#include "core/automation/MenuProxy.h"
#include "menu/MenuRecords.h"

class cMenuItem : public MenuProxy {
 public:
  cMenuItem(HWND hWndMB, int iMenu, int iItem) : MenuProxy(hWndMB), m_iMenu(iMenu), m_iItem(iItem) {}
  int MenuIndex() const { return m_iMenu; }
  int Index() const { return m_iItem; }
  std::string TypeName() const override { return "cMenuItem"; }

  std::string Caption() const;
  void Caption(const std::string& sCaption);
  bool Checked() const;
  // Checking a grouped item unchecks the other grouped items with its GroupID in every menu.
  void Checked(bool bValue);
  bool Enabled() const;
  void Enabled(bool bValue);
  OLE_COLOR ForeColor() const;
  void ForeColor(OLE_COLOR lColor);
  bool FontBold() const;
  void FontBold(bool bValue);
  bool FontItalic() const;
  void FontItalic(bool bValue);
  bool FontStrikeThrough() const;
  void FontStrikeThrough(bool bValue);
  bool FontUnderline() const;
  void FontUnderline(bool bValue);
  bool Grouped() const;
  void Grouped(bool bValue);
  std::int16_t GroupID() const;
  void GroupID(std::int16_t iGroupID);
  std::string HotKey() const;
  void HotKey(const std::string& sHotKey);
  OLE_COLOR HoverForeColor() const;
  void HoverForeColor(OLE_COLOR lColor);
  // Icon indexes are 32-bit here and stored in 16 bits: values outside raise overflow (6).
  std::int32_t IconIndex() const;
  void IconIndex(std::int32_t lIcon);
  std::int32_t IconDisabledIndex() const;
  void IconDisabledIndex(std::int32_t lIcon);
  std::int32_t IconHoverIndex() const;
  void IconHoverIndex(std::int32_t lIcon);
  std::int16_t Indent() const;
  void Indent(std::int16_t iIndent);
  bool Infrequent() const;
  void Infrequent(bool bValue);
  std::string Key() const;
  std::string SubMenu() const;
  void SubMenu(const std::string& sName);
  std::string Tag() const;
  void Tag(const std::string& sTag);
  std::string ToolTipText() const;
  void ToolTipText(const std::string& sText);
  bool Visible() const;
  void Visible(bool bValue);

 private:
  MenuTable& Table() const;
  const tMenuItemInfo& Record() const;
  tMenuItemInfo& MutableRecord();
  void LetBool(VARIANT_BOOL tMenuItemInfo::*field, bool bValue);

  int m_iMenu;
  int m_iItem;
};
