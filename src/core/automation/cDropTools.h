// The icons of one drop-down (a drop-down's Tools property): a proxy over the drop-down's icon
// array, with the collection rules of cDropDowns scoped to the drop-down.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/automation/ProxyCollection.h"
#include "core/automation/cDropTool.h"
#include "drop/DropRecords.h"

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

class cDropTools : public ProxyCollection<cDropTool> {
 public:
  cDropTools(HWND hWndMB, int iDropDown) : ProxyCollection(hWndMB), m_iDropDown(iDropDown) {}
  std::string TypeName() const override { return "cDropTools"; }

  std::shared_ptr<cDropTool> Add(const DropToolAddArgs& args = {});
  void Clear();
  std::int32_t Count() const;

 private:
  std::shared_ptr<cDropTool> MakeItem(int position) const override;
  void RemoveAt(int position) override;
  DropDownTable& Table() const;
  int Resolve(const Variant& Index) const override;

  int m_iDropDown;
};
