// The collection of the control's drop-downs (the control's DropDowns property): a proxy over
// the control's drop-down table.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/automation/ProxyCollection.h"
#include "core/automation/cDropDown.h"

// Arguments of cDropDowns::Add as the automation interface names them; all may be omitted. An
// omitted Key gets the generated key; oImageList is an image-list object or a 32-bit
// image-list handle, and a drop-down is made only with a list that has images.
struct DropDownAddArgs {
  Variant Key = Variant::Missing();
  std::int16_t iRows = 0;
  std::int16_t iColumns = 0;
  Variant oImageList = Variant::Missing();
};

class cDropDowns : public ProxyCollection<cDropDown> {
 public:
  explicit cDropDowns(HWND hWndMB) : ProxyCollection(hWndMB) {}
  std::string TypeName() const override { return "cDropDowns"; }

  // Nothing (null) when no drop-down was made.
  std::shared_ptr<cDropDown> Add(const DropDownAddArgs& args = {});
  void Clear();
  std::int32_t Count() const;

 private:
  std::shared_ptr<cDropDown> MakeItem(int position) const override;
  void RemoveAt(int position) override;
  int Resolve(const Variant& Index) const override;
};
