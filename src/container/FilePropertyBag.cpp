#include "container/FilePropertyBag.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "container/AutomationError.h"
#include "container/RuntimeErrors.h"
#include "container/StdFont.h"

namespace {

using nlohmann::json;

constexpr int kJsonIndent = 2;
constexpr const char* kFormatName = "MirelPropertyBag";
constexpr int kFormatVersion = 1;

constexpr char kRuntimeSource[] = "VBRuntime";

json FontToJson(const StdFont& font) {
  return json{{"Name", font.Name()},           {"Size", font.Size()},
              {"Weight", font.Weight()},       {"Italic", font.Italic()},
              {"Underline", font.Underline()}, {"Strikethrough", font.Strikethrough()},
              {"Charset", font.Charset()}};
}

std::shared_ptr<StdFont> FontFromJson(const json& j) {
  auto font = std::make_shared<StdFont>();
  font->SetName(j.at("Name").get<std::string>());
  font->SetSize(j.at("Size").get<double>());
  font->SetWeight(j.at("Weight").get<std::int16_t>());
  font->SetItalic(j.at("Italic").get<bool>());
  font->SetUnderline(j.at("Underline").get<bool>());
  font->SetStrikethrough(j.at("Strikethrough").get<bool>());
  font->SetCharset(j.at("Charset").get<std::int16_t>());
  return font;
}

json ValueToJson(const std::string& name, const Variant& v) {
  json entry{{"name", name}, {"type", TypeName(v)}};
  switch (v.Type()) {
    case VbVarType::Empty:
    case VbVarType::Null: break;
    case VbVarType::Boolean: entry["value"] = CBool(v); break;
    case VbVarType::Integer: entry["value"] = CInt(v); break;
    case VbVarType::Long: entry["value"] = CLng(v); break;
    case VbVarType::Single: entry["value"] = CSng(v); break;
    case VbVarType::Double: entry["value"] = CDbl(v); break;
    case VbVarType::String: entry["value"] = v.StringValue(); break;
    case VbVarType::Object: {
      const auto font = v.ObjectAs<StdFont>();
      if (!font) RaiseRuntimeError(runtime_error_number::TypeMismatch);
      entry["type"] = "Font";
      entry["value"] = FontToJson(*font);
      break;
    }
    default: RaiseRuntimeError(runtime_error_number::TypeMismatch);
  }
  return entry;
}

Variant ValueFromJson(const json& entry) {
  const std::string type = entry.at("type").get<std::string>();
  if (type == "Empty") return Variant();
  if (type == "Null") return Variant::Null();
  const json& value = entry.at("value");
  if (type == "Boolean") return Variant(value.get<bool>());
  if (type == "Integer") return Variant::Integer(value.get<std::int16_t>());
  if (type == "Long") return Variant::Long(value.get<std::int32_t>());
  if (type == "Single") return Variant(value.get<float>());
  if (type == "Double") return Variant(value.get<double>());
  if (type == "String") return Variant(value.get<std::string>());
  if (type == "Font") return Variant(FontFromJson(value));
  RaiseRuntimeError(runtime_error_number::TypeMismatch);
}

}  // namespace

FilePropertyBag::FilePropertyBag(std::string path) : m_Path(std::move(path)) {
  if (std::filesystem::exists(m_Path)) Load();
}

std::string FilePropertyBag::ToJson() const {
  json properties = json::array();
  for (const Entry& e : Entries()) properties.push_back(ValueToJson(e.first, e.second));
  return json{{"format", kFormatName}, {"version", kFormatVersion}, {"properties", properties}}.dump(kJsonIndent);
}

void FilePropertyBag::FromJson(const std::string& text) {
  MemoryPropertyBag loaded;
  try {
    const json document = json::parse(text);
    if (document.at("format") != kFormatName) RaiseRuntimeError(runtime_error_number::TypeMismatch);
    for (const json& entry : document.at("properties")) {
      loaded.WriteProperty(entry.at("name").get<std::string>(), ValueFromJson(entry));
    }
  } catch (const json::exception&) {
    RaiseRuntimeError(runtime_error_number::TypeMismatch);
  }
  Clear();
  for (const Entry& e : loaded.Entries()) WriteProperty(e.first, e.second);
}

void FilePropertyBag::Load() {
  std::ifstream in(m_Path);
  if (!in) RaiseRuntimeErrorFrom(runtime_error_number::FileNotFound, kRuntimeSource);
  std::ostringstream text;
  text << in.rdbuf();
  FromJson(text.str());
}

void FilePropertyBag::Save() const {
  const std::string text = ToJson();
  std::ofstream out(m_Path, std::ios::trunc);
  out << text << '\n';
  if (!out) RaiseRuntimeErrorFrom(runtime_error_number::PathFileAccessError, kRuntimeSource);
}
