// The runtime's values as hosts meet them: the variant (numeric test, conversions and their
// errors), fonts, and property bags (defaults omitted on save, defaults on load, the file
// format round trip).
#include <filesystem>
#include <fstream>

#include "container/FilePropertyBag.h"
#include "container/RuntimeErrors.h"
#include "container/StdFont.h"
#include "support/Errors.h"
#include "support/TempFiles.h"
#include "support/Values.h"

namespace {

using mirel_test::ErrorFrom;
using mirel_test::ErrorOf;
using mirel_test::TempPath;
using mirel_test::Values;

struct Thing : AutomationObject {
  std::string TypeName() const override { return "Thing"; }
};

// Values equal to their default are left out (the control's saved settings show it for each
// kind), a font also when it only has the default's attributes; a value without a default is
// always written. Names never written read their default, or raise without one.
TEST(PropertyBag, WritesOnlyWhatDiffersFromItsDefaultAndReadsDefaultsForAbsentNames) {
  MemoryPropertyBag bag;
  bag.WriteProperty("DefaultCaptionFont", Variant(StdFont::Create("Tahoma", 8)), Variant(StdFont::Create("Tahoma", 8)));
  bag.WriteProperty("DefaultMenuFont", Variant(StdFont::Create("Tahoma", 10)), Variant(StdFont::Create("Tahoma", 8)));
  bag.WriteProperty("MenuItemSpacing", Variant::Integer(3), Variant::Integer(2));
  bag.WriteProperty("Tag", Variant("no default"));
  EXPECT_EQ(bag.Names(), (std::vector<std::string>{"DefaultMenuFont", "MenuItemSpacing", "Tag"}));
  EXPECT_EQ(Values(CInt(bag.ReadProperty("MenuItemSpacing", Variant::Integer(2))),
                   CLng(bag.ReadProperty("CustomBandHeight", Variant::Long(0)))),
            "3 0");
  const auto error = ErrorFrom([&] { bag.ReadProperty("Nothing here"); });
  EXPECT_EQ(Values(error.number, error.description),
            Values(runtime_error_number::DataValueNotFound, "Data value named 'Nothing here' not found"));
}

// Text is kept byte for byte, UTF-8 or not.
TEST(PropertyBag, FileRoundTripKeepsOrderTypesTextAndFonts) {
  const std::string path = TempPath("roundtrip.json");
  const std::string bytes = "Pal\xFF\xFEtte";
  std::filesystem::remove(path);
  {
    FilePropertyBag bag(path);
    EXPECT_TRUE(bag.Entries().empty());
    auto font = StdFont::Create(bytes, 9.75, true);
    font->SetItalic(true);
    font->SetCharset(2);
    bag.WriteProperty("ApplyCandyEffects", Variant(true), Variant(false));
    bag.WriteProperty("BorderColor", Variant::Long(static_cast<std::int32_t>(0x80000011)));
    bag.WriteProperty("ToolSpacing", Variant::Integer(0), Variant::Integer(6));
    bag.WriteProperty("CPMoreColors", Variant("Plus de couleurs…"));
    bag.WriteProperty("CPPalette", Variant(bytes));
    bag.WriteProperty("Ratio", Variant(0.1));
    bag.WriteProperty("Half", Variant(0.5f));
    bag.WriteProperty("ToolTipFont", Variant(font));
    bag.Save();
  }
  const FilePropertyBag loaded(path);
  std::vector<std::string> types;
  for (const auto& [name, value] : loaded.Entries()) types.push_back(name + " " + TypeName(value));
  ASSERT_TRUE(mirel_test::SameSequence({"ApplyCandyEffects Boolean", "BorderColor Long", "ToolSpacing Integer",
                                        "CPMoreColors String", "CPPalette String", "Ratio Double", "Half Single",
                                        "ToolTipFont Font"},
                                       types));
  EXPECT_EQ(Values(CVBool(loaded.ReadProperty("ApplyCandyEffects", Variant(false))),
                   static_cast<std::uint32_t>(CLng(loaded.ReadProperty("BorderColor"))), CInt(loaded.ReadProperty("ToolSpacing")),
                   CStr(loaded.ReadProperty("CPMoreColors")), CStr(loaded.ReadProperty("CPPalette")),
                   CDbl(loaded.ReadProperty("Ratio")) == 0.1),
            Values(VARIANT_TRUE, 0x80000011u, 0, "Plus de couleurs…", bytes, true));
  const auto font = loaded.ReadProperty("ToolTipFont").ObjectAs<StdFont>();
  ASSERT_TRUE(font);
  EXPECT_EQ(Values(font->Name(), font->SizeCurrency(), font->Bold(), font->Weight(), font->Italic(), font->Charset()),
            Values(bytes, 97500, true, StdFont::kWeightBold, true, 2));
  std::filesystem::remove(path);
}

TEST(PropertyBag, FileErrors) {
  const std::string path = TempPath("broken.json");
  std::ofstream(path) << "{ not json";
  EXPECT_EQ(ErrorOf([&] { FilePropertyBag bag(path); }), runtime_error_number::TypeMismatch) << "malformed file";
  std::filesystem::remove(path);

  FilePropertyBag bag(TempPath("other.json"));
  bag.WriteProperty("Picture", Variant(std::make_shared<Thing>()));
  EXPECT_EQ(ErrorOf([&] { bag.Save(); }), runtime_error_number::TypeMismatch) << "only fonts are saved as objects";
}

TEST(PropertyBag, FileValuesBeyondTheirTypeRaiseTheRuntimesErrorNamingFileAndKey) {
  using runtime_error_number::Overflow, runtime_error_number::TypeMismatch;
  const struct {
    const char* entry;
    std::int32_t error;
  } cases[] = {
      {R"("Integer", "value": 70000)", Overflow}, {R"("Integer", "value": 1e10)", Overflow},
      {R"("Long", "value": 1e20)", Overflow},     {R"("Single", "value": 1e300)", Overflow},
      {R"("Integer", "value": "12")", TypeMismatch}, {R"("Boolean", "value": 3)", TypeMismatch},
      {R"("Font", "value": {"Name": "Tahoma", "Size": 1e30, "Weight": 400, "Italic": false, "Underline": false,
          "Strikethrough": false, "Charset": 0})", Overflow},
  };
  for (const auto& c : cases) {
    const std::string path = TempPath("range.json");
    std::ofstream(path) << R"({"format": "MirelPropertyBag", "version": 1, "properties": [)"
                        << R"({"name": "Before", "type": "Long", "value": 1}, {"name": "Key", "type": )" << c.entry
                        << "}]}";
    const auto error = ErrorFrom([&] { FilePropertyBag bag(path); });
    EXPECT_EQ(error.number, c.error) << c.entry;
    EXPECT_NE(error.description.find("'" + path + "'"), std::string::npos) << error.description;
    EXPECT_NE(error.description.find("'Key'"), std::string::npos) << error.description;
    std::filesystem::remove(path);
  }
}

