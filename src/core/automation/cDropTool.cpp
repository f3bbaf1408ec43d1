#include "core/automation/cDropTool.h"

#include "core/MirelMenuBar20.h"

namespace {
constexpr std::string_view kSource = "cDropToolItem";
}  // namespace

tDropToolItemInfo& cDropTool::Record() const {
  return DropDownData(Control(kSource)).Table().Tool(m_iDropDown, m_iTool);
}

std::string cDropTool::Caption() const { return Record().cDTICaption; }
void cDropTool::Caption(const std::string& sCaption) { Record().cDTICaption = sCaption; }

std::int16_t cDropTool::CaptionAlignment() const { return Record().cDTICaptionAlignment; }
void cDropTool::CaptionAlignment(std::int16_t iAlignment) { Record().cDTICaptionAlignment = iAlignment; }

bool cDropTool::Enabled() const { return IsTrue(Record().cDTIEnabled); }
void cDropTool::Enabled(bool bValue) { Record().cDTIEnabled = ToVariantBool(bValue); }

std::int16_t cDropTool::Icon() const { return Record().cDTIIconIndex; }
void cDropTool::Icon(std::int16_t iIcon) { Record().cDTIIconIndex = iIcon; }

std::int16_t cDropTool::IconDisabled() const { return Record().cDTIIconDisabledIndex; }
void cDropTool::IconDisabled(std::int16_t iIcon) { Record().cDTIIconDisabledIndex = iIcon; }

std::int16_t cDropTool::IconHover() const { return Record().cDTIIconHoverIndex; }
void cDropTool::IconHover(std::int16_t iIcon) { Record().cDTIIconHoverIndex = iIcon; }

std::int32_t cDropTool::Index() const {
  Control(kSource);
  return m_iTool;
}

std::string cDropTool::Key() const { return Record().cDTIKey; }

std::string cDropTool::Tag() const { return Record().cDTITag; }
void cDropTool::Tag(const std::string& sTag) { Record().cDTITag = sTag; }

std::string cDropTool::ToolTipText() const { return Record().cDTIToolTipText; }
void cDropTool::ToolTipText(const std::string& sText) { Record().cDTIToolTipText = sText; }

bool cDropTool::Visible() const { return IsTrue(Record().cDTIVisible); }
void cDropTool::Visible(bool bValue) { Record().cDTIVisible = ToVariantBool(bValue); }
