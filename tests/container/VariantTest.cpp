// The runtime's variant as hosts meet it: numeric test, conversions and their errors.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/Errors.h"
#include "support/Values.h"
#include "container/RuntimeErrors.h"
#include "container/Variant.h"

namespace {

using mirel_test::ErrorFrom;
using mirel_test::ErrorOf;
using mirel_test::Values;

struct Thing : AutomationObject {
  std::string TypeName() const override { return "Thing"; }
};

TEST(Variant, NumericStringTest) {
  struct Case {
    Variant value;
    bool numeric;
  };
  const std::vector<Case> cases = {
      {Variant(12), true},        {Variant(" 3"), true},      {Variant(1.5), true},
      {Variant("-2e3"), true},    {Variant("12"), true},      {Variant("1.5"), true},
      {Variant(" +4.25 "), true}, {Variant(".5"), true},      {Variant("&HFF"), true},
      {Variant(true), true},      {Variant(), true},          {Variant("File"), false},
      {Variant(""), false},       {Variant("1B"), false},     {Variant("   "), false},
      {Variant("1e"), false},     {Variant("1.2.3"), false},  {Variant("-"), false},
      {Variant("M1"), false},     {Variant::Null(), false},   {Variant::Missing(), false},
      {Variant::Nothing(), false}};
  for (const Case& c : cases) {
    EXPECT_EQ(IsNumeric(c.value), c.numeric) << "value " << TypeName(c.value)
                                             << (c.value.IsString() ? " \"" + c.value.StringValue() + "\"" : "");
  }
}

TEST(Variant, IntegerConversionsRoundHalfToEvenAndOverflow) {
  EXPECT_EQ(Values(CInt(Variant(2.5)), CInt(Variant(3.5)), CInt(Variant(-2.5)), CInt(Variant(" 3")), CInt(Variant("-2e3")),
                   CInt(Variant(true)), CInt(Variant()), CInt(Variant("&HFFFF"))),
            "2 4 -2 3 -2000 -1 0 -1");
  EXPECT_EQ(Values(CLng(Variant("&HFFFF")), CLng(Variant("&H10000")), CLng(Variant(40000)), CLng(Variant(1.5))), "-1 65536 40000 2");
  using namespace runtime_error_number;
  EXPECT_EQ(Values(ErrorOf([] { CInt(Variant(40000)); }), ErrorOf([] { CInt(Variant(32767.5)); }),
                   ErrorOf([] { CLng(Variant(3e9)); }), ErrorOf([] { CSng(Variant(1e300)); })),
            Values(Overflow, Overflow, Overflow, Overflow));
  EXPECT_EQ(Values(ErrorOf([] { CInt(Variant("File")); }), ErrorOf([] { CLng(Variant("")); }),
                   ErrorOf([] { CDbl(Variant(std::make_shared<Thing>())); }), ErrorOf([] { CInt(Variant::Missing()); }),
                   ErrorOf([] { CInt(Variant::Null()); })),
            Values(TypeMismatch, TypeMismatch, TypeMismatch, TypeMismatch, InvalidUseOfNull));
}

TEST(Variant, SixteenBitStoreOverflows) {
  EXPECT_EQ(Values(StoreInt16(32767), StoreInt16(-32768)), "32767 -32768");
  EXPECT_EQ(Values(ErrorOf([] { StoreInt16(-32769); }), ErrorOf([] { StoreInt32(0x80000000LL); })),
            Values(runtime_error_number::Overflow, runtime_error_number::Overflow));
  const auto error = ErrorFrom([] { StoreInt16(40000); });
  EXPECT_EQ(Values(error.number, error.description, error.source), Values(runtime_error_number::Overflow, "Overflow", "VBRuntime"));
}

TEST(Variant, StringFormsAsTheRuntimePrintsThem) {
  const std::vector<std::pair<Variant, std::string>> cases = {
      {Variant(1.5), "1.5"},          {Variant(true), "True"},
      {Variant(false), "False"},      {Variant::Integer(-1), "-1"},
      {Variant::Long(40000), "40000"}, {Variant(0.1), "0.1"},
      {Variant(1e20), "1E+20"},       {Variant(1.0 / 3), "0.333333333333333"},
      {Variant(1.5f), "1.5"},         {Variant(0.1f), "0.1"},
      {Variant(), ""},                {Variant("text"), "text"},
      {Variant(-0.0), "0"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(CStr(value), text) << TypeName(value);
  EXPECT_EQ(ErrorOf([] { CStr(Variant::Nothing()); }), runtime_error_number::TypeMismatch);
}

TEST(Variant, BooleanConversions) {
  EXPECT_EQ(Values(CBool(Variant(2)), CBool(Variant(0.0)), CBool(Variant("true")), CBool(Variant("FALSE")),
                   CBool(Variant("-1")), CBool(Variant("0")), CBool(Variant())),
            "1 0 1 0 1 0 0");
  EXPECT_EQ(Values(CVBool(Variant(true)), CVBool(Variant(5))), Values(VARIANT_TRUE, -1));
  EXPECT_EQ(ErrorOf([] { CBool(Variant("yes")); }), runtime_error_number::TypeMismatch);
}

TEST(Variant, KindsAndTypeNames) {
  const auto thing = std::make_shared<Thing>();
  const std::vector<std::tuple<Variant, VbVarType, std::string>> cases = {
      {Variant(), VbVarType::Empty, "Empty"},
      {Variant::Null(), VbVarType::Null, "Null"},
      {Variant(7), VbVarType::Integer, "Integer"},
      {Variant(70000), VbVarType::Long, "Long"},
      {Variant::Long(7), VbVarType::Long, "Long"},
      {Variant(1.5f), VbVarType::Single, "Single"},
      {Variant(1.5), VbVarType::Double, "Double"},
      {Variant("a"), VbVarType::String, "String"},
      {Variant(true), VbVarType::Boolean, "Boolean"},
      {Variant(thing), VbVarType::Object, "Thing"},
      {Variant::Nothing(), VbVarType::Object, "Nothing"},
      {Variant::Missing(), VbVarType::Error, "Error"},
      {Variant::Array({Variant("a")}), VbVarType::ArrayOfVariant, "Variant()"}};
  for (const auto& [value, type, name] : cases) {
    EXPECT_EQ(VarType(value), type) << name;
    EXPECT_EQ(TypeName(value), name);
  }
  // Given empty is not omitted.
  EXPECT_EQ(Values(IsMissing(Variant::Missing()), IsMissing(Variant("")), IsObject(Variant::Nothing())), "1 0 1");
  EXPECT_EQ(Variant(thing).ObjectAs<Thing>(), thing);
}

TEST(Variant, ArraysKeepBoundsAndRaiseSubscriptErrors) {
  std::vector<Variant> names;
  for (int i = 0; i <= 256; ++i) names.emplace_back(std::to_string(i));
  const Variant table = Variant::Array(names);
  EXPECT_EQ(Values(table.LBound(), table.UBound(), CStr(table.Element(256))), "0 256 256");
  EXPECT_EQ(ErrorOf([&] { table.Element(257); }), runtime_error_number::SubscriptOutOfRange);
  const Variant based = Variant::Array({Variant(1), Variant(2)}, 1);
  EXPECT_EQ(based.UBound(), 2);
  EXPECT_EQ(ErrorOf([&] { based.Element(0); }), runtime_error_number::SubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([] { Variant(3).UBound(); }), runtime_error_number::TypeMismatch);
}

TEST(Variant, EqualityAcrossNumericWidths) {
  const auto thing = std::make_shared<Thing>();
  EXPECT_EQ(Values(VariantEquals(Variant::Integer(6), Variant::Long(6)), VariantEquals(Variant(true), Variant(-1)),
                   VariantEquals(Variant(""), Variant()), VariantEquals(Variant("6"), Variant(6)),
                   VariantEquals(Variant::Null(), Variant::Null()), VariantEquals(Variant(thing), Variant(thing)),
                   VariantEquals(Variant(thing), Variant(std::make_shared<Thing>()))),
            "1 1 1 0 0 1 0");
}

}  // namespace
