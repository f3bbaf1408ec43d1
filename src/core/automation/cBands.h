// The collection of the control's bands (the control's Bands property): a proxy over the
// control's band table.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/automation/ProxyCollection.h"
#include "core/automation/cBand.h"

// Arguments of cBands::Add as the automation interface names them; an omitted Key
// (std::nullopt) gets the generated key, omitted line numbers count as 0.
struct BandAddArgs {
  std::optional<std::string> Key{};
  std::int16_t lLineIndex = 0;
  std::int16_t lLinePosition = 0;
  std::int32_t lWidth = 300;
  bool bEnabled = true;
  bool bVisible = true;
};

class cBands : public ProxyCollection<cBand> {
 public:
  explicit cBands(HWND hWndMB) : ProxyCollection(hWndMB) {}
  std::string TypeName() const override { return "cBands"; }

  std::shared_ptr<cBand> Add(const BandAddArgs& args = {});
  void Clear();
  std::int32_t Count() const;

 private:
  std::shared_ptr<cBand> MakeItem(int position) const override;
  void RemoveAt(int position) override;
  int Resolve(const Variant& Index) const override;
};
