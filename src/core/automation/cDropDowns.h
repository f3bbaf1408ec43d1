// The collection of the control's drop-downs (the control's DropDowns property): a proxy over
// the control's drop-down table.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/automation/cDropDown.h"
#include "core/automation/MenuProxy.h"

// Arguments of cDropDowns::Add as the automation interface names them; all may be omitted. An
// omitted Key gets the generated key; oImageList is an image-list object or a 32-bit
// image-list handle, and a drop-down is made only with a list that has images.
struct DropDownAddArgs {
  Variant Key = Variant::Missing();
  std::int16_t iRows = 0;
  std::int16_t iColumns = 0;
  Variant oImageList = Variant::Missing();
};

class cDropDowns : public MenuProxy {
 public:
  explicit cDropDowns(HWND hWndMB) : MenuProxy(hWndMB) {}
  std::string TypeName() const override { return "cDropDowns"; }

  // Nothing (null) when no drop-down was made.
  std::shared_ptr<cDropDown> Add(const DropDownAddArgs& args = {});
  void Clear();
  std::int32_t Count() const;
  bool Exists(const Variant& Index) const;
  // Nothing (null) for an unknown key.
  std::shared_ptr<cDropDown> Item(const Variant& Index) const;
  std::shared_ptr<cDropDown> operator()(const Variant& Index) const { return Item(Index); }
  void Remove(const Variant& Index);

 private:
  int Resolve(const Variant& Index) const;
};
