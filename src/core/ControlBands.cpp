#include "core/ControlBands.h"

#include <algorithm>

#include "common/ErrorRaiser.h"
#include "container/AutomationError.h"
#include "core/MirelMenuBar20.h"
#include "render/modImageList.h"

namespace {

constexpr int kFirstPosition = 1;
constexpr const char* kLetErrorSource = "MirelMenuBar";
// Bands start 3 pixels from the control's left edge and keep 3 pixels between neighbours;
// each line lies one band height plus 1 pixel below the previous one.
constexpr int kBandGap = 3;
constexpr int kLineGap = 1;
constexpr std::int16_t kFirstLine = 1;

}  // namespace

ControlBands::~ControlBands() = default;

bool ControlBands::UpdatesEnabled() const { return m_Control.RedrawEnabled(); }

MirelReBar& ControlBands::Surface(int p) const {
  const auto it = m_Surfaces.find(m_Table.Band(p).cBIIndex);
  if (it == m_Surfaces.end()) RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  return *it->second;
}

std::int16_t ControlBands::AddBand(std::string sKey, std::int16_t iLineIndex, std::int16_t iLinePosition,
                                   std::int32_t lWidth, bool bEnabled, bool bVisible) {
  const std::int16_t iIndex = m_Table.FreeBandIndex();
  auto surface = std::make_unique<MirelReBar>(m_Control.hWnd(), iIndex);

  tBandInfo record;
  record.cBIIndex = iIndex;
  record.cBIEnabled = ToVariantBool(bEnabled);
  record.cBIKey = std::move(sKey);
  record.cBILineIndex = iLineIndex;
  record.cBILinePosition = iLinePosition;
  record.cBIWidth = lWidth;
  record.cBIVisible = ToVariantBool(bVisible);
  const std::int16_t position = m_Table.AddBand(std::move(record));

  MirelReBar& s = *surface;
  m_Surfaces[iIndex] = std::move(surface);
  s.BeginUpdate();
  s.SetEnabled(bEnabled);
  s.SetCtrlEnabled(IsTrue(m_Control.Enabled()));
  s.SetBandHeight(m_Control.DefaultBandHeight());
  s.SetWidth(lWidth);
  s.SetTheme(DrawnTheme(m_Control.Theme()));
  s.SetVisualStyle(DrawnVisualStyle(m_Control.VisualStyle()));
  s.SetfToolTipPreTimer(m_Control.ToolTipPreTime());
  s.SetfToolTipPostTimer(m_Control.ToolTipPostTime());
  s.fInit(*this);
  s.SetLocalSystem(m_Control.LocalSystem());
  s.SetLocalPalette(m_Control.LocalPalette());
  s.SetLocalMoreColors(m_Control.LocalMoreColors());
  s.SetToolSpacing(m_Control.ToolSpacingInternal());
  s.SetDisplayMoreTools(true);
  s.SetVisible(bVisible);
  if (!UpdatesEnabled()) return position;
  s.EndUpdate();
  RunLayout();
  return position;
}

void ControlBands::RemoveBand(int p) {
  if (m_Table.Count() == 0) return;
  const std::int16_t iIndex = m_Table.Band(p).cBIIndex;
  m_Table.RemoveBand(p);
  Retire(iIndex);
  RunLayout();
}

void ControlBands::Clear() {
  Release();
  RunLayout();
}

void ControlBands::Release() {
  m_Table.Clear();
  while (!m_Surfaces.empty()) Retire(m_Surfaces.begin()->first);
}

void ControlBands::Retire(std::int16_t iIndex) {
  const auto it = m_Surfaces.find(iIndex);
  if (it == m_Surfaces.end()) return;
  std::unique_ptr<MirelReBar> surface = std::move(it->second);
  m_Surfaces.erase(it);
  if (m_Drag.iIndex == iIndex) EndBandDrag(*surface);
  if (m_MenuDrop.iIndex == iIndex) m_MenuDrop = tMenuDrop{};
  std::unique_ptr<MirelDrop> drop;
  if (const auto found = m_Drops.find(iIndex); found != m_Drops.end()) {
    drop = std::move(found->second);
    m_Drops.erase(found);
    drop->subHidePanel();
  }
  if (m_iDispatching == 0) return;  // destroyed here
  surface->Retire();
  m_Retired.push_back(std::move(surface));
  if (drop) m_RetiredDrops.push_back(std::move(drop));
}

