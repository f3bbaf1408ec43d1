// The drop panels of the bands: each band's drop host, made with its first panel; the colour
// picker or the icon grid opened below its tool; the panels' results raised as the control's
// events with the band's position and key; the colour last picked shown by the tool's colour bar.
#include <algorithm>

#include "core/ControlBands.h"
#include "core/MirelMenuBar20.h"
#include "core/MirelMenuBar20Events.h"

MirelDrop* ControlBands::DropHost(std::int16_t iIndex) const {
  const auto it = m_Drops.find(iIndex);
  return it != m_Drops.end() ? it->second.get() : nullptr;
}

MirelDrop& ControlBands::MakeDropHost(const MirelReBar& band) {
  std::unique_ptr<MirelDrop>& drop = m_Drops[band.Index()];
  if (!drop) drop = std::make_unique<MirelDrop>(m_Control.m_hWndMB, band.Index(), *this, m_Control.m_Popups);
  return *drop;
}

MirelReBar* ControlBands::SurfaceOf(std::int16_t iIndex) const {
  const auto it = m_Surfaces.find(iIndex);
  return it != m_Surfaces.end() ? it->second.get() : nullptr;
}

void ControlBands::CloseDropPanels() {
  const auto hold = EnterDispatch();
  std::vector<std::int16_t> shown;
  for (const auto& [index, drop] : m_Drops) {
    if (drop->Shown()) shown.push_back(index);
  }
  for (const std::int16_t index : shown) {
    if (MirelDrop* drop = DropHost(index)) drop->subHidePanel();
  }
}

bool ControlBands::OpenColorPanel(MirelReBar& band, int t) {
  tDropPanelSetup setup;
  setup.iKind = dpkColorPicker;
  setup.size = DropPanelLayout::ColorPickerSize();
  return ShowDropPanel(band, t, std::move(setup));
}

bool ControlBands::ShowDropPanel(MirelReBar& band, int t, tDropPanelSetup setup) {
  MirelDrop& drop = MakeDropHost(band);
  // A press on the arrow of the tool whose panel shows closes it.
  if (drop.Shown() && drop.ToolIndex() == t) {
    drop.subHidePanel();
    return false;
  }
  if (!m_Control.m_Popups.Empty()) m_Control.HideAllMenus();
  if (band.Retired() || t > band.ToolCount()) return false;
  const tToolItemInfo tool = band.Tool(t);
  const auto name = NameOf(band);
  if (!name) return false;
  const std::int16_t iBand = name->iBand;
  const std::string& sBand = name->sBand;
  setup.iTool = static_cast<std::int16_t>(t);
  setup.sToolKey = tool.cTIKey;
  setup.iBand = iBand;
  setup.screen = PlaceDropPanel(band, tool, setup.size);
  setup.lColor = tool.cTIDisplayColor;
  setup.oFont = m_Control.m_oDefaultMenuItemFont;
  setup.lForeColor = m_Control.m_lDefaultMenuForeColor;
  // The control's texts as they are now, also when the host set them after adding the band.
  setup.sLocalMoreColors = m_Control.LocalMoreColors();
  setup.sLocalPalette = m_Control.LocalPalette();
  setup.sLocalSystem = m_Control.LocalSystem();
  setup.eTheme = band.Theme();
  setup.eStyle = band.VisualStyle();
  setup.lToolTipPreTime = band.fToolTipPreTimer();
  setup.lToolTipPostTime = band.fToolTipPostTimer();
  const auto hold = EnterDispatch();
  drop.subShowPanel(std::move(setup), m_Control.m_hWndTop);
  if (band.Retired() || !drop.Shown()) return false;
  const std::string sTool = tool.cTIKey;
  m_Control.m_Sinks.Raise(
      [&](__MirelMenuBar20& sink) { sink.OnDropDown(iBand, sBand, static_cast<std::int16_t>(t), sTool); });
  return !band.Retired() && drop.Shown();
}

POINT ControlBands::PlaceDropPanel(const MirelReBar& band, const tToolItemInfo& tool, SIZE size) const {
  POINT below{tool.cTILeft, band.Height()};
  ClientToScreen(band.hWnd(), &below);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  POINT at = below;
  if (at.x + size.cx > screenWidth) at.x = screenWidth - size.cx;
  if (at.y + size.cy > screenHeight) at.y = below.y - band.Height() - size.cy;  // above the band
  return POINT{std::max<LONG>(0, at.x), std::max<LONG>(0, at.y)};
}

