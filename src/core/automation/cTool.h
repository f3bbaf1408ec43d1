// One tool of a band: a proxy for tool m_iTool of the band at position m_iBand. Every call
// finds the control again (error 1 when it has gone) and checks both positions (error 10).
// Every let stores into the control's record and hands the whole record to the band surface;
// most then refresh the band (or mark it for EndUpdate), the rest show at its next repaint.
#pragma once
#include <cstdint>
#include <string>

#include "bands/BandRecords.h"
#include "container/Variant.h"
#include "core/automation/MenuProxy.h"

class ControlBands;
enum class eToolLetEffect;

class cTool : public MenuProxy {
 public:
  cTool(HWND hWndMB, int iBand, int iTool) : MenuProxy(hWndMB), m_iBand(iBand), m_iTool(iTool) {}
  std::string TypeName() const override { return "cTool"; }

  std::int16_t BandIndex() const;
  std::string Caption() const;
  void Caption(const std::string& sCaption);
  ctsCaptionAlignmentConstants CaptionAlignment() const;
  void CaptionAlignment(ctsCaptionAlignmentConstants eAlignment);
  OLE_COLOR DisplayColor() const;
  void DisplayColor(OLE_COLOR lColor);
  bool Enabled() const;
  void Enabled(bool bValue);
  OLE_COLOR ForeColor() const;
  void ForeColor(OLE_COLOR lColor);
  std::string FontName() const;
  void FontName(const std::string& sName);
  bool FontBold() const;
  void FontBold(bool bValue);
  bool FontItalic() const;
  void FontItalic(bool bValue);
  bool FontStrikeThrough() const;
  void FontStrikeThrough(bool bValue);
  bool FontUnderline() const;
  void FontUnderline(bool bValue);
  bool Grouped() const;
  void Grouped(bool bValue);
  std::int16_t GroupID() const;
  void GroupID(std::int16_t iGroup);
  std::int32_t Height() const;
  std::string HotKey() const;
  void HotKey(const std::string& sHotKey);
  std::int16_t Icon() const;
  void Icon(std::int16_t iIcon);
  std::int16_t IconDisabled() const;
  void IconDisabled(std::int16_t iIcon);
  std::int16_t IconHover() const;
  void IconHover(std::int16_t iIcon);
  std::int32_t Indent() const;
  void Indent(std::int32_t lIndent);
  std::int32_t Index() const { return m_iTool; }
  Variant ItemData() const;
  void ItemData(const Variant& vData);
  std::string Key() const;
  // Pixels within the band surface, from the surface's last measure.
  std::int32_t Left() const;
  // Accepted for compatibility: reads 0, setting has no effect.
  std::int32_t LeftOffset() const;
  void LeftOffset(std::int32_t lOffset);
  std::int32_t TopOffset() const;
  void TopOffset(std::int32_t lOffset);
  // The surface's state, which clicks change.
  bool State() const;
  void State(bool bValue);
  ctsToolStyleConstants Style() const;
  void Style(std::int16_t iStyle);
  std::string Tag() const;
  void Tag(const std::string& sTag);
  std::string Text() const;
  void Text(const std::string& sText);
  bool Toggle() const;
  void Toggle(bool bValue);
  std::int32_t Top() const;
  std::string ToolTipText() const;
  void ToolTipText(const std::string& sText);
  bool Visible() const;
  void Visible(bool bValue);
  std::int32_t Width() const;

 private:
  ControlBands& Bands() const;
  const tToolItemInfo& Record() const;
  template <class Field>
  void Let(Field tToolItemInfo::*field, Field value, eToolLetEffect effect);
  void LetBool(VARIANT_BOOL tToolItemInfo::*field, bool bValue, eToolLetEffect effect);

  int m_iBand;
  int m_iTool;
};
