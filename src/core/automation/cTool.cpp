#include "core/automation/cTool.h"

#include "common/ErrorRaiser.h"
#include "core/MirelMenuBar20.h"

namespace {
constexpr std::string_view kSource = "cToolItem";
constexpr std::string_view kLetSource = "MirelMenuBar";
constexpr std::int32_t kNoOffset = 0;
}  // namespace

ControlBands& cTool::Bands() const {
  ControlBands& bands = BandData(Control(kSource));
  CheckPosition(m_iBand, bands.Count(), kSource);
  CheckPosition(m_iTool, bands.Table().Band(m_iBand).cBIToolCount, kSource);
  return bands;
}

const tToolItemInfo& cTool::Record() const { return Bands().Table().Tool(m_iBand, m_iTool); }

template <class Field>
void cTool::Let(Field tToolItemInfo::*field, Field value, eToolLetEffect effect) {
  ControlBands& bands = Bands();
  bands.BandForLet(m_iBand);
  bands.Table().Tool(m_iBand, m_iTool).*field = std::move(value);
  bands.AfterToolLet(m_iBand, m_iTool, effect);
}

void cTool::LetBool(VARIANT_BOOL tToolItemInfo::*field, bool bValue, eToolLetEffect effect) {
  Let(field, ToVariantBool(bValue), effect);
}

std::int16_t cTool::BandIndex() const {
  Bands();
  return static_cast<std::int16_t>(m_iBand);
}

std::string cTool::Caption() const { return Record().cTICaption; }
void cTool::Caption(const std::string& sCaption) {
  Let(&tToolItemInfo::cTICaption, sCaption, eToolLetEffect::Refresh);
}

ctsCaptionAlignmentConstants cTool::CaptionAlignment() const {
  return static_cast<ctsCaptionAlignmentConstants>(Record().cTICaptionAlignment);
}
void cTool::CaptionAlignment(ctsCaptionAlignmentConstants eAlignment) {
  Let(&tToolItemInfo::cTICaptionAlignment, static_cast<std::int16_t>(eAlignment), eToolLetEffect::Refresh);
}

OLE_COLOR cTool::DisplayColor() const { return Record().cTIDisplayColor; }
void cTool::DisplayColor(OLE_COLOR lColor) {
  Let(&tToolItemInfo::cTIDisplayColor, lColor, eToolLetEffect::MirrorOnly);
}

bool cTool::Enabled() const { return IsTrue(Record().cTIEnabled); }
void cTool::Enabled(bool bValue) { LetBool(&tToolItemInfo::cTIEnabled, bValue, eToolLetEffect::Refresh); }

OLE_COLOR cTool::ForeColor() const { return Record().cTIForeColor; }
void cTool::ForeColor(OLE_COLOR lColor) { Let(&tToolItemInfo::cTIForeColor, lColor, eToolLetEffect::Refresh); }

std::string cTool::FontName() const { return Record().cTIFontName; }
void cTool::FontName(const std::string& sName) { Let(&tToolItemInfo::cTIFontName, sName, eToolLetEffect::Refresh); }

bool cTool::FontBold() const { return IsTrue(Record().cTIFontBold); }
void cTool::FontBold(bool bValue) { LetBool(&tToolItemInfo::cTIFontBold, bValue, eToolLetEffect::Refresh); }

bool cTool::FontItalic() const { return IsTrue(Record().cTIFontItalic); }
void cTool::FontItalic(bool bValue) { LetBool(&tToolItemInfo::cTIFontItalic, bValue, eToolLetEffect::Refresh); }

bool cTool::FontStrikeThrough() const { return IsTrue(Record().cTIFontStrikeThrough); }
void cTool::FontStrikeThrough(bool bValue) {
  LetBool(&tToolItemInfo::cTIFontStrikeThrough, bValue, eToolLetEffect::Refresh);
}

bool cTool::FontUnderline() const { return IsTrue(Record().cTIFontUnderline); }
void cTool::FontUnderline(bool bValue) {
  LetBool(&tToolItemInfo::cTIFontUnderline, bValue, eToolLetEffect::Refresh);
}

bool cTool::Grouped() const { return IsTrue(Record().cTIGrouped); }
void cTool::Grouped(bool bValue) { LetBool(&tToolItemInfo::cTIGrouped, bValue, eToolLetEffect::Refresh); }

std::int16_t cTool::GroupID() const { return Record().cTIGroupID; }
void cTool::GroupID(std::int16_t iGroup) { Let(&tToolItemInfo::cTIGroupID, iGroup, eToolLetEffect::Refresh); }

