#include "core/automation/cTools.h"

#include "common/ErrorRaiser.h"
#include "container/UserControl.h"
#include "core/MirelMenuBar20.h"

namespace {
constexpr std::string_view kSource = "cTools";
constexpr std::string_view kKeySuffix = "T";

// The window of a hosted control; null when the object has none.
HWND HostedWindow(const ObjectRef& ctrl) {
  const auto* control = dynamic_cast<const UserControl*>(ctrl.get());
  return control != nullptr ? control->hWnd() : nullptr;
}

}  // namespace

ControlBands& cTools::Bands() const {
  ControlBands& bands = BandData(Control(kSource));
  CheckPosition(m_iBand, bands.Count(), kSource);
  return bands;
}

std::shared_ptr<cTool> cTools::Add(const ToolAddArgs& args) {
  ControlBands& bands = Bands();
  const tBandInfo& band = bands.Table().Band(m_iBand);
  std::string sKey;
  if (!args.Key || args.Key->empty()) {
    sKey = std::to_string(band.cBIToolCount + 1) + std::string(kKeySuffix);
  } else {
    if (bands.Table().FindTool(m_iBand, *args.Key) != 0) RaiseError(ErrorCode::KeyInUse, kSource);
    if (IsNumericString(*args.Key)) RaiseError(ErrorCode::TypeMismatch, kSource);
    sKey = *args.Key;
  }
  HWND hWndHosted = HostedWindow(args.Ctrl);
  if (args.Style == teControl && hWndHosted == nullptr) return nullptr;

  tToolItemInfo record;
  record.cTICaption = args.Caption;
  record.cTICaptionAlignment = args.CaptionAlignment;
  record.cTIEnabled = ToVariantBool(args.Enabled);
  record.cTIGrouped = ToVariantBool(args.Grouped);
  record.cTIGroupID = args.GroupID;
  record.cTIIconIndex = args.Icon;
  record.cTIIconDisabledIndex = args.IconDisabled;
  record.cTIIconHoverIndex = args.IconHover;
  record.cTIIndent = args.Indent;
  record.cTIItemData = args.ItemData;
  record.cTIKey = std::move(sKey);
  record.cTIStyle = args.Style;
  record.cTITag = args.Tag;
  record.cTIToolTipText = args.ToolTipText;
  record.cTIHotKey = args.HotKey;
  record.cTIToggle = ToVariantBool(args.Toggle);
  record.cTIVisible = VARIANT_TRUE;
  record.cTIState = VARIANT_FALSE;
  const std::int16_t position = bands.AddTool(m_iBand, std::move(record), hWndHosted);
  return std::make_shared<cTool>(m_hWndMB, m_iBand, position);
}

void cTools::Clear() { Bands().ClearTools(m_iBand); }

std::int32_t cTools::Count() const { return Bands().Table().Band(m_iBand).cBIToolCount; }

std::shared_ptr<cTool> cTools::MakeItem(int position) const {
  return std::make_shared<cTool>(m_hWndMB, m_iBand, position);
}

void cTools::RemoveAt(int position) { Bands().RemoveTool(m_iBand, position); }

int cTools::Resolve(const Variant& Index) const {
  const BandTable& table = Bands().Table();
  const int band = m_iBand;
  return ResolveIndex(Index, table.Band(band).cBIToolCount,
                      [&table, band](const std::string& sKey) { return table.FindTool(band, sKey); });
}
