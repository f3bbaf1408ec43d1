#include "common/HotKeyNameTable.h"

#include <utility>
#include <vector>

#include "container/AutomationError.h"

namespace {

constexpr int kVkDigit0 = 48;
constexpr int kVkDigit9 = 57;
constexpr int kVkLetterA = 65;
constexpr int kVkLetterZ = 90;
constexpr int kVkNumpad0 = 96;
constexpr int kVkNumpad9 = 105;
constexpr int kVkF1 = 112;
constexpr int kVkF16 = 127;

// Keys with a fixed name.
constexpr std::pair<int, const char*> kNamedKeys[] = {
    {1, "LButton"},   {2, "RButton"},     {3, "Cancel"},     {4, "MButton"},  {8, "Back"},      {9, "Tab"},
    {12, "Clear"},    {13, "Enter"},      {16, "Shift"},     {17, "Ctrl"},    {18, "Menu"},     {19, "Pause"},
    {20, "CapsLock"}, {27, "Esc"},        {32, "Space"},     {33, "PageUp"},  {34, "PageDn"},   {35, "End"},
    {36, "Home"},     {37, "Left"},       {38, "Up"},        {39, "Right"},   {40, "Dn"},       {41, "Select"},
    {42, "Print"},    {43, "Execute"},    {44, "SShot"},     {45, "Ins"},     {46, "Del"},      {47, "Help"},
    {91, "Win"},      {106, "*"},         {107, "+"},        {108, "Separator"}, {109, "-"},    {110, "."},
    {111, "/"},       {144, "NumLock"},   {145, "ScrollLock"},
};

int g_Users = 0;

}  // namespace

HotKeyNameTable::Names& HotKeyNameTable::Storage() {
  static Names names;
  return names;
}

void HotKeyNameTable::FillDefaults(Names& names) {
  names.fill(std::string());
  for (const auto& [code, name] : kNamedKeys) names[static_cast<size_t>(code)] = name;
  for (int vk = kVkDigit0; vk <= kVkDigit9; ++vk) names[static_cast<size_t>(vk)] = std::string(1, static_cast<char>(vk));
  for (int vk = kVkLetterA; vk <= kVkLetterZ; ++vk) names[static_cast<size_t>(vk)] = std::string(1, static_cast<char>(vk));
  for (int vk = kVkNumpad0; vk <= kVkNumpad9; ++vk) names[static_cast<size_t>(vk)] = "N" + std::to_string(vk - kVkNumpad0);
  for (int vk = kVkF1; vk <= kVkF16; ++vk) names[static_cast<size_t>(vk)] = "F" + std::to_string(vk - kVkF1 + 1);
}

void HotKeyNameTable::AddUser() {
  if (g_Users++ == 0) FillDefaults(Storage());
}

void HotKeyNameTable::RemoveUser() {
  if (g_Users > 0 && --g_Users == 0) Storage().fill(std::string());
}

void HotKeyNameTable::CheckIndex(std::int32_t iKey) {
  if (iKey < kLowerIndex || iKey > kUpperBound) RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
}

const std::string& HotKeyNameTable::Name(std::int32_t iKey) {
  CheckIndex(iKey);
  return Storage()[static_cast<size_t>(iKey)];
}

void HotKeyNameTable::SetName(std::int32_t iKey, std::string name) {
  CheckIndex(iKey);
  Storage()[static_cast<size_t>(iKey)] = std::move(name);
}

Variant HotKeyNameTable::AsArray() {
  std::vector<Variant> elements;
  elements.reserve(Storage().size());
  for (const std::string& name : Storage()) elements.emplace_back(name);
  return Variant::Array(std::move(elements));
}

void HotKeyNameTable::AssignArray(const Variant& names) {
  if (!names.IsArray() || names.UBound() != kUpperBound) return;
  Names copy;
  for (std::int32_t i = names.LBound(); i <= kUpperBound; ++i) {
    if (i >= 0) copy[static_cast<size_t>(i)] = CStr(names.Element(i));
  }
  Storage() = std::move(copy);
}
