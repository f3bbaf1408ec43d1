#include "container/Variant.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

#include "container/AutomationError.h"
#include "container/RuntimeErrors.h"

namespace {

constexpr int kDoubleDigits = 15;  // significant digits the runtime prints for a Double
constexpr int kSingleDigits = 7;   // ... and for a Single
constexpr int kHexBase = 16;
constexpr int kOctalBase = 8;
constexpr int kHexDigitsInt16 = 4;  // &H literals of up to 4 digits are 16-bit
constexpr int kHexDigitsInt32 = 8;
constexpr int kOctalDigitsInt16 = 6;  // &O177777
constexpr int kOctalDigitsInt32 = 11;
constexpr std::int64_t kInt16Span = 0x10000;
constexpr std::int64_t kInt32Span = 0x100000000LL;

constexpr char kRuntimeSource[] = "VBRuntime";

[[noreturn]] void RaiseInvalidUseOfNull() {
  RaiseRuntimeErrorFrom(runtime_error_number::InvalidUseOfNull, kRuntimeSource);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// "&H..." / "&O..." literals: 16-bit when short enough, else 32-bit, wrapping to negative.
std::optional<double> ParseRadixLiteral(std::string_view s) {
  if (s.size() < 3 || s[0] != '&') return std::nullopt;
  const char marker = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
  const int base = marker == 'H' ? kHexBase : marker == 'O' ? kOctalBase : 0;
  if (base == 0) return std::nullopt;
  const std::string_view digits = s.substr(2);
  const size_t maxInt16 = base == kHexBase ? kHexDigitsInt16 : kOctalDigitsInt16;
  const size_t maxInt32 = base == kHexBase ? kHexDigitsInt32 : kOctalDigitsInt32;
  std::int64_t value = 0;
  for (char c : digits) {
    const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                  : base == kHexBase && std::isxdigit(static_cast<unsigned char>(c))
                      ? std::toupper(static_cast<unsigned char>(c)) - 'A' + 10
                      : -1;
    if (d < 0 || d >= base) return std::nullopt;
    value = value * base + d;
    if (value >= kInt32Span) RaiseRuntimeError(runtime_error_number::Overflow);
  }
  const std::int64_t span = digits.size() <= maxInt16 && value < kInt16Span ? kInt16Span : kInt32Span;
  if (digits.size() > maxInt32) RaiseRuntimeError(runtime_error_number::Overflow);
  if (value >= span / 2) value -= span;
  return static_cast<double>(value);
}

// Decimal numbers: [sign] digits [. digits] [E|D [sign] digits], at least one mantissa digit.
std::optional<double> ParseDecimal(std::string_view s) {
  std::string normal;
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) normal += s[i++];
  bool mantissaDigit = false;
  bool point = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      mantissaDigit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
    normal += c;
  }
  if (!mantissaDigit) return std::nullopt;
  if (i < s.size()) {
    const char e = static_cast<char>(std::toupper(static_cast<unsigned char>(s[i])));
    if (e != 'E' && e != 'D') return std::nullopt;
    normal += 'E';
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) normal += s[i++];
    bool exponentDigit = false;
    for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i) {
      exponentDigit = true;
      normal += s[i];
    }
    if (!exponentDigit || i != s.size()) return std::nullopt;
  }
  const double value = std::strtod(normal.c_str(), nullptr);
  if (!std::isfinite(value)) RaiseRuntimeError(runtime_error_number::Overflow);
  return value;
}

std::optional<double> ParseNumber(std::string_view text) {
  const std::string_view s = Trim(text);
  if (s.empty()) return std::nullopt;
  if (s[0] == '&') return ParseRadixLiteral(s);
  return ParseDecimal(s);
}

double ToDouble(const Variant& v) {
  switch (v.Type()) {
    case VbVarType::Null: RaiseInvalidUseOfNull();
    case VbVarType::String: {
      const auto parsed = ParseNumber(v.StringValue());
      if (!parsed) RaiseRuntimeError(runtime_error_number::TypeMismatch);
      return *parsed;
    }
    default:
      if (!v.IsNumber() && !v.IsEmpty()) RaiseRuntimeError(runtime_error_number::TypeMismatch);
      return v.NumberValue();
  }
}

