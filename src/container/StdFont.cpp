#include "container/StdFont.h"

#include <cmath>
#include <limits>

#include "container/AutomationError.h"
#include "container/RuntimeErrors.h"

StdFont::StdFont(std::string name, double size, bool bold) : m_Name(std::move(name)) {
  SetSize(size);
  SetBold(bold);
}

std::shared_ptr<StdFont> StdFont::Create(std::string name, double size, bool bold) {
  return std::make_shared<StdFont>(std::move(name), size, bold);
}

std::shared_ptr<StdFont> StdFont::Clone() const { return std::make_shared<StdFont>(*this); }

void StdFont::SetSize(double points) {
  // Currency keeps four decimals; rounding to it is half to even like every runtime rounding.
  const double scaled = std::nearbyint(points * kCurrencyScale);
  if (!std::isfinite(scaled) || scaled <= 0) {
    RaiseRuntimeErrorFrom(runtime_error_number::InvalidPropertyValue, TypeName());
  }
  if (scaled >= static_cast<double>(std::numeric_limits<std::int64_t>::max())) {
    RaiseRuntimeError(runtime_error_number::Overflow);  // beyond the currency range
  }
  m_SizeCurrency = static_cast<std::int64_t>(scaled);
}

bool StdFont::SameAttributes(const StdFont& other) const {
  return m_Name == other.m_Name && m_SizeCurrency == other.m_SizeCurrency && m_Weight == other.m_Weight &&
         m_Italic == other.m_Italic && m_Underline == other.m_Underline &&
         m_Strikethrough == other.m_Strikethrough && m_Charset == other.m_Charset;
}
