// The band surfaces' notifications turned into the control's public events (each naming the
// band by its position and key) and into their effects on the menu bar; the tool tips of
// tools; keyboard activation of tools; drop-downs opened from tools.
#include <optional>
#include <string>
#include <utility>

#include "container/Variant.h"
#include "core/ControlBands.h"
#include "core/MirelMenuBar20.h"
#include "core/MirelMenuBar20Events.h"
#include "menu/HotKeys.h"
#include "menu/Mnemonic.h"

namespace {

constexpr std::int16_t kNoOldTool = -1;
const char* const kNoOldToolKey = "NONE";
// What ErrorMessage reports for a drop-down answer that names nothing: the object lookup's
// error, with the answer and the tool.
constexpr std::int16_t kLookupError = 10;

}  // namespace

std::optional<ControlBands::tBandName> ControlBands::NameOf(const MirelReBar& band) const {
  const int p = m_Table.FindBandIndex(band.Index());
  if (p == 0) return std::nullopt;
  return tBandName{static_cast<std::int16_t>(p), m_Table.Band(p).cBIKey};
}

void ControlBands::ChevronMouse(const MirelReBar& band, bool bUp, const tBandMouse& mouse, float lLeft, float lBottom) {
  const auto name = NameOf(band);
  if (!name) return;
  const std::int16_t iBand = name->iBand;
  const std::string& sBand = name->sBand;
  m_Control.m_Sinks.Raise([&](__MirelMenuBar20& sink) {
    if (bUp) {
      sink.DisplayMoreToolsMouseUp(iBand, sBand, mouse.Button, mouse.Shift, mouse.X, mouse.Y, lLeft, lBottom);
    } else {
      sink.DisplayMoreToolsMouseDown(iBand, sBand, mouse.Button, mouse.Shift, mouse.X, mouse.Y, lLeft, lBottom);
    }
  });
}

void ControlBands::ToolMouse(const MirelReBar& band, eToolMouse what, int t, const tBandMouse& mouse) {
  const auto name = NameOf(band);
  if (!name) return;
  const std::int16_t iBand = name->iBand;
  const std::string& sBand = name->sBand;
  const auto iTool = static_cast<std::int16_t>(t);
  const std::string sTool = band.Tool(t).cTIKey;
  m_Control.m_Sinks.Raise([&](__MirelMenuBar20& sink) {
    switch (what) {
      case eToolMouse::Down:
        sink.ToolButtonMouseDown(iBand, sBand, iTool, sTool, mouse.Button, mouse.Shift, mouse.X, mouse.Y);
        break;
      case eToolMouse::Move:
        sink.ToolButtonMouseMove(iBand, sBand, iTool, sTool, mouse.Button, mouse.Shift, mouse.X, mouse.Y);
        break;
      case eToolMouse::Up:
        sink.ToolButtonMouseUp(iBand, sBand, iTool, sTool, mouse.Button, mouse.Shift, mouse.X, mouse.Y);
        break;
    }
  });
}

void ControlBands::ToolClick(const MirelReBar& band, int t) {
  const auto name = NameOf(band);
  if (!name) return;
  const std::int16_t iBand = name->iBand;
  const std::string& sBand = name->sBand;
  const std::string sTool = band.Tool(t).cTIKey;
  m_Control.m_Sinks.Raise(
      [&](__MirelMenuBar20& sink) { sink.ToolButtonClick(iBand, sBand, static_cast<std::int16_t>(t), sTool); });
}

void ControlBands::ToolGroupChange(const MirelReBar& band, int t, int iOldTool, std::int16_t iGroupID) {
  const auto name = NameOf(band);
  if (!name) return;
  const std::int16_t iBand = name->iBand;
  const std::string& sBand = name->sBand;
  const std::string sTool = band.Tool(t).cTIKey;
  const bool bOld = iOldTool > 0;
  const auto iOld = bOld ? static_cast<std::int16_t>(iOldTool) : kNoOldTool;
  const std::string sOld = bOld ? band.Tool(iOldTool).cTIKey : kNoOldToolKey;
  m_Control.m_Sinks.Raise([&](__MirelMenuBar20& sink) {
    sink.ToolButtonGroupIDChange(iBand, sBand, static_cast<std::int16_t>(t), sTool, iOld, sOld, iGroupID);
  });
}

