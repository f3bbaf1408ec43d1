#include "MenuBarOnForm.h"

#include "container/AutomationError.h"
#include "win32/desktop.h"

namespace menu_test {
namespace {
constexpr float kBarWidthTwips = 6000;
constexpr float kBarHeightTwips = 1200;
}  // namespace

void PrintTo(const HostError& error, std::ostream* out) {
  *out << "{" << error.number << ", \"" << error.source << "\", \"" << error.description << "\"}";
}

HostError ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const AutomationError& error) {
    return {error.Number(), error.Source(), error.Description()};
  }
  return {};
}

HostError TypeMismatch(const std::string& collection) {
  return {13, "voxMirelMBar20." + collection, "Type Mismatch."};
}

HostError KeyInUse(const std::string& collection) {
  return {457, "voxMirelMBar20." + collection, "This key is already associated with an element of this collection."};
}

HostError Unloaded(const std::string& source) { return {364, "voxMirelMBar20." + source, "Object has been unloaded."}; }

void MenuBarOnForm::SetUp() {
  win32::TheDesktop().Reset();
  m_Form = std::make_unique<Form>();
  m_Bar = m_Form->AddControl<MirelMenuBar20>(
      {.name = "MirelMenuBar201", .left = 0, .top = 0, .width = kBarWidthTwips, .height = kBarHeightTwips});
  m_Form->Show();
  m_Bar->EndUpdate();
}

void MenuBarOnForm::TearDown() {
  if (m_Form->Loaded()) m_Form->Unload();
}

std::shared_ptr<cMenu> MenuBarOnForm::AddMenu(const std::string& sKey) {
  return Menus()->Add({.Key = sKey, .Caption = "&" + sKey, .Enabled = true});
}

}  // namespace menu_test