TEST(PropertyBag, DamagedFileNamesItsLastKeyAndLeavesTheBagAsItWas) {
  const std::string path = TempPath("damaged.json");
  FilePropertyBag bag(path);
  bag.WriteProperty("Theme", Variant::Long(2));
  bag.Save();
  std::ofstream(path) << R"({"format": "MirelPropertyBag", "version": 1, "properties": [)"
                      << R"({"name": "VisualStyle", "type": "Long", "value": 1}, {"name": "The)";
  const auto error = ErrorFrom([&] { bag.Load(); });
  EXPECT_EQ(error.number, runtime_error_number::TypeMismatch);
  EXPECT_NE(error.description.find("'" + path + "' is damaged at key 'VisualStyle'"), std::string::npos)
      << error.description;
  EXPECT_EQ(Values(CLng(bag.ReadProperty("Theme")), bag.Contains("VisualStyle")), "2 0");
  std::filesystem::remove(path);
}

TEST(StdFont, SizeIsCurrencyAndBoldFollowsWeight) {
  StdFont font;
  EXPECT_EQ(Values(font.Name(), font.Size()), "MS Sans Serif 8.25");
  font.SetSize(10.123456);
  font.SetBold(true);
  EXPECT_EQ(Values(font.SizeCurrency(), font.Weight()), "101235 700");
  font.SetWeight(400);
  const bool at400 = font.Bold();
  font.SetWeight(600);
  EXPECT_EQ(Values(at400, font.Bold()), "0 1");
  EXPECT_EQ(ErrorOf([&] { font.SetSize(0); }), runtime_error_number::InvalidPropertyValue);
  EXPECT_EQ(ErrorOf([&] { font.SetSize(1e30); }), 6) << "beyond the currency range";
  // A clone is a font of its own.
  const auto shared = StdFont::Create("Tahoma", 8);
  const auto clone = shared->Clone();
  shared->SetItalic(true);
  EXPECT_EQ(Values(clone->Name(), clone->Size(), clone->Italic()), "Tahoma 8 0");
}

TEST(Variant, NumericStringTest) {
  const struct {
    Variant value;
    bool numeric;
  } cases[] = {
      {Variant(12), true},      {Variant(" 3"), true},     {Variant(1.5), true},        {Variant("-2e3"), true},
      {Variant("12"), true},    {Variant("1.5"), true},    {Variant(" +4.25 "), true},  {Variant(".5"), true},
      {Variant("&HFF"), true},  {Variant(true), true},     {Variant(), true},           {Variant("File"), false},
      {Variant(""), false},     {Variant("1B"), false},    {Variant("   "), false},     {Variant("1e"), false},
      {Variant("1.2.3"), false}, {Variant("-"), false},    {Variant("M1"), false},      {Variant::Null(), false},
      {Variant::Missing(), false}, {Variant::Nothing(), false}};
  for (const auto& c : cases)
    EXPECT_EQ(IsNumeric(c.value), c.numeric) << "value " << TypeName(c.value)
                                             << (c.value.IsString() ? " \"" + c.value.StringValue() + "\"" : "");
}