void ControlBands::ToolToggleChange(const MirelReBar& band, int t, bool bState) {
  const auto name = NameOf(band);
  if (!name) return;
  const std::int16_t iBand = name->iBand;
  const std::string& sBand = name->sBand;
  const std::string sTool = band.Tool(t).cTIKey;
  m_Control.m_Sinks.Raise([&](__MirelMenuBar20& sink) {
    sink.ToolButtonToggleStateChange(iBand, sBand, static_cast<std::int16_t>(t), sTool, ToVariantBool(bState));
  });
}

void ControlBands::ToolStateChanged(const MirelReBar& band, int t, bool bState) {
  const int p = m_Table.FindBandIndex(band.Index());
  if (p == 0 || t > m_Table.Band(p).cBIToolCount) return;
  m_Table.Tool(p, t).cTIState = ToVariantBool(bState);
}

void ControlBands::BandPressed(const MirelReBar& /*band*/) { m_Control.m_Tracker.BandPressed(); }

void ControlBands::BandMouseMoved(const MirelReBar& /*band*/) { m_Control.m_Tracker.BandMouseMoved(); }

// The bar's tip timers give way to the band's.
void ControlBands::BandTrackingStarted(const MirelReBar& /*band*/) { m_Control.m_ToolTips.ResetTips(); }

bool ControlBands::ShowToolTip(const std::string& sText) {
  return m_Control.ShowToolTip(sText, MirelMenuBar20::kMousePosition, MirelMenuBar20::kMousePosition, false);
}

bool ControlBands::ShowDropToolTip(const std::string& sText) {
  return m_Control.ShowToolTip(sText, MirelMenuBar20::kMousePosition, MirelMenuBar20::kMousePosition, true);
}

void ControlBands::HideToolTip() { m_Control.HideToolTip(); }

void ControlBands::AltToolClick(int p, int t) {
  if (p < 1 || p > m_Table.Count()) return;
  MirelReBar& surface = Surface(p);
  const auto hold = EnterDispatch();
  surface.AltToolClick(t);
}

std::optional<tToolPlace> ControlBands::FindToolHotKey(std::int16_t iVirtKey) const {
  for (int p = 1; p <= m_Table.Count(); ++p) {
    for (int t = 1; t <= m_Table.Band(p).cBIToolCount; ++t) {
      const tToolItemInfo& tool = m_Table.Tool(p, t);
      if (!tool.cTIHotKey.empty() && IsTrue(tool.cTIEnabled) && IsTrue(tool.cTIVisible) &&
          HotKeys::MatchesPlainKey(tool.cTIHotKey, iVirtKey)) {
        return tToolPlace{p, t};
      }
    }
  }
  return std::nullopt;
}

bool ControlBands::ClickToolByMnemonic(std::int16_t iVirtKey) {
  for (int p = 1; p <= m_Table.Count(); ++p) {
    for (int t = 1; t <= m_Table.Band(p).cBIToolCount; ++t) {
      const tToolItemInfo& tool = m_Table.Tool(p, t);
      if (IsTrue(tool.cTIEnabled) && IsTrue(tool.cTIVisible) && Mnemonic::MnemonicKey(tool.cTICaption) == iVirtKey) {
        AltToolClick(p, t);
        return true;
      }
    }
  }
  return false;
}

void ControlBands::ClearPressedTools() {
  for (auto& [index, surface] : m_Surfaces) {
    tBandToolState& state = surface->State();
    if (state.iPressedTool == kNoTool && state.iPressedAgainTool == kNoTool) continue;
    state.iPressedTool = state.iPressedAgainTool = kNoTool;
    surface->Paint();
  }
}

// ---- drop-downs ----

// Asks the host which drop-down (or, for a menu tool, which menu) the tool opens; the answer
// is a position (1..count) or a key. A colour tool opens its colour picker whatever the answer.
bool ControlBands::OpenDropDown(MirelReBar& band, int t) {
  const auto name = NameOf(band);
  if (!name) return false;
  const std::int16_t iBand = name->iBand;
  const std::string& sBand = name->sBand;
  const auto iTool = static_cast<std::int16_t>(t);
  const tToolItemInfo tool = band.Tool(t);
  Variant answer;
  m_Control.m_Sinks.Raise(
      [&](__MirelMenuBar20& sink) { sink.DropDownActivate(iBand, sBand, iTool, tool.cTIKey, answer); });
  if (band.Retired() || !m_Control.Running() || t > band.ToolCount()) return false;
  switch (tool.cTIStyle) {
    case teMenuDropDown:
      return OpenMenuDrop(band, t, answer);
    case teColorDropDown:
      return OpenColorPanel(band, t);
    case teIconDropDown:
      return OpenIconPanel(band, t, answer);
    default:
      return false;
  }
}

