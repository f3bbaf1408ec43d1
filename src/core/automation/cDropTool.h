// One icon of a drop-down: a proxy for icon m_iTool of drop-down m_iDropDown. Every call finds
// the control again (error 1 when it has gone) and reads or writes the record in place; a
// number beyond the arrays fails with the runtime's subscript error (9).
#pragma once
#include <cstdint>
#include <string>

#include "drop/DropRecords.h"
#include "core/automation/MenuProxy.h"

class cDropTool : public MenuProxy {
 public:
  cDropTool(HWND hWndMB, int iDropDown, int iTool) : MenuProxy(hWndMB), m_iDropDown(iDropDown), m_iTool(iTool) {}
  std::string TypeName() const override { return "cDropTool"; }

  std::string Caption() const;
  void Caption(const std::string& sCaption);
  std::int16_t CaptionAlignment() const;
  void CaptionAlignment(std::int16_t iAlignment);
  bool Enabled() const;
  void Enabled(bool bValue);
  std::int16_t Icon() const;
  void Icon(std::int16_t iIcon);
  std::int16_t IconDisabled() const;
  void IconDisabled(std::int16_t iIcon);
  std::int16_t IconHover() const;
  void IconHover(std::int16_t iIcon);
  std::int32_t Index() const;
  std::string Key() const;
  std::string Tag() const;
  void Tag(const std::string& sTag);
  std::string ToolTipText() const;
  void ToolTipText(const std::string& sText);
  bool Visible() const;
  void Visible(bool bValue);

 private:
  tDropToolItemInfo& Record() const;

  int m_iDropDown;
  int m_iTool;
};
