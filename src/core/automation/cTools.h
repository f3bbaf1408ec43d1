// The tools of one band (a band's Tools property): a proxy over the band's tool array, with
// the collection rules of cBands scoped to the band.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "bands/BandRecords.h"
#include "container/AutomationObject.h"
#include "core/automation/ProxyCollection.h"
#include "core/automation/cTool.h"

class ControlBands;

// Arguments of cTools::Add as the automation interface names them. A missing or empty Key
// gets the generated key. Ctrl is the hosted control of a teControl tool. Width is accepted
// and has no effect: tool widths are always measured.
struct ToolAddArgs {
  std::optional<std::string> Key{};
  std::string Caption{};
  std::int16_t CaptionAlignment = tsTop;
  bool Enabled = true;
  bool Grouped = false;
  std::int16_t GroupID = 0;
  std::int16_t Icon = kNoToolIcon;
  std::int16_t IconDisabled = kNoToolIcon;
  std::int16_t IconHover = kNoToolIcon;
  std::int16_t Indent = 0;
  Variant ItemData = Variant(0);
  std::int16_t Style = teButton;
  ObjectRef Ctrl{};
  std::string Tag{};
  bool Toggle = false;
  std::string ToolTipText{};
  std::string HotKey{};
  std::int32_t Width = 0;
};

class cTools : public ProxyCollection<cTool> {
 public:
  cTools(HWND hWndMB, int iBand) : ProxyCollection(hWndMB), m_iBand(iBand) {}
  std::string TypeName() const override { return "cTools"; }

  std::shared_ptr<cTool> Add(const ToolAddArgs& args = {});
  void Clear();
  std::int32_t Count() const;

 private:
  std::shared_ptr<cTool> MakeItem(int position) const override;
  void RemoveAt(int position) override;
  // The control's band operations, this proxy's band checked (error 10).
  ControlBands& Bands() const;
  int Resolve(const Variant& Index) const override;

  int m_iBand;
};
