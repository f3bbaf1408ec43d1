#include "container/FilePropertyBag.h"

#include <cstring>
#include <filesystem>
#include <functional>
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

// Strings are UTF-8 in the file. A string that is not (the lets take any bytes) is kept as
// its bytes in hexadecimal under "<field>Bytes", so every value reads back exactly as saved.
bool IsUtf8(const std::string& text) {
  try {
    (void)json(text).dump();
    return true;
  } catch (const json::type_error&) {
    return false;
  }
}

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr int kNibbleBits = 4;
constexpr unsigned kNibbleMask = 0xF;

std::string ToHex(const std::string& bytes) {
  std::string hex;
  for (const unsigned char byte : bytes) {
    hex += kHexDigits[byte >> kNibbleBits];
    hex += kHexDigits[byte & kNibbleMask];
  }
  return hex;
}

std::string FromHex(const std::string& hex) {
  const auto nibble = [](char digit) -> unsigned {
    const char* found = std::strchr(kHexDigits, digit);
    if (digit == '\0' || found == nullptr) RaiseRuntimeError(runtime_error_number::TypeMismatch);
    return static_cast<unsigned>(found - kHexDigits);
  };
  if (hex.size() % 2 != 0) RaiseRuntimeError(runtime_error_number::TypeMismatch);
  std::string bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    bytes += static_cast<char>((nibble(hex[i]) << kNibbleBits) | nibble(hex[i + 1]));
  }
  return bytes;
}

constexpr char kBytesSuffix[] = "Bytes";

void PutString(json& target, const std::string& field, const std::string& text) {
  if (IsUtf8(text)) {
    target[field] = text;
  } else {
    target[field + kBytesSuffix] = ToHex(text);
  }
}

std::string GetString(const json& source, const std::string& field) {
  const auto bytes = source.find(field + kBytesSuffix);
  if (bytes != source.end()) return FromHex(bytes->get<std::string>());
  return source.at(field).get<std::string>();
}

// A stored number read as the runtime converts a Double: a value beyond its type is an
// overflow (6), anything but a number a type mismatch (13).
double Number(const json& value) {
  if (!value.is_number()) RaiseRuntimeError(runtime_error_number::TypeMismatch);
  return value.get<double>();
}

json FontToJson(const StdFont& font) {
  json j{{"Size", font.Size()},           {"Weight", font.Weight()},
         {"Italic", font.Italic()},       {"Underline", font.Underline()},
         {"Strikethrough", font.Strikethrough()}, {"Charset", font.Charset()}};
  PutString(j, "Name", font.Name());
  return j;
}

std::shared_ptr<StdFont> FontFromJson(const json& j) {
  auto font = std::make_shared<StdFont>();
  font->SetName(GetString(j, "Name"));
  font->SetSize(Number(j.at("Size")));
  font->SetWeight(CInt(Variant(Number(j.at("Weight")))));
  font->SetItalic(j.at("Italic").get<bool>());
  font->SetUnderline(j.at("Underline").get<bool>());
  font->SetStrikethrough(j.at("Strikethrough").get<bool>());
  font->SetCharset(CInt(Variant(Number(j.at("Charset")))));
  return font;
}

json ValueToJson(const std::string& name, const Variant& v) {
  json entry{{"type", TypeName(v)}};
  PutString(entry, "name", name);
  switch (v.Type()) {
    case VbVarType::Empty:
    case VbVarType::Null: break;
    case VbVarType::Boolean: entry["value"] = CBool(v); break;
    case VbVarType::Integer: entry["value"] = CInt(v); break;
    case VbVarType::Long: entry["value"] = CLng(v); break;
    case VbVarType::Single: entry["value"] = CSng(v); break;
    case VbVarType::Double: entry["value"] = CDbl(v); break;
    case VbVarType::String: PutString(entry, "value", v.StringValue()); break;
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
  if (type == "String") return Variant(GetString(entry, "value"));
  const json& value = entry.at("value");
  if (type == "Boolean") return Variant(value.get<bool>());
  if (type == "Integer") return Variant::Integer(CInt(Variant(Number(value))));
  if (type == "Long") return Variant::Long(CLng(Variant(Number(value))));
  if (type == "Single") return Variant(CSng(Variant(Number(value))));
  if (type == "Double") return Variant(Number(value));
  if (type == "Font") return Variant(FontFromJson(value));
  RaiseRuntimeError(runtime_error_number::TypeMismatch);
}

// The name of the last entry the parser read in full, to say where a damaged file breaks.
class LastEntryName {
 public:
  bool operator()(int /*depth*/, json::parse_event_t event, json& parsed) {
    if (event == json::parse_event_t::key) {
      m_bNameNext = parsed == "name";
    } else if (event == json::parse_event_t::value) {
      if (m_bNameNext && parsed.is_string()) m_Name = parsed.get<std::string>();
      m_bNameNext = false;
    }
    return true;
  }
  const std::string& Name() const { return m_Name; }

 private:
  bool m_bNameNext = false;
  std::string m_Name;
};

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
  std::string key;  // the entry being read, or the last one read in full before a syntax error
  try {
    LastEntryName lastName;
    json document;
    try {
      document = json::parse(text, std::ref(lastName));
    } catch (const json::parse_error&) {
      key = lastName.Name();
      throw;
    }
    if (!document.is_object() || document.value("format", json()) != kFormatName) {
      RaiseRuntimeError(runtime_error_number::TypeMismatch);
    }
    for (const json& entry : document.at("properties")) {
      key = GetString(entry, "name");
      loaded.WriteProperty(key, ValueFromJson(entry));
    }
  } catch (const json::exception& error) {
    RaiseDamaged(runtime_error_number::TypeMismatch, key, error.what());
  } catch (const AutomationError& error) {
    RaiseDamaged(error.Number(), key, error.Description());
  }
  Clear();
  for (const Entry& e : loaded.Entries()) WriteProperty(e.first, e.second);
}

void FilePropertyBag::RaiseDamaged(std::int32_t number, const std::string& key, const std::string& why) const {
  const std::string where = key.empty() ? "before its first key" : "at key '" + key + "'";
  throw AutomationError(number, kRuntimeSource, "Settings file '" + m_Path + "' is damaged " + where + ": " + why);
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