std::shared_ptr<void> ControlBands::EnterDispatch() {
  ++m_iDispatching;
  return std::shared_ptr<void>(nullptr, [this, keep = m_Control.KeepAlive()](void*) {
    if (--m_iDispatching > 0) return;
    m_RetiredDrops.clear();
    m_Retired.clear();
  });
}

std::int16_t ControlBands::AddTool(int p, tToolItemInfo record, HWND hWndHosted) {
  MirelReBar& surface = Surface(p);
  record.cTIBandIndex = m_Table.Band(p).cBIIndex;
  if (record.cTIStyle == teControl) {
    record.cTIHwnd = HandleToLong(hWndHosted);
    record.cTIParentHwnd = HandleToLong(GetParent(hWndHosted));
    SetParent(hWndHosted, surface.hWnd());
    surface.AddControlHandle(hWndHosted);
    RECT rc{};
    GetWindowRect(hWndHosted, &rc);
    const LONG top = std::max<LONG>(0, (surface.BandHeight() - (rc.bottom - rc.top)) / 2);
    SetWindowPos(hWndHosted, nullptr, 0, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    const StdFont* font = CaptionFont();
    if (font != nullptr) {
      record.cTIFontBold = ToVariantBool(font->Bold());
      record.cTIFontItalic = ToVariantBool(font->Italic());
      record.cTIFontName = font->Name();
      record.cTIFontStrikeThrough = ToVariantBool(font->Strikethrough());
      record.cTIFontUnderline = ToVariantBool(font->Underline());
    }
  }
  const std::int16_t t = m_Table.AddTool(p, record);
  surface.AddToolItem(record);
  // Shown at once while updates are enabled; otherwise the band is measured at EndUpdate.
  if (UpdatesEnabled()) surface.Refresh();
  return t;
}

void ControlBands::RemoveTool(int p, int t) {
  MirelReBar& surface = Surface(p);
  m_Table.RemoveTool(p, t);
  surface.RemoveToolItem(t);
  if (UpdatesEnabled()) surface.Refresh();
}

void ControlBands::ClearTools(int p) {
  MirelReBar& surface = Surface(p);
  m_Table.ClearTools(p);
  surface.ClearTools();
  if (UpdatesEnabled()) surface.Refresh();
}

tBandInfo& ControlBands::BandForLet(int p) {
  if (p < kFirstPosition || p > m_Table.Count()) RaiseError(ErrorCode::HeaderMissing, kLetErrorSource);
  return m_Table.Band(p);
}

void ControlBands::AfterBandLet(int p, eBandLetEffect effect) {
  tBandInfo& band = m_Table.Band(p);
  MirelReBar& surface = Surface(p);
  switch (effect) {
    case eBandLetEffect::Store:
      return;
    case eBandLetEffect::Refresh:
      if (UpdatesEnabled()) surface.Refresh();
      return;
    case eBandLetEffect::Layout:
      RunLayout();
      return;
    case eBandLetEffect::EnabledThenLayout:
      if (!UpdatesEnabled()) return;
      surface.SetEnabled(IsTrue(band.cBIEnabled));
      surface.Refresh();
      RunLayout();
      return;
    case eBandLetEffect::VisibleThenLayout:
      if (!UpdatesEnabled()) return;
      surface.SetVisible(IsTrue(band.cBIVisible));
      RunLayout();
      return;
    case eBandLetEffect::Width:
      surface.SetWidth(band.cBIWidth);
      if (UpdatesEnabled()) {
        surface.Refresh();
        // The bands after it on its line move with its new width.
        RunLayout();
      } else {
        band.cBIToolsDirty = VARIANT_TRUE;
      }
      return;
  }
}

void ControlBands::AfterToolLet(int p, int t, eToolLetEffect effect) {
  MirelReBar& surface = Surface(p);
  surface.UpdateToolItemInfo(t, m_Table.Tool(p, t));
  if (effect == eToolLetEffect::MirrorOnly) return;
  if (UpdatesEnabled()) {
    surface.Refresh();
  } else {
    m_Table.Band(p).cBIToolsDirty = VARIANT_TRUE;
  }
}

void ControlBands::PushCtrlEnabled(bool bEnabled) {
  for (auto& [index, surface] : m_Surfaces) {
    surface->SetCtrlEnabled(bEnabled);
    if (UpdatesEnabled()) surface->Refresh();
  }
}

void ControlBands::PushTheme(ctsThemes eTheme) {
  for (auto& [index, surface] : m_Surfaces) {
    surface->SetTheme(eTheme);
    surface->Refresh();
  }
}

void ControlBands::PushVisualStyle(ctsVisualStyleConstants eStyle) {
  for (auto& [index, surface] : m_Surfaces) {
    surface->SetVisualStyle(eStyle);
    surface->Refresh();
  }
}

void ControlBands::PushToolTipTimes(std::int32_t lPreTime, std::int32_t lPostTime) {
  for (auto& [index, surface] : m_Surfaces) {
    surface->SetfToolTipPreTimer(lPreTime);
    surface->SetfToolTipPostTimer(lPostTime);
  }
}

void ControlBands::PushBandHeight(std::int16_t iHeight) {
  for (auto& [index, surface] : m_Surfaces) surface->SetBandHeight(iHeight);
}

void ControlBands::BeginUpdate() {
  for (auto& [index, surface] : m_Surfaces) surface->BeginUpdate();
}

void ControlBands::EndUpdate() {
  for (int p = kFirstPosition; p <= m_Table.Count(); ++p) {
    tBandInfo& band = m_Table.Band(p);
    MirelReBar& surface = Surface(p);
    surface.SetEnabled(IsTrue(band.cBIEnabled));
    surface.SetVisible(IsTrue(band.cBIVisible));
    if (!IsTrue(band.cBIToolsDirty)) {
      surface.ResumeUpdate();
      continue;
    }
    surface.EndUpdate();
    band.cBIToolsDirty = VARIANT_FALSE;
  }
}

void ControlBands::RunLayout() { m_Control.LayoutAndRepaintBar(); }

int ControlBands::PlaceBands(int barTop, int bandHeight) {
  if (m_Table.Count() == 0) return barTop;
  int maxTop = 0;
  for (int p = kFirstPosition; p <= m_Table.Count(); ++p) {
    const tBandInfo& band = m_Table.Band(p);
    MirelReBar& surface = Surface(p);
    const int top = (surface.Height() + kLineGap) * (band.cBILineIndex - kFirstLine) + barTop + kLineGap;
    int left = kBandGap;
    for (int q = kFirstPosition; q <= m_Table.Count(); ++q) {
      const tBandInfo& other = m_Table.Band(q);
      if (q == p || other.cBILineIndex != band.cBILineIndex || other.cBILinePosition >= band.cBILinePosition) continue;
      left += Surface(q).Width() + kBandGap;
    }
    surface.Move(left, top);
    maxTop = p == kFirstPosition ? top : std::max(maxTop, top);
  }
  return maxTop + bandHeight;
}

void ControlBands::RefreshTransparentBands() {
  for (auto& [index, surface] : m_Surfaces) {
    if (surface->Transparent()) surface->Refresh();
  }
}

const StdFont* ControlBands::CaptionFont() const { return m_Control.DefaultCaptionFont().get(); }

SIZE ControlBands::ToolIconSize() const {
  const tImageListSlot& slot = m_Control.ImageListSlot(imlToolItems);
  if (slot.hImageList == 0) return SIZE{0, 0};
  return SIZE{slot.iImageWidth, slot.iImageHeight};
}

void ControlBands::DrawToolIcon(HDC hdc, std::int16_t index, int x, int y) const {
  const tImageListSlot& slot = m_Control.ImageListSlot(imlToolItems);
  DrawListImage(slot.oImageList, hdc, slot.hImageList, index, x, y, false, false);
}

void ControlBands::PaintBehind(HDC hdc, const RECT& rcBand) const {
  const cMemDC* face = m_Control.Face();
  if (face == nullptr || face->hdc() == nullptr) return;
  BitBlt(hdc, 0, 0, rcBand.right - rcBand.left, rcBand.bottom - rcBand.top, face->hdc(), rcBand.left, rcBand.top,
         SRCCOPY);
}
