// A headless desktop with a host form holding one MirelMenuBar20, placed the way a host
// places it, and an event sink that records what the control raises as text rows.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "container/DesktopFixture.h"
#include "container/Form.h"
#include "core/MirelMenuBar20.h"

class RecordingSink : public __MirelMenuBar20 {
 public:
  std::vector<std::string> rows;
  void ReSize() override { rows.emplace_back("ReSize"); }
  void MenuOnClose(std::int16_t MenuIndex, std::string MenuID) override {
    rows.push_back("MenuOnClose " + std::to_string(MenuIndex) + " " + MenuID);
  }
};

class MenuBarTest : public DesktopTest {
 protected:
  static constexpr int kFormLeft = 40;
  static constexpr int kFormTop = 30;
  static constexpr float kBarWidthTwips = 6000;
  static constexpr float kBarHeightTwips = 600;

  void TearDown() override { DropForm(); }

  // Unloads the form and releases it with its controls.
  void DropForm() {
    if (m_Form) m_Form->Unload();
    m_Form.reset();
  }

  // A new instance on a new form, at run time or design time.
  std::shared_ptr<MirelMenuBar20> AddBar(bool userMode = true) {
    MakeForm(userMode);
    return m_Form->AddControl<MirelMenuBar20>(Placement());
  }
  // An instance loaded from saved settings.
  std::shared_ptr<MirelMenuBar20> LoadBar(PropertyBag& saved, bool userMode = true) {
    MakeForm(userMode);
    return m_Form->LoadControl<MirelMenuBar20>(Placement(), saved);
  }

  Form& TheForm() { return *m_Form; }

  // The property names the container was told about, in order.
  std::vector<std::string> ChangedProperties() const {
    std::vector<std::string> names;
    for (const PropertyChange& change : m_Form->PropertyChanges()) names.push_back(change.property);
    return names;
  }

 private:
  void MakeForm(bool userMode) {
    FormOptions options;
    options.left = kFormLeft;
    options.top = kFormTop;
    options.userMode = userMode;
    m_Form = std::make_unique<Form>(options);
    m_Form->Show();
  }
  static ControlPlacement Placement() { return {"MirelMenuBar201", 0, 0, kBarWidthTwips, kBarHeightTwips}; }

  std::unique_ptr<Form> m_Form;
};