// ---- the drop hosts' reports ----

// Raises an event of drop's band, naming the band by its position and key; nothing when the
// band is gone.
template <class Raise>
void ControlBands::RaiseDropEvent(const MirelDrop& drop, Raise raise) {
  const MirelReBar* band = SurfaceOf(drop.BandIndex());
  if (band == nullptr) return;
  const auto name = NameOf(*band);
  if (!name) return;
  m_Control.m_Sinks.Raise([&](__MirelMenuBar20& sink) { raise(sink, name->iBand, name->sBand); });
}

void ControlBands::GetPredefinedColorStrings(std::vector<std::string>& sStrings) {
  m_Control.m_Sinks.Raise([&](__MirelMenuBar20& sink) { sink.GetPredefinedColorStrings(sStrings); });
}

std::optional<tToolPlace> ControlBands::ToolOfDrop(const MirelDrop& drop, std::int16_t iTool,
                                                   const std::string& sToolKey) const {
  const MirelReBar* band = SurfaceOf(drop.BandIndex());
  if (band == nullptr) return std::nullopt;
  const int p = m_Table.FindBandIndex(drop.BandIndex());
  if (p == 0) return std::nullopt;
  if (iTool >= 1 && iTool <= band->ToolCount() && band->Tool(iTool).cTIKey == sToolKey) return tToolPlace{p, iTool};
  for (int t = 1; t <= band->ToolCount(); ++t) {
    if (band->Tool(t).cTIKey == sToolKey) return tToolPlace{p, t};
  }
  return std::nullopt;
}

void ControlBands::DropClosed(MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey) {
  MirelReBar* band = SurfaceOf(drop.BandIndex());
  if (band == nullptr) return;
  const auto hold = EnterDispatch();
  // Another drop-down of the band may be opening already.
  if (band->State().iOpenDropTool == iTool) band->DropDownClosed();
  RaiseDropEvent(drop, [&](__MirelMenuBar20& sink, std::int16_t iBand, const std::string& sBand) {
    sink.OnDropClose(iBand, sBand, iTool, sToolKey);
  });
}

void ControlBands::DropColorSelect(MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey, OLE_COLOR lColor) {
  const auto place = ToolOfDrop(drop, iTool, sToolKey);
  if (!place) return;
  const auto hold = EnterDispatch();
  m_Table.Tool(place->p, place->t).cTIDisplayColor = drop.DisplayColor();
  MirelReBar& band = Surface(place->p);
  band.UpdateToolItemInfo(place->t, m_Table.Tool(place->p, place->t));
  band.Paint();
  const auto lColorVal = static_cast<std::int32_t>(lColor);
  RaiseDropEvent(drop, [&](__MirelMenuBar20& sink, std::int16_t iBand, const std::string& sBand) {
    sink.ColorSelect(iBand, sBand, iTool, sToolKey, lColorVal);
  });
}

void ControlBands::DropCustomColor(MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey, bool bClosed) {
  RaiseDropEvent(drop, [&](__MirelMenuBar20& sink, std::int16_t iBand, const std::string& sBand) {
    if (bClosed) {
      sink.OnCustomColorClose(iBand, sBand, iTool, sToolKey);
    } else {
      sink.OnCustomColor(iBand, sBand, iTool, sToolKey);
    }
  });
}

void ControlBands::DropIconClick(MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey, std::int16_t iIcon,
                                 const std::string& sIconKey) {
  RaiseDropEvent(drop, [&](__MirelMenuBar20& sink, std::int16_t iBand, const std::string& sBand) {
    sink.DropIconClick(iBand, sBand, iTool, sToolKey, iIcon, sIconKey);
  });
}

void ControlBands::DropIconMouseMove(MirelDrop& drop, std::int16_t iTool, const std::string& sToolKey,
                                     std::int16_t iIcon, const std::string& sIconKey, std::int16_t Button,
                                     std::int16_t Shift, float X, float Y) {
  RaiseDropEvent(drop, [&](__MirelMenuBar20& sink, std::int16_t iBand, const std::string& sBand) {
    sink.DropIconMouseMove(iBand, sBand, iTool, sToolKey, iIcon, sIconKey, Button, Shift, X, Y);
  });
}
