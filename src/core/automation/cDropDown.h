// One drop-down of the control: a proxy for drop-down m_iDropDown of the control's drop-down
// table. Every call finds the control again (error 1 when it has gone) and checks the number
// (error 10 when it is no longer one).
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/automation/cDropTools.h"
#include "core/automation/MenuProxy.h"

class ControlDropDowns;

class cDropDown : public MenuProxy {
 public:
  cDropDown(HWND hWndMB, int iDropDown) : MenuProxy(hWndMB), m_iDropDown(iDropDown) {}
  std::string TypeName() const override { return "cDropDown"; }

  // Columns of the icon grid; below 1 raises error 13.
  std::int16_t Columns() const;
  void Columns(std::int16_t iColumns);
  // Icon rows shown at a time; below 1 raises error 14.
  std::int16_t Rows() const;
  void Rows(std::int16_t iRows);
  std::string Key() const;
  std::shared_ptr<cDropTools> Tools() const;
  // The number this proxy was made for.
  std::int16_t Index() const;

 private:
  // The control's drop-down operations with this proxy's number checked.
  ControlDropDowns& DropDowns() const;
  const tDropDownItemInfo& Record() const;

  int m_iDropDown;
};