template <class FindKey>
int ControlBands::ResolveDropAnswer(const Variant& answer, int count, FindKey findKey) {
  if (answer.IsEmpty()) return 0;
  if (!IsNumeric(answer)) return findKey(CStr(answer));
  const double number = CDbl(answer);
  return number >= 1 && number <= count ? static_cast<int>(number) : 0;
}

void ControlBands::ReportUnresolvedDrop(const Variant& answer, std::int16_t iTool, const std::string& sToolKey) {
  m_Control.m_Sinks.Raise([&](__MirelMenuBar20& sink) {
    sink.ErrorMessage(kLookupError, answer, Variant::Integer(iTool), Variant(sToolKey));
  });
}

bool ControlBands::OpenMenuDrop(MirelReBar& band, int t, const Variant& answer) {
  const auto iTool = static_cast<std::int16_t>(t);
  const tToolItemInfo tool = band.Tool(t);
  const MenuTable& menus = m_Control.m_Menus;
  const int iMenu =
      ResolveDropAnswer(answer, menus.Count(), [&](const std::string& sKey) { return menus.FindMenu(sKey); });
  if (iMenu == 0) {
    ReportUnresolvedDrop(answer, iTool, tool.cTIKey);
    return false;
  }
  CloseDropPanels();
  // Below the tool, its left edge on the band's bottom edge.
  POINT below{tool.cTILeft, band.Height()};
  ClientToScreen(band.hWnd(), &below);
  m_Control.PopUpMenu(menus.Menu(iMenu).cMKey, static_cast<float>(below.x) * m_Control.m_sngTwipsPerPixelX,
                      static_cast<float>(below.y) * m_Control.m_sngTwipsPerPixelY);
  if (band.Retired() || m_Control.m_Popups.Empty()) return false;
  m_MenuDrop = tMenuDrop{band.Index(), t};
  const auto name = NameOf(band);
  if (!name) return false;
  const std::int16_t iBand = name->iBand;
  const std::string& sBand = name->sBand;
  m_Control.m_Sinks.Raise([&](__MirelMenuBar20& sink) { sink.OnDropDown(iBand, sBand, iTool, tool.cTIKey); });
  return true;
}

bool ControlBands::OpenIconPanel(MirelReBar& band, int t, const Variant& answer) {
  const ControlDropDowns& dropDowns = m_Control.m_DropDowns;
  const int n = ResolveDropAnswer(answer, dropDowns.Count(),
                                  [&](const std::string& sKey) { return dropDowns.Table().FindDropDown(sKey); });
  if (n == 0) {
    ReportUnresolvedDrop(answer, static_cast<std::int16_t>(t), band.Tool(t).cTIKey);
    return false;
  }
  tDropPanelSetup setup;
  setup.iKind = dpkIconGrid;
  setup.DropDown = dropDowns.Record(n);
  setup.Icons = dropDowns.ImageList(n);
  setup.cell = DropPanelLayout::IconCellSize(setup.DropDown.cDIIconSizeX, setup.DropDown.cDIIconSizeY);
  setup.size = DropPanelLayout::IconGridPanelSize(std::max<int>(0, setup.DropDown.cDIColumns),
                                                  std::max<int>(0, setup.DropDown.cDIRows), setup.cell);
  return ShowDropPanel(band, t, std::move(setup));
}

void ControlBands::CloseDropDown(MirelReBar& band) {
  if (m_MenuDrop.iIndex == band.Index()) m_Control.HideAllMenus();
  if (MirelDrop* drop = DropHost(band.Index())) drop->subHidePanel();
}

void ControlBands::MenusClosed() {
  const tMenuDrop drop = std::exchange(m_MenuDrop, tMenuDrop{});
  const auto it = m_Surfaces.find(drop.iIndex);
  if (drop.iIndex == 0 || it == m_Surfaces.end()) return;
  MirelReBar& band = *it->second;
  const auto hold = EnterDispatch();
  // Another drop-down of the band may be opening already.
  if (band.State().iOpenDropTool == drop.t) band.DropDownClosed();
  const auto name = NameOf(band);
  if (!name || drop.t > band.ToolCount()) return;
  const std::int16_t iBand = name->iBand;
  const std::string& sBand = name->sBand;
  const std::string sTool = band.Tool(drop.t).cTIKey;
  m_Control.m_Sinks.Raise(
      [&](__MirelMenuBar20& sink) { sink.OnDropClose(iBand, sBand, static_cast<std::int16_t>(drop.t), sTool); });
}