std::int32_t cTool::Height() const { return Record().cTIHeight; }

std::string cTool::HotKey() const { return Record().cTIHotKey; }
void cTool::HotKey(const std::string& sHotKey) {
  Let(&tToolItemInfo::cTIHotKey, sHotKey, eToolLetEffect::MirrorOnly);
}

std::int16_t cTool::Icon() const { return Record().cTIIconIndex; }
void cTool::Icon(std::int16_t iIcon) { Let(&tToolItemInfo::cTIIconIndex, iIcon, eToolLetEffect::Refresh); }

std::int16_t cTool::IconDisabled() const { return Record().cTIIconDisabledIndex; }
void cTool::IconDisabled(std::int16_t iIcon) {
  Let(&tToolItemInfo::cTIIconDisabledIndex, iIcon, eToolLetEffect::Refresh);
}

std::int16_t cTool::IconHover() const { return Record().cTIIconHoverIndex; }
void cTool::IconHover(std::int16_t iIcon) {
  Let(&tToolItemInfo::cTIIconHoverIndex, iIcon, eToolLetEffect::MirrorOnly);
}

std::int32_t cTool::Indent() const { return Record().cTIIndent; }
void cTool::Indent(std::int32_t lIndent) {
  Let(&tToolItemInfo::cTIIndent, StoreInt16(lIndent), eToolLetEffect::Refresh);
}

Variant cTool::ItemData() const { return Record().cTIItemData; }
void cTool::ItemData(const Variant& vData) {
  Let(&tToolItemInfo::cTIItemData, Variant::Long(CLng(vData)), eToolLetEffect::MirrorOnly);
}

std::string cTool::Key() const { return Record().cTIKey; }

std::int32_t cTool::Left() const { return Bands().Surface(m_iBand).GetToolLeft(m_iTool); }

std::int32_t cTool::LeftOffset() const {
  Bands();
  return kNoOffset;
}
void cTool::LeftOffset(std::int32_t /*lOffset*/) { Bands(); }

std::int32_t cTool::TopOffset() const {
  Bands();
  return kNoOffset;
}
void cTool::TopOffset(std::int32_t /*lOffset*/) { Bands(); }

bool cTool::State() const { return Bands().Surface(m_iBand).GetToolState(m_iTool); }
void cTool::State(bool bValue) { LetBool(&tToolItemInfo::cTIState, bValue, eToolLetEffect::Refresh); }

ctsToolStyleConstants cTool::Style() const { return static_cast<ctsToolStyleConstants>(Record().cTIStyle); }
void cTool::Style(std::int16_t iStyle) {
  Bands();
  if (iStyle < teButton || iStyle > kLastToolStyle) RaiseError(ErrorCode::InvalidStyle, kLetSource);
  Let(&tToolItemInfo::cTIStyle, iStyle, eToolLetEffect::Refresh);
}

std::string cTool::Tag() const { return Record().cTITag; }
void cTool::Tag(const std::string& sTag) { Let(&tToolItemInfo::cTITag, sTag, eToolLetEffect::MirrorOnly); }

std::string cTool::Text() const { return Record().cTIText; }
void cTool::Text(const std::string& sText) { Let(&tToolItemInfo::cTIText, sText, eToolLetEffect::Refresh); }

bool cTool::Toggle() const { return IsTrue(Record().cTIToggle); }
void cTool::Toggle(bool bValue) {
  ControlBands& bands = Bands();
  bands.BandForLet(m_iBand);
  tToolItemInfo& tool = bands.Table().Tool(m_iBand, m_iTool);
  tool.cTIToggle = ToVariantBool(bValue);
  if (!bValue) tool.cTIState = VARIANT_FALSE;
  bands.AfterToolLet(m_iBand, m_iTool, eToolLetEffect::Refresh);
}

std::int32_t cTool::Top() const { return Record().cTITop; }

std::string cTool::ToolTipText() const { return Record().cTIToolTipText; }
void cTool::ToolTipText(const std::string& sText) {
  Let(&tToolItemInfo::cTIToolTipText, sText, eToolLetEffect::MirrorOnly);
}

bool cTool::Visible() const { return IsTrue(Record().cTIVisible); }
void cTool::Visible(bool bValue) { LetBool(&tToolItemInfo::cTIVisible, bValue, eToolLetEffect::Refresh); }

std::int32_t cTool::Width() const { return Bands().Surface(m_iBand).GetToolWidth(m_iTool); }
