#include "core/automation/cBands.h"

#include "common/ErrorRaiser.h"
#include "core/MirelMenuBar20.h"

namespace {
constexpr std::string_view kSource = "cBands";
constexpr std::string_view kKeySuffix = "B";
}  // namespace

std::shared_ptr<cBand> cBands::Add(const BandAddArgs& args) {
  ControlBands& bands = BandData(Control(kSource));
  std::string sKey;
  if (!args.Key) {
    sKey = std::to_string(bands.Count() + 1) + std::string(kKeySuffix);
  } else {
    if (bands.Table().FindBand(*args.Key) != 0) RaiseError(ErrorCode::KeyInUse, kSource);
    if (IsNumericString(*args.Key)) RaiseError(ErrorCode::TypeMismatch, kSource);
    sKey = *args.Key;
  }
  const std::int16_t position =
      bands.AddBand(std::move(sKey), args.lLineIndex, args.lLinePosition, args.lWidth, args.bEnabled, args.bVisible);
  return std::make_shared<cBand>(m_hWndMB, position);
}

void cBands::Clear() { BandData(Control(kSource)).Clear(); }

std::int32_t cBands::Count() const { return BandData(Control(kSource)).Count(); }

std::shared_ptr<cBand> cBands::MakeItem(int position) const { return std::make_shared<cBand>(m_hWndMB, position); }

void cBands::RemoveAt(int position) { BandData(Control(kSource)).RemoveBand(position); }

int cBands::Resolve(const Variant& Index) const {
  const BandTable& table = BandData(Control(kSource)).Table();
  return ResolveIndex(Index, table.Count(), [&table](const std::string& sKey) { return table.FindBand(sKey); });
}
