// The runtime's variant as hosts meet it: numeric test, conversions and their errors.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/Errors.h"
#include "container/RuntimeErrors.h"
#include "container/Variant.h"

namespace {

using mirel_test::ErrorFrom;
using mirel_test::ErrorOf;

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
  EXPECT_EQ(CInt(Variant(2.5)), 2);
  EXPECT_EQ(CInt(Variant(3.5)), 4);
  EXPECT_EQ(CInt(Variant(-2.5)), -2);
  EXPECT_EQ(CInt(Variant(" 3")), 3);
  EXPECT_EQ(CInt(Variant("-2e3")), -2000);
  EXPECT_EQ(CInt(Variant(true)), -1);
  EXPECT_EQ(CInt(Variant()), 0);
  EXPECT_EQ(CInt(Variant("&HFFFF")), -1);
  EXPECT_EQ(CLng(Variant("&HFFFF")), -1);
  EXPECT_EQ(CLng(Variant("&H10000")), 65536);
  EXPECT_EQ(CLng(Variant(40000)), 40000);
  EXPECT_EQ(CLng(Variant(1.5)), 2);
  EXPECT_EQ(ErrorOf([] { CInt(Variant(40000)); }), runtime_error_number::Overflow);
  EXPECT_EQ(ErrorOf([] { CInt(Variant(32767.5)); }), runtime_error_number::Overflow);
  EXPECT_EQ(ErrorOf([] { CLng(Variant(3e9)); }), runtime_error_number::Overflow);
  EXPECT_EQ(ErrorOf([] { CSng(Variant(1e300)); }), runtime_error_number::Overflow);
  EXPECT_EQ(ErrorOf([] { CInt(Variant("File")); }), runtime_error_number::TypeMismatch);
  EXPECT_EQ(ErrorOf([] { CLng(Variant("")); }), runtime_error_number::TypeMismatch);
  EXPECT_EQ(ErrorOf([] { CDbl(Variant(std::make_shared<Thing>())); }), runtime_error_number::TypeMismatch);
  EXPECT_EQ(ErrorOf([] { CInt(Variant::Missing()); }), runtime_error_number::TypeMismatch);
  EXPECT_EQ(ErrorOf([] { CInt(Variant::Null()); }), runtime_error_number::InvalidUseOfNull);
}

TEST(Variant, SixteenBitStoreOverflows) {
  EXPECT_EQ(StoreInt16(32767), 32767);
  EXPECT_EQ(StoreInt16(-32768), -32768);
  EXPECT_EQ(ErrorOf([] { StoreInt16(-32769); }), runtime_error_number::Overflow);
  EXPECT_EQ(ErrorOf([] { StoreInt32(0x80000000LL); }), runtime_error_number::Overflow);
  const auto error = ErrorFrom([] { StoreInt16(40000); });
  EXPECT_EQ(error.number, runtime_error_number::Overflow);
  EXPECT_EQ(error.description, "Overflow");
  EXPECT_EQ(error.source, "VBRuntime");
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
  EXPECT_TRUE(CBool(Variant(2)));
  EXPECT_FALSE(CBool(Variant(0.0)));
  EXPECT_TRUE(CBool(Variant("true")));
  EXPECT_FALSE(CBool(Variant("FALSE")));
  EXPECT_TRUE(CBool(Variant("-1")));
  EXPECT_FALSE(CBool(Variant("0")));
  EXPECT_FALSE(CBool(Variant()));
  EXPECT_EQ(CVBool(Variant(true)), VARIANT_TRUE);
  EXPECT_EQ(CVBool(Variant(5)), -1);
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
  EXPECT_TRUE(IsMissing(Variant::Missing()));
  EXPECT_FALSE(IsMissing(Variant("")));  // given empty is not omitted
  EXPECT_TRUE(IsObject(Variant::Nothing()));
  EXPECT_EQ(Variant(thing).ObjectAs<Thing>(), thing);
}

TEST(Variant, ArraysKeepBoundsAndRaiseSubscriptErrors) {
  std::vector<Variant> names;
  for (int i = 0; i <= 256; ++i) names.emplace_back(std::to_string(i));
  const Variant table = Variant::Array(names);
  EXPECT_EQ(table.LBound(), 0);
  EXPECT_EQ(table.UBound(), 256);
  EXPECT_EQ(CStr(table.Element(256)), "256");
  EXPECT_EQ(ErrorOf([&] { table.Element(257); }), runtime_error_number::SubscriptOutOfRange);
  const Variant based = Variant::Array({Variant(1), Variant(2)}, 1);
  EXPECT_EQ(based.UBound(), 2);
  EXPECT_EQ(ErrorOf([&] { based.Element(0); }), runtime_error_number::SubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([] { Variant(3).UBound(); }), runtime_error_number::TypeMismatch);
}

TEST(Variant, EqualityAcrossNumericWidths) {
  EXPECT_TRUE(VariantEquals(Variant::Integer(6), Variant::Long(6)));
  EXPECT_TRUE(VariantEquals(Variant(true), Variant(-1)));
  EXPECT_TRUE(VariantEquals(Variant(""), Variant()));
  EXPECT_FALSE(VariantEquals(Variant("6"), Variant(6)));
  EXPECT_FALSE(VariantEquals(Variant::Null(), Variant::Null()));
  const auto thing = std::make_shared<Thing>();
  EXPECT_TRUE(VariantEquals(Variant(thing), Variant(thing)));
  EXPECT_FALSE(VariantEquals(Variant(thing), Variant(std::make_shared<Thing>())));
}

}  // namespace
