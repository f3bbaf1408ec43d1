// Property bags as a control meets them: defaults omitted on save, defaults on load, and the
// file format round trip.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/Errors.h"
#include "support/TempFiles.h"
#include "support/Values.h"
#include "container/RuntimeErrors.h"
#include "container/FilePropertyBag.h"
#include "container/StdFont.h"

namespace {

using mirel_test::ErrorFrom;
using mirel_test::ErrorOf;
using mirel_test::TempPath;
using mirel_test::Values;

TEST(PropertyBag, WritesOnlyValuesThatDifferFromTheirDefault) {
  const auto ambient = StdFont::Create("MS Sans Serif", 8.25);
  MemoryPropertyBag bag;
  bag.WriteProperty("ApplyCandyEffects", Variant(false), Variant(false));
  bag.WriteProperty("BackColor", Variant::Long(0xFFFFFF), Variant::Long(0xFFFFFF));
  bag.WriteProperty("BorderColor", Variant::Long(0x80000003), Variant::Long(0x80000003));
  bag.WriteProperty("DefaultCaptionFont", Variant(ambient), Variant(ambient));
  bag.WriteProperty("DefaultMenuFont", Variant(StdFont::Create("Tahoma", 10)), Variant(ambient));
  bag.WriteProperty("CPPalette", Variant("Palette"), Variant("Palette"));
  bag.WriteProperty("CPSystem", Variant("Système"), Variant("System"));
  bag.WriteProperty("ToolTipPreTime", Variant::Long(1000), Variant::Long(1000));
  bag.WriteProperty("ToolSpacing", Variant::Integer(0), Variant::Integer(6));
  bag.WriteProperty("MenuHeaderSpacing", Variant::Integer(6), Variant::Integer(6));
  bag.WriteProperty("Enabled", Variant(false), Variant(true));
  bag.WriteProperty("Tag", Variant("no default"));
  const std::vector<std::string> expected = {"DefaultMenuFont", "CPSystem", "ToolSpacing", "Enabled", "Tag"};
  EXPECT_EQ(bag.Names(), expected);
}

TEST(PropertyBag, ReadsDefaultsForAbsentNames) {
  MemoryPropertyBag bag;
  bag.WriteProperty("MenuItemSpacing", Variant::Integer(3), Variant::Integer(2));
  EXPECT_EQ(Values(CInt(bag.ReadProperty("MenuItemSpacing", Variant::Integer(2))),
                   CLng(bag.ReadProperty("CustomBandHeight", Variant::Long(0)))),
            "3 0");
  const auto error = ErrorFrom([&] { bag.ReadProperty("Nothing here"); });
  EXPECT_EQ(Values(error.number, error.description),
            Values(runtime_error_number::DataValueNotFound, "Data value named 'Nothing here' not found"));
}

TEST(PropertyBag, FileRoundTripKeepsOrderTypesAndFonts) {
  const std::string path = TempPath("roundtrip.json");
  std::filesystem::remove(path);
  {
    FilePropertyBag bag(path);
    EXPECT_TRUE(bag.Entries().empty());
    auto font = StdFont::Create("Tahoma", 9.75, true);
    font->SetItalic(true);
    font->SetCharset(2);
    bag.WriteProperty("ApplyCandyEffects", Variant(true), Variant(false));
    bag.WriteProperty("BorderColor", Variant::Long(static_cast<std::int32_t>(0x80000011)));
    bag.WriteProperty("ToolSpacing", Variant::Integer(0), Variant::Integer(6));
    bag.WriteProperty("CPMoreColors", Variant("Plus de couleurs…"));
    bag.WriteProperty("Ratio", Variant(0.1));
    bag.WriteProperty("Half", Variant(0.5f));
    bag.WriteProperty("ToolTipFont", Variant(font));
    bag.Save();
  }
  const FilePropertyBag loaded(path);
  const std::vector<std::string> names = {"ApplyCandyEffects", "BorderColor", "ToolSpacing", "CPMoreColors",
                                          "Ratio",             "Half",        "ToolTipFont"};
  ASSERT_EQ(loaded.Names(), names);
  std::vector<std::string> types;
  for (const auto& [name, value] : loaded.Entries()) types.push_back(TypeName(value));
  const std::vector<std::string> expectedTypes = {"Boolean", "Long", "Integer", "String", "Double", "Single", "Font"};
  EXPECT_EQ(types, expectedTypes);
  EXPECT_EQ(Values(CVBool(loaded.ReadProperty("ApplyCandyEffects", Variant(false))),
                   static_cast<std::uint32_t>(CLng(loaded.ReadProperty("BorderColor"))), CInt(loaded.ReadProperty("ToolSpacing")),
                   CStr(loaded.ReadProperty("CPMoreColors")), CDbl(loaded.ReadProperty("Ratio")) == 0.1),
            Values(VARIANT_TRUE, 0x80000011u, 0, "Plus de couleurs…", true));
  const auto font = loaded.ReadProperty("ToolTipFont").ObjectAs<StdFont>();
  ASSERT_TRUE(font);
  EXPECT_EQ(Values(font->Name(), font->SizeCurrency(), font->Bold(), font->Weight(), font->Italic(), font->Charset()),
            Values("Tahoma", 97500, true, StdFont::kWeightBold, true, 2));
  std::filesystem::remove(path);
}

TEST(PropertyBag, FileErrors) {
  const std::string path = TempPath("broken.json");
  std::ofstream(path) << "{ not json";
  EXPECT_EQ(ErrorOf([&] { FilePropertyBag bag(path); }), runtime_error_number::TypeMismatch) << "malformed file";
  std::filesystem::remove(path);

  struct Other : AutomationObject {
    std::string TypeName() const override { return "Other"; }
  };
  FilePropertyBag bag(TempPath("other.json"));
  bag.WriteProperty("Picture", Variant(std::make_shared<Other>()));
  EXPECT_EQ(ErrorOf([&] { bag.Save(); }), runtime_error_number::TypeMismatch) << "only fonts are saved as objects";
}

// A file whose one entry is `entry`, under the name "Key".
std::string WriteOneEntryFile(const std::string& name, const std::string& entry) {
  const std::string path = TempPath(name);
  std::ofstream(path) << R"({"format": "MirelPropertyBag", "version": 1, "properties": [)"
                      << R"({"name": "Before", "type": "Long", "value": 1}, )" << entry << "]}";
  return path;
}

TEST(PropertyBag, FileValuesBeyondTheirTypeRaiseTheRuntimesErrorNamingFileAndKey) {
  constexpr std::int32_t kOverflow = 6;
  struct Case {
    const char* entry;
    std::int32_t error;
  };
  const Case cases[] = {
      {R"({"name": "Key", "type": "Integer", "value": 70000})", kOverflow},
      {R"({"name": "Key", "type": "Integer", "value": 1e10})", kOverflow},
      {R"({"name": "Key", "type": "Long", "value": 1e20})", kOverflow},
      {R"({"name": "Key", "type": "Single", "value": 1e300})", kOverflow},
      {R"({"name": "Key", "type": "Integer", "value": "12"})", runtime_error_number::TypeMismatch},
      {R"({"name": "Key", "type": "Boolean", "value": 3})", runtime_error_number::TypeMismatch},
      {R"({"name": "Key", "type": "Font", "value": {"Name": "Tahoma", "Size": 1e30, "Weight": 400,
          "Italic": false, "Underline": false, "Strikethrough": false, "Charset": 0}})", kOverflow},
  };
  for (const Case& c : cases) {
    const std::string path = WriteOneEntryFile("range.json", c.entry);
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

TEST(PropertyBag, TextThatIsNotUtf8IsSavedAndReadBackExactly) {
  const std::string path = TempPath("bytes.json");
  const std::string bytes = "Pal\xFF\xFEtte";
  FilePropertyBag saved(path);
  saved.WriteProperty("CPPalette", Variant(bytes));
  saved.WriteProperty("ToolTipFont", Variant(StdFont::Create(bytes, 8)));
  saved.Save();
  const FilePropertyBag loaded(path);
  EXPECT_EQ(CStr(loaded.ReadProperty("CPPalette")), bytes);
  EXPECT_EQ(loaded.ReadProperty("ToolTipFont").ObjectAs<StdFont>()->Name(), bytes);
  std::filesystem::remove(path);
}

TEST(StdFont, SizeIsCurrencyAndBoldFollowsWeight) {
  StdFont font;
  EXPECT_EQ(Values(font.Name(), font.Size()), "MS Sans Serif 8.25");
  font.SetSize(10.123456);
  EXPECT_EQ(font.SizeCurrency(), 101235);
  font.SetBold(true);
  EXPECT_EQ(font.Weight(), 700);
  font.SetWeight(400);
  EXPECT_FALSE(font.Bold());
  font.SetWeight(600);
  EXPECT_TRUE(font.Bold());
  EXPECT_EQ(ErrorOf([&] { font.SetSize(0); }), runtime_error_number::InvalidPropertyValue);
  EXPECT_EQ(ErrorOf([&] { font.SetSize(1e30); }), 6) << "beyond the currency range";
  // Shared by reference: a change through one holder is seen by the other.
  const auto shared = StdFont::Create("Tahoma", 8);
  const auto holder = shared;
  shared->SetItalic(true);
  EXPECT_TRUE(holder->Italic());
  EXPECT_FALSE(shared->Clone() == shared);
}

}  // namespace