// Rounds half to even (the default floating-point rounding) and checks the target range.
std::int64_t RoundChecked(double value, std::int64_t lowest, std::int64_t highest) {
  const double rounded = std::nearbyint(value);
  if (!std::isfinite(rounded) || rounded < static_cast<double>(lowest) || rounded > static_cast<double>(highest)) {
    RaiseRuntimeError(runtime_error_number::Overflow);
  }
  return static_cast<std::int64_t>(rounded);
}

std::string FormatReal(double value, int digits) {
  if (value == 0) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
  return buffer;
}

}  // namespace

Variant::Variant(int value)
    : Variant(value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max()
                  ? Integer(static_cast<std::int16_t>(value))
                  : Long(value)) {}
Variant::Variant(std::int16_t value) : Variant(VbVarType::Integer, value) {}
Variant::Variant(float value) : Variant(VbVarType::Single, value) {}
Variant::Variant(double value) : Variant(VbVarType::Double, value) {}
Variant::Variant(bool value) : Variant(VbVarType::Boolean, ToVariantBool(value)) {}
Variant::Variant(std::string value) : Variant(VbVarType::String, std::move(value)) {}
Variant::Variant(std::string_view value) : Variant(std::string(value)) {}
Variant::Variant(const char* value) : Variant(std::string(value)) {}
Variant::Variant(ObjectRef object) : Variant(VbVarType::Object, std::move(object)) {}

Variant Variant::Null() { return Variant(VbVarType::Null, std::monostate{}); }
Variant Variant::Missing() { return Variant(VbVarType::Error, std::monostate{}); }
Variant Variant::Nothing() { return Variant(ObjectRef()); }
Variant Variant::Integer(std::int16_t value) { return Variant(value); }
Variant Variant::Long(std::int32_t value) { return Variant(VbVarType::Long, value); }
Variant Variant::Array(std::vector<Variant> elements, std::int32_t lowerBound) {
  return Variant(VbVarType::ArrayOfVariant,
                 std::make_shared<const VariantArray>(VariantArray{lowerBound, std::move(elements)}));
}

bool Variant::IsNumber() const {
  switch (m_Type) {
    case VbVarType::Integer:
    case VbVarType::Long:
    case VbVarType::Single:
    case VbVarType::Double:
    case VbVarType::Boolean: return true;
    default: return false;
  }
}

const ObjectRef& Variant::Object() const {
  if (m_Type != VbVarType::Object) RaiseRuntimeError(runtime_error_number::TypeMismatch);
  return std::get<ObjectRef>(m_Storage);
}

const VariantArray& Variant::ArrayValue() const {
  if (m_Type != VbVarType::ArrayOfVariant) RaiseRuntimeError(runtime_error_number::TypeMismatch);
  return *std::get<std::shared_ptr<const VariantArray>>(m_Storage);
}

std::int32_t Variant::LBound() const { return ArrayValue().lowerBound; }
std::int32_t Variant::UBound() const {
  const VariantArray& a = ArrayValue();
  return a.lowerBound + static_cast<std::int32_t>(a.elements.size()) - 1;
}
const Variant& Variant::Element(std::int32_t index) const {
  const VariantArray& a = ArrayValue();
  const std::int64_t offset = static_cast<std::int64_t>(index) - a.lowerBound;
  if (offset < 0 || offset >= static_cast<std::int64_t>(a.elements.size())) {
    RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  }
  return a.elements[static_cast<size_t>(offset)];
}
const std::vector<Variant>& Variant::Elements() const { return ArrayValue().elements; }

double Variant::NumberValue() const {
  return std::visit(
      [](const auto& value) -> double {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_arithmetic_v<T>) {
          return static_cast<double>(value);
        } else {
          return 0;
        }
      },
      m_Storage);
}

