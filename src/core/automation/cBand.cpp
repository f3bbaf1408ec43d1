#include "core/automation/cBand.h"

#include "common/ErrorRaiser.h"
#include "core/MirelMenuBar20.h"

namespace {
constexpr std::string_view kSource = "cBand";
constexpr std::string_view kLetSource = "MirelMenuBar";
// Line numbers and positions a band may take.
constexpr std::int16_t kMinLine = 0;
constexpr std::int16_t kMaxLine = 16000;
}  // namespace

ControlBands& cBand::Bands() const {
  ControlBands& bands = BandData(Control(kSource));
  CheckPosition(m_iBand, bands.Count(), kSource);
  return bands;
}

const tBandInfo& cBand::Record() const { return Bands().Table().Band(m_iBand); }

MirelReBar& cBand::Surface() const { return Bands().Surface(m_iBand); }

template <class Field>
void cBand::Let(Field tBandInfo::*field, Field value, eBandLetEffect effect) {
  ControlBands& bands = Bands();
  bands.BandForLet(m_iBand).*field = std::move(value);
  bands.AfterBandLet(m_iBand, effect);
}

void cBand::LetLine(std::int16_t tBandInfo::*field, std::int16_t value) {
  Bands();
  if (value < kMinLine || value > kMaxLine) RaiseError(ErrorCode::InvalidIndex, kLetSource);
  Let(field, value, eBandLetEffect::Layout);
}

std::string cBand::Caption() const { return Record().cBICaption; }
void cBand::Caption(const std::string& sCaption) { Let(&tBandInfo::cBICaption, sCaption, eBandLetEffect::Refresh); }

std::int16_t cBand::CaptionIcon() const { return Record().cBICaptionIcon; }
void cBand::CaptionIcon(std::int16_t iIcon) { Let(&tBandInfo::cBICaptionIcon, iIcon, eBandLetEffect::Layout); }

bool cBand::DisplayCaptions() const { return Surface().DisplayCaptions(); }
void cBand::DisplayCaptions(bool bValue) { Surface().SetDisplayCaptions(bValue); }

bool cBand::DisplayMoreTools() const { return IsTrue(Record().cBIDisplayMoreTools); }
void cBand::DisplayMoreTools(bool bValue) {
  Let(&tBandInfo::cBIDisplayMoreTools, ToVariantBool(bValue), eBandLetEffect::Store);
  Surface().SetDisplayMoreTools(bValue);
}

bool cBand::Docked() const { return IsTrue(Record().cBIDocked); }
void cBand::Docked(bool bValue) { Let(&tBandInfo::cBIDocked, ToVariantBool(bValue), eBandLetEffect::Layout); }

bool cBand::Enabled() const { return IsTrue(Record().cBIEnabled); }
void cBand::Enabled(bool bValue) {
  Let(&tBandInfo::cBIEnabled, ToVariantBool(bValue), eBandLetEffect::EnabledThenLayout);
}

std::int32_t cBand::Height() const { return Surface().Height(); }
std::int32_t cBand::Left() const { return Surface().Left(); }
std::int32_t cBand::Top() const { return Surface().Top(); }

std::int16_t cBand::LineIndex() const { return Record().cBILineIndex; }
void cBand::LineIndex(std::int16_t iLine) { LetLine(&tBandInfo::cBILineIndex, iLine); }

std::int16_t cBand::LinePosition() const { return Record().cBILinePosition; }
void cBand::LinePosition(std::int16_t iPosition) { LetLine(&tBandInfo::cBILinePosition, iPosition); }

std::string cBand::Key() const { return Record().cBIKey; }

std::shared_ptr<cTools> cBand::Tools() const {
  Bands();
  return std::make_shared<cTools>(m_hWndMB, m_iBand);
}

bool cBand::Transparent() const { return Surface().Transparent(); }
void cBand::Transparent(bool bValue) { Surface().SetTransparent(bValue); }

bool cBand::Visible() const { return IsTrue(Record().cBIVisible); }
void cBand::Visible(bool bValue) {
  Let(&tBandInfo::cBIVisible, ToVariantBool(bValue), eBandLetEffect::VisibleThenLayout);
}

std::int32_t cBand::Width() const { return Record().cBIWidth; }
void cBand::Width(std::int32_t lWidth) { Let(&tBandInfo::cBIWidth, lWidth, eBandLetEffect::Width); }
