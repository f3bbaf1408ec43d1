#include "core/automation/MenuProxy.h"

#include "common/ErrorRaiser.h"
#include "core/MirelMenuBar20.h"
#include "menu/MenuRecords.h"

namespace {
constexpr int kFirstPosition = 1;
constexpr std::string_view kPositionErrorSource = "MirelMenuBar20";
}  // namespace

MirelMenuBar20& MenuProxy::Control(std::string_view sourceName) const {
  MirelMenuBar20* control = MirelMenuBar20::FromWindow(m_hWndMB);
  if (control == nullptr) RaiseError(ErrorCode::ObjectUnloaded, sourceName);
  return *control;
}

MenuTable& MenuProxy::MenuData(MirelMenuBar20& control) { return control.m_Menus; }

ControlBands& MenuProxy::BandData(MirelMenuBar20& control) { return control.m_Bands; }

ControlDropDowns& MenuProxy::DropDownData(MirelMenuBar20& control) { return control.m_DropDowns; }

void MenuProxy::RepaintBar(MirelMenuBar20& control) {
  if (control.m_bRedrawEnabled) control.LayoutAndRepaintBar();
}

int MenuProxy::ResolvePosition(const Variant& vIndex, int iCount) {
  const double position = CDbl(vIndex);
  if (position < kFirstPosition || position > iCount) RaiseError(ErrorCode::HeaderMissing, kPositionErrorSource);
  return CInt(vIndex);
}

void MenuProxy::CheckPosition(int position, int iCount, std::string_view sourceName) {
  if (position < kFirstPosition || position > iCount) RaiseError(ErrorCode::InvalidIndex, sourceName);
}

std::string MenuProxy::NextKey(std::string_view prefix, int iCount) {
  return std::string(prefix) + std::to_string(iCount + 1);
}

std::int16_t MenuProxy::IconOrDefault(std::int16_t icon, std::int16_t normalIcon) {
  return (icon == kNoIcon && normalIcon > 0) ? normalIcon : icon;
}
