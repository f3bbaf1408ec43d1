// The icons of one drop-down (a drop-down's Tools property): a proxy over the drop-down's icon
// array, with the collection rules of cDropDowns scoped to the drop-down.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/automation/cDropTool.h"
#include "drop/DropRecords.h"
#include "core/automation/MenuProxy.h"

class DropDownTable;

// Arguments of cDropTools::Add as the automation interface names them. An empty Key gets the
// generated key; Enabled has no declared default, so an omitted one is False.
struct DropToolAddArgs {
  std::string Key{};
  bool Enabled = false;
  std::int16_t Icon = kNoDropIcon;
  std::int16_t IconDisabled = kNoDropIcon;
  std::int16_t IconHover = kNoDropIcon;
  std::string Tag{};
  std::string ToolTipText{};
};

class cDropTools : public MenuProxy {
 public:
  cDropTools(HWND hWndMB, int iDropDown) : MenuProxy(hWndMB), m_iDropDown(iDropDown) {}
  std::string TypeName() const override { return "cDropTools"; }

  std::shared_ptr<cDropTool> Add(const DropToolAddArgs& args = {});
  void Clear();
  std::int32_t Count() const;
  bool Exists(const Variant& Index) const;
  // Nothing (null) for an unknown key.
  std::shared_ptr<cDropTool> Item(const Variant& Index) const;
  std::shared_ptr<cDropTool> operator()(const Variant& Index) const { return Item(Index); }
  void Remove(const Variant& Index);

 private:
  DropDownTable& Table() const;
  int Resolve(const Variant& Index) const;

  int m_iDropDown;
};
