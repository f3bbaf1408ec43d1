// One menu of the control: a proxy for menu m_iIndex of the control's menu table. Gets read
// the record without checking the index (beyond the table: error 9); lets check it first.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/automation/MenuProxy.h"
#include "core/automation/cMenuItems.h"
#include "menu/MenuRecords.h"

class cMenu : public MenuProxy {
 public:
  cMenu(HWND hWndMB, int iIndex) : MenuProxy(hWndMB), m_iIndex(iIndex) {}
  int Index() const { return m_iIndex; }
  std::string TypeName() const override { return "cMenu"; }

  std::string Caption() const;
  void Caption(const std::string& sCaption);
  bool DisplayInfrequents() const;
  void DisplayInfrequents(bool bValue);
  bool DisplayInfrequentState() const;
  void DisplayInfrequentState(bool bValue);
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
  OLE_COLOR HoverForeColor() const;
  void HoverForeColor(OLE_COLOR lColor);
  std::int16_t Icon() const;
  void Icon(std::int16_t iIcon);
  std::int16_t IconDisabled() const;
  void IconDisabled(std::int16_t iIcon);
  std::int16_t IconHover() const;
  void IconHover(std::int16_t iIcon);
  Variant ItemData() const;
  void ItemData(const Variant& vData);
  std::string Key() const;
  void Key(const std::string& sKey);
  std::int16_t Style() const;
  void Style(std::int16_t iStyle);
  std::string Tag() const;
  void Tag(const std::string& sTag);
  bool Visible() const;
  void Visible(bool bValue);
  std::string ToolTipText() const;
  void ToolTipText(const std::string& sText);
  std::int32_t Width() const;
  std::shared_ptr<cMenuItems> MenuItems() const;

 private:
  enum class AfterLet { Store, Repaint };

  const tMenuInfo& Record() const;
  template <class Field>
  void Let(Field tMenuInfo::*field, Field value, AfterLet after);
  void LetBool(VARIANT_BOOL tMenuInfo::*field, bool bValue, AfterLet after);

  int m_iIndex;
};