TEST(Variant, IntegerConversionsAndStoresRoundHalfToEvenAndOverflow) {
  EXPECT_EQ(Values(CInt(Variant(2.5)), CInt(Variant(3.5)), CInt(Variant(-2.5)), CInt(Variant(" 3")), CInt(Variant("-2e3")),
                   CInt(Variant(true)), CInt(Variant()), CInt(Variant("&HFFFF"))),
            "2 4 -2 3 -2000 -1 0 -1");
  EXPECT_EQ(Values(CLng(Variant("&HFFFF")), CLng(Variant("&H10000")), CLng(Variant(40000)), CLng(Variant(1.5))), "-1 65536 40000 2");
  using namespace runtime_error_number;
  EXPECT_EQ(Values(StoreInt16(32767), StoreInt16(-32768)), "32767 -32768");
  EXPECT_EQ(Values(ErrorOf([] { CInt(Variant(40000)); }), ErrorOf([] { CInt(Variant(32767.5)); }),
                   ErrorOf([] { CLng(Variant(3e9)); }), ErrorOf([] { CSng(Variant(1e300)); }),
                   ErrorOf([] { StoreInt16(-32769); }), ErrorOf([] { StoreInt32(0x80000000LL); })),
            Values(Overflow, Overflow, Overflow, Overflow, Overflow, Overflow));
  EXPECT_EQ(ErrorFrom([] { StoreInt16(40000); }), mirel_test::kOverflow);
  EXPECT_EQ(Values(ErrorOf([] { CInt(Variant("File")); }), ErrorOf([] { CLng(Variant("")); }),
                   ErrorOf([] { CDbl(Variant(std::make_shared<Thing>())); }), ErrorOf([] { CInt(Variant::Missing()); }),
                   ErrorOf([] { CInt(Variant::Null()); })),
            Values(TypeMismatch, TypeMismatch, TypeMismatch, TypeMismatch, InvalidUseOfNull));
}

TEST(Variant, StringAndBooleanFormsAsTheRuntimeConvertsThem) {
  const std::vector<std::pair<Variant, std::string>> cases = {
      {Variant(1.5), "1.5"},    {Variant(true), "True"},        {Variant(false), "False"},   {Variant::Integer(-1), "-1"},
      {Variant(0.1), "0.1"},    {Variant::Long(40000), "40000"}, {Variant(1e20), "1E+20"},   {Variant(1.5f), "1.5"},
      {Variant(0.1f), "0.1"},   {Variant(1.0 / 3), "0.333333333333333"},                     {Variant(), ""},
      {Variant("text"), "text"}, {Variant(-0.0), "0"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(CStr(value), text) << TypeName(value);
  EXPECT_EQ(ErrorOf([] { CStr(Variant::Nothing()); }), runtime_error_number::TypeMismatch);
  EXPECT_EQ(Values(CBool(Variant(2)), CBool(Variant(0.0)), CBool(Variant("true")), CBool(Variant("FALSE")),
                   CBool(Variant("-1")), CBool(Variant("0")), CBool(Variant())),
            "1 0 1 0 1 0 0");
  EXPECT_EQ(Values(CVBool(Variant(true)), CVBool(Variant(5))), Values(VARIANT_TRUE, -1));
  EXPECT_EQ(ErrorOf([] { CBool(Variant("yes")); }), runtime_error_number::TypeMismatch);
}

TEST(Variant, KindsAndTypeNames) {
  const auto thing = std::make_shared<Thing>();
  const std::vector<std::tuple<Variant, VbVarType, std::string>> cases = {
      {Variant(), VbVarType::Empty, "Empty"},           {Variant::Null(), VbVarType::Null, "Null"},
      {Variant(7), VbVarType::Integer, "Integer"},      {Variant(70000), VbVarType::Long, "Long"},
      {Variant::Long(7), VbVarType::Long, "Long"},      {Variant(1.5f), VbVarType::Single, "Single"},
      {Variant(1.5), VbVarType::Double, "Double"},      {Variant("a"), VbVarType::String, "String"},
      {Variant(true), VbVarType::Boolean, "Boolean"},   {Variant(thing), VbVarType::Object, "Thing"},
      {Variant::Nothing(), VbVarType::Object, "Nothing"}, {Variant::Missing(), VbVarType::Error, "Error"},
      {Variant::Array({Variant("a")}), VbVarType::ArrayOfVariant, "Variant()"}};
  for (const auto& [value, type, name] : cases) EXPECT_EQ(Values(static_cast<int>(VarType(value)), TypeName(value)), Values(static_cast<int>(type), name));
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
