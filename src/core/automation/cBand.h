// One band of the control: a proxy for the band at position m_iBand of the control's band
// table. Every call finds the control again (error 1 when it has gone) and checks the
// position (error 10 when it is no longer one).
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "bands/BandRecords.h"
#include "core/ControlBands.h"
#include "core/automation/MenuProxy.h"
#include "core/automation/cTools.h"

class cBand : public MenuProxy {
 public:
  cBand(HWND hWndMB, int iBand) : MenuProxy(hWndMB), m_iBand(iBand) {}
  std::string TypeName() const override { return "cBand"; }

  std::string Caption() const;
  void Caption(const std::string& sCaption);
  std::int16_t CaptionIcon() const;
  void CaptionIcon(std::int16_t iIcon);
  bool DisplayCaptions() const;
  void DisplayCaptions(bool bValue);
  bool DisplayMoreTools() const;
  void DisplayMoreTools(bool bValue);
  bool Docked() const;
  void Docked(bool bValue);
  bool Enabled() const;
  void Enabled(bool bValue);
  // The band surface's extent in the control's client pixels.
  std::int32_t Height() const;
  std::int32_t Left() const;
  std::int32_t Top() const;
  std::int16_t LineIndex() const;
  void LineIndex(std::int16_t iLine);
  std::int16_t LinePosition() const;
  void LinePosition(std::int16_t iPosition);
  std::int32_t Index() const { return m_iBand; }
  std::string Key() const;
  std::shared_ptr<cTools> Tools() const;
  bool Transparent() const;
  void Transparent(bool bValue);
  bool Visible() const;
  void Visible(bool bValue);
  std::int32_t Width() const;
  void Width(std::int32_t lWidth);

 private:
  // The control's band operations with this proxy's position checked.
  ControlBands& Bands() const;
  const tBandInfo& Record() const;
  MirelReBar& Surface() const;
  template <class Field>
  void Let(Field tBandInfo::*field, Field value, eBandLetEffect effect);
  void LetLine(std::int16_t tBandInfo::*field, std::int16_t value);

  int m_iBand;
};
