// The automation runtime's variant: a tagged value with the runtime's conversion rules.
// Booleans are 16-bit with True = -1. Conversions raise the runtime's errors: 6 (overflow),
// 13 (type mismatch), 94 (invalid use of Null); array subscripts raise 9.
#pragma once
#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "container/AutomationObject.h"

// 16-bit automation boolean.
using VARIANT_BOOL = std::int16_t;
inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;
constexpr VARIANT_BOOL ToVariantBool(bool b) { return b ? VARIANT_TRUE : VARIANT_FALSE; }
// Any non-zero Boolean counts as True, as the runtime tests it.
constexpr bool IsTrue(VARIANT_BOOL b) { return b != VARIANT_FALSE; }

// The runtime's VarType codes.
enum class VbVarType : std::int32_t {
  Empty = 0,
  Null = 1,
  Integer = 2,
  Long = 3,
  Single = 4,
  Double = 5,
  String = 8,
  Object = 9,
  Error = 10,  // an omitted optional argument is an error value (parameter not found)
  Boolean = 11,
  ArrayOfVariant = 0x2000 | 12,
};

class Variant;

// A one-dimensional array with its lower bound (arrays are values: copies never share).
struct VariantArray {
  std::int32_t lowerBound = 0;
  std::vector<Variant> elements;
};

class Variant {
 public:
  Variant() = default;  // Empty
  // A plain int is a literal: Integer when it fits 16 bits, else Long (as the runtime types
  // numeric literals).
  Variant(int value);
  Variant(std::int16_t value);
  Variant(float value);
  Variant(double value);
  Variant(bool value);
  Variant(std::string value);
  Variant(std::string_view value);
  Variant(const char* value);
  Variant(ObjectRef object);
  template <std::derived_from<AutomationObject> T>
  Variant(std::shared_ptr<T> object) : Variant(ObjectRef(std::move(object))) {}

  static Variant Null();
  static Variant Missing();
  static Variant Nothing();
  static Variant Integer(std::int16_t value);
  static Variant Long(std::int32_t value);
  static Variant Array(std::vector<Variant> elements, std::int32_t lowerBound = 0);

  VbVarType Type() const { return m_Type; }
  bool IsEmpty() const { return m_Type == VbVarType::Empty; }
  bool IsNull() const { return m_Type == VbVarType::Null; }
  bool IsMissing() const { return m_Type == VbVarType::Error; }
  bool IsObject() const { return m_Type == VbVarType::Object; }
  bool IsString() const { return m_Type == VbVarType::String; }
  bool IsArray() const { return m_Type == VbVarType::ArrayOfVariant; }
  // Integer, Long, Single, Double or Boolean.
  bool IsNumber() const;

  // The held object (null for Nothing); type mismatch when the variant holds no object.
  const ObjectRef& Object() const;
  template <class T>
  std::shared_ptr<T> ObjectAs() const {
    return std::dynamic_pointer_cast<T>(Object());
  }

  // Array access; type mismatch when not an array, subscript out of range (9) when outside.
  std::int32_t LBound() const;
  std::int32_t UBound() const;
  const Variant& Element(std::int32_t index) const;
  const std::vector<Variant>& Elements() const;

  // The raw number of a numeric variant (Empty is 0); only for the conversion functions.
  double NumberValue() const;
  const std::string& StringValue() const;

 private:
  using Storage = std::variant<std::monostate, std::int16_t, std::int32_t, float, double, std::string,
                               ObjectRef, std::shared_ptr<const VariantArray>>;
  Variant(VbVarType type, Storage storage) : m_Type(type), m_Storage(std::move(storage)) {}
  const VariantArray& ArrayValue() const;

  VbVarType m_Type = VbVarType::Empty;
  Storage m_Storage;
};

// The runtime's conversion functions.
std::int16_t CInt(const Variant& v);
std::int32_t CLng(const Variant& v);
float CSng(const Variant& v);
double CDbl(const Variant& v);
std::string CStr(const Variant& v);
bool CBool(const Variant& v);
VARIANT_BOOL CVBool(const Variant& v);

// Storing into a 16-bit or 32-bit field: overflow raises error 6.
std::int16_t StoreInt16(std::int64_t value);
std::int32_t StoreInt32(std::int64_t value);

// The runtime's numeric test: numbers, Empty and Booleans are numeric; a string is numeric
// when it holds a number with optional blanks, sign, decimal point and exponent (or &H / &O).
bool IsNumeric(const Variant& v);
bool IsNumericString(std::string_view text);
inline bool IsObject(const Variant& v) { return v.IsObject(); }
inline bool IsMissing(const Variant& v) { return v.IsMissing(); }
inline bool IsNull(const Variant& v) { return v.IsNull(); }
inline bool IsEmpty(const Variant& v) { return v.IsEmpty(); }
inline VbVarType VarType(const Variant& v) { return v.Type(); }
std::string TypeName(const Variant& v);

// Equality as the runtime's "=" sees it for plain values: numbers by value (across widths),
// strings exactly, objects by identity, Empty equal to Empty. Used to omit default values.
bool VariantEquals(const Variant& a, const Variant& b);
