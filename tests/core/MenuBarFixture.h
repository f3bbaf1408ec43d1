// A headless desktop with a host form holding one MirelMenuBar20, placed the way a host
// places it, an event sink that records what the control raises as text rows, and helpers
// that add menus and change every persisted setting.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "container/StdFont.h"
#include "core/MirelMenuBar20.h"
#include "support/Errors.h"
#include "support/BarOnForm.h"

using mirel_test::ErrorFrom;
using mirel_test::ErrorOf;
using mirel_test::SameSequence;
using mirel_test::Sequence;

// Records the ReSize events a control raises.
class RecordingSink : public __MirelMenuBar20 {
 public:
  std::vector<std::string> rows;
  void ReSize() override { rows.emplace_back("ReSize"); }
};

class MenuBarTest : public mirel_test::BarOnForm {
 protected:
  // A new instance on a new form at (40, 30), at run time or design time; redraw stays off
  // until EndUpdate, as for a host that has just placed it.
  std::shared_ptr<MirelMenuBar20> AddBar(bool userMode = true, PropertyBag* saved = nullptr) {
    MakeBar({.form = mirel_test::FormAt(40, 30, userMode), .endUpdate = false, .saved = saved});
    return m_Bar;
  }
  // An instance loaded from saved settings.
  std::shared_ptr<MirelMenuBar20> LoadBar(PropertyBag& saved, bool userMode = true) { return AddBar(userMode, &saved); }

  Form& TheForm() { return *m_Form; }

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
};
