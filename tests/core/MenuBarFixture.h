// A headless desktop with a host form holding one MirelMenuBar20, placed the way a host
// places it, an event sink that records what the control raises as text rows, and helpers
// that add menus and change every persisted setting.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "container/Form.h"
#include "container/StdFont.h"
#include "core/MirelMenuBar20.h"
#include "support/Errors.h"
#include "support/HeadlessTest.h"

using mirel_test::ErrorFrom;
using mirel_test::ErrorOf;
using mirel_test::SameSequence;
using mirel_test::Sequence;

class RecordingSink : public __MirelMenuBar20 {
 public:
  std::vector<std::string> rows;
  void ReSize() override { rows.emplace_back("ReSize"); }
  void MenuOnClose(std::int16_t MenuIndex, std::string MenuID) override {
    rows.push_back("MenuOnClose " + std::to_string(MenuIndex) + " " + MenuID);
  }
};

class MenuBarTest : public mirel_test::HeadlessTest {
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

  // Adds an enabled top-level menu whose key is `key`.
  static void AddMenu(MirelMenuBar20& bar, const char* key, const char* caption = nullptr) {
    MenuAddArgs args;
    args.Key = key;
    args.Caption = caption ? caption : key;
    args.Enabled = true;
    bar.Menus()->Add(args);
  }

  // Lets every persisted setting to a value other than its default, in this order.
  static void ChangeEverySetting(MirelMenuBar20& bar, const std::shared_ptr<StdFont>& font) {
    bar.SetApplyCandyEffects(VARIANT_TRUE);
    bar.SetAutoSelectTheme(VARIANT_TRUE);
    bar.SetCustomBandHeight(30);
    bar.SetLocalMoreColors("Mehr Farben...");
    bar.SetLocalPalette("Palette 2");
    bar.SetLocalSystem("System 2");
    bar.SetDefaultBandSize(bs32x32);
    bar.SetDefaultMenuDropSize(bs24x24);
    bar.SetDefaultCaptionFont(font);
    bar.SetDefaultMenuFont(font);
    bar.SetDefaultMenuItemFont(font);
    bar.SetDefaultMenuItemForeColor(0xFF);
    bar.SetDisabledMenuForeColor(1);
    bar.SetDisabledMenuItemForeColor(1);
    bar.SetBandJustification(VARIANT_FALSE);
    bar.SetEnabled(VARIANT_FALSE);
    bar.SetHighlightInfrequents(VARIANT_FALSE);
    bar.SetMenuShadows(VARIANT_FALSE);
    bar.SetMenuHeaderSpacing(2);
    bar.SetMenuItemSpacing(4);
    bar.SetTheme(XPOlive);
    bar.SetRightToLeft(VARIANT_TRUE);
    bar.SetToolSpacing(2);
    bar.SetToolTipBackColor(1);
    bar.SetToolTipForeColor(1);
    bar.SetToolTipBorderColor(1);
    bar.SetToolTipPreTime(5);
    bar.SetToolTipPostTime(5);
    bar.SetToolTipFont(font);
    bar.SetToolTipShadows(VARIANT_FALSE);
    bar.SetToolTipWordWrap(VARIANT_TRUE);
    bar.SetToolTipMaxWidth(5);
    bar.SetVisualStyle(tsMSIE);
  }

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