const std::string& Variant::StringValue() const {
  if (m_Type != VbVarType::String) RaiseRuntimeError(runtime_error_number::TypeMismatch);
  return std::get<std::string>(m_Storage);
}

std::int16_t CInt(const Variant& v) {
  return static_cast<std::int16_t>(RoundChecked(ToDouble(v), std::numeric_limits<std::int16_t>::min(),
                                                std::numeric_limits<std::int16_t>::max()));
}

std::int32_t CLng(const Variant& v) {
  return static_cast<std::int32_t>(RoundChecked(ToDouble(v), std::numeric_limits<std::int32_t>::min(),
                                                std::numeric_limits<std::int32_t>::max()));
}

float CSng(const Variant& v) {
  const double d = ToDouble(v);
  if (std::fabs(d) > FLT_MAX) RaiseRuntimeError(runtime_error_number::Overflow);
  return static_cast<float>(d);
}

double CDbl(const Variant& v) { return ToDouble(v); }

std::string CStr(const Variant& v) {
  switch (v.Type()) {
    case VbVarType::Empty: return "";
    case VbVarType::Null: RaiseInvalidUseOfNull();
    case VbVarType::Integer:
    case VbVarType::Long: return std::to_string(static_cast<std::int64_t>(v.NumberValue()));
    case VbVarType::Single: return FormatReal(v.NumberValue(), kSingleDigits);
    case VbVarType::Double: return FormatReal(v.NumberValue(), kDoubleDigits);
    case VbVarType::Boolean: return v.NumberValue() != 0 ? "True" : "False";
    case VbVarType::String: return v.StringValue();
    default: RaiseRuntimeError(runtime_error_number::TypeMismatch);
  }
}

bool CBool(const Variant& v) {
  if (v.IsString()) {
    const std::string_view s = Trim(v.StringValue());
    if (EqualsIgnoreCase(s, "True")) return true;
    if (EqualsIgnoreCase(s, "False")) return false;
  }
  return ToDouble(v) != 0;
}

VARIANT_BOOL CVBool(const Variant& v) { return ToVariantBool(CBool(v)); }

std::int16_t StoreInt16(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
    RaiseRuntimeError(runtime_error_number::Overflow);
  }
  return static_cast<std::int16_t>(value);
}

std::int32_t StoreInt32(std::int64_t value) {
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
    RaiseRuntimeError(runtime_error_number::Overflow);
  }
  return static_cast<std::int32_t>(value);
}

bool IsNumericString(std::string_view text) {
  try {
    return ParseNumber(text).has_value();
  } catch (const AutomationError&) {
    return false;  // too large for any number type
  }
}

bool IsNumeric(const Variant& v) {
  if (v.IsString()) return IsNumericString(v.StringValue());
  return v.IsNumber() || v.IsEmpty();
}

std::string TypeName(const Variant& v) {
  switch (v.Type()) {
    case VbVarType::Empty: return "Empty";
    case VbVarType::Null: return "Null";
    case VbVarType::Integer: return "Integer";
    case VbVarType::Long: return "Long";
    case VbVarType::Single: return "Single";
    case VbVarType::Double: return "Double";
    case VbVarType::String: return "String";
    case VbVarType::Boolean: return "Boolean";
    case VbVarType::Error: return "Error";
    case VbVarType::ArrayOfVariant: return "Variant()";
    case VbVarType::Object: return v.Object() ? v.Object()->TypeName() : "Nothing";
  }
  return "Unknown";
}

bool VariantEquals(const Variant& a, const Variant& b) {
  if (a.IsNull() || b.IsNull()) return false;
  if (a.IsString() && b.IsString()) return a.StringValue() == b.StringValue();
  if ((a.IsString() && b.IsEmpty()) || (a.IsEmpty() && b.IsString())) return CStr(a) == CStr(b);
  if ((a.IsNumber() || a.IsEmpty()) && (b.IsNumber() || b.IsEmpty())) return a.NumberValue() == b.NumberValue();
  if (a.IsObject() && b.IsObject()) return a.Object() == b.Object();
  return a.Type() == b.Type() && (a.IsMissing() || a.IsEmpty());
}
