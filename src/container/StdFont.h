// The container's standard font object. Hosts and controls hold it by reference: a control
// given a font keeps the same object, so a change made through any reference is seen by all.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "container/AutomationObject.h"

class StdFont final : public AutomationObject {
 public:
  static constexpr std::int16_t kWeightNormal = 400;
  static constexpr std::int16_t kWeightBold = 700;
  static constexpr std::int16_t kDefaultCharset = 0;  // ANSI_CHARSET
  static constexpr std::int64_t kCurrencyScale = 10000;  // Size is a currency value

  StdFont() = default;
  StdFont(std::string name, double size, bool bold = false);
  static std::shared_ptr<StdFont> Create(std::string name, double size, bool bold = false);

  std::string TypeName() const override { return "Font"; }
  // A new, independent font with the same attributes.
  std::shared_ptr<StdFont> Clone() const;

  const std::string& Name() const { return m_Name; }
  void SetName(std::string name) { m_Name = std::move(name); }
  // The size in points, held as currency (four decimal places), e.g. 8.25.
  double Size() const { return static_cast<double>(m_SizeCurrency) / kCurrencyScale; }
  std::int64_t SizeCurrency() const { return m_SizeCurrency; }
  void SetSize(double points);
  // Bold and Weight follow each other: Bold sets 700 or 400; a weight from 600 up is bold.
  bool Bold() const { return m_Weight >= kWeightBoldThreshold; }
  void SetBold(bool bold) { m_Weight = bold ? kWeightBold : kWeightNormal; }
  std::int16_t Weight() const { return m_Weight; }
  void SetWeight(std::int16_t weight) { m_Weight = weight; }
  bool Italic() const { return m_Italic; }
  void SetItalic(bool v) { m_Italic = v; }
  bool Underline() const { return m_Underline; }
  void SetUnderline(bool v) { m_Underline = v; }
  bool Strikethrough() const { return m_Strikethrough; }
  void SetStrikethrough(bool v) { m_Strikethrough = v; }
  std::int16_t Charset() const { return m_Charset; }
  void SetCharset(std::int16_t charset) { m_Charset = charset; }

  // Same attributes (not the same object).
  bool SameAttributes(const StdFont& other) const;

 private:
  static constexpr std::int16_t kWeightBoldThreshold = 600;
  static constexpr std::int64_t kDefaultSizeCurrency = 82500;  // 8.25 pt

  std::string m_Name = "MS Sans Serif";
  std::int64_t m_SizeCurrency = kDefaultSizeCurrency;
  std::int16_t m_Weight = kWeightNormal;
  bool m_Italic = false;
  bool m_Underline = false;
  bool m_Strikethrough = false;
  std::int16_t m_Charset = kDefaultCharset;
};
