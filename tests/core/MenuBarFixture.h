// A headless desktop with a host form holding one MirelMenuBar20, placed the way a host
// places it, and helpers that change every persisted setting and read every setting back.
#pragma once
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "container/StdFont.h"
#include "core/MirelMenuBar20.h"
#include "support/Errors.h"
#include "support/BarOnForm.h"

using namespace mirel_test;

class MenuBarTest : public mirel_test::BarOnForm {
 protected:
  // A new instance on a new form at (40, 30), at run time or design time; redraw stays off
  // until EndUpdate, as for a host that has just placed it.
  std::shared_ptr<MirelMenuBar20> AddBar(bool userMode = true, PropertyBag* saved = nullptr) {
    MakeBar({.form = mirel_test::FormAt(40, 30, userMode), .endUpdate = false, .saved = saved});
    return m_Bar;
  }
  // An instance loaded from saved settings, and a new run-time one after its first EndUpdate.
  std::shared_ptr<MirelMenuBar20> LoadBar(PropertyBag& saved, bool userMode = true) { return AddBar(userMode, &saved); }
  std::shared_ptr<MirelMenuBar20> UpdatedBar() { return AddBar(), m_Bar->EndUpdate(), m_Bar; }

  Form& TheForm() { return *m_Form; }

  // Lets every persisted setting to a value other than its default, in this order, and
  // returns the name each is persisted under.
  static Sequence ChangeEverySetting(MirelMenuBar20& bar, const std::shared_ptr<StdFont>& font) {
    const std::pair<const char*, std::function<void()>> lets[] = {
        {"ApplyCandyEffects", [&] { bar.SetApplyCandyEffects(VARIANT_TRUE); }},
        {"AutoSelectTheme", [&] { bar.SetAutoSelectTheme(VARIANT_TRUE); }},
        {"CustomBandHeight", [&] { bar.SetCustomBandHeight(30); }},
        {"CPMoreColors", [&] { bar.SetLocalMoreColors("Mehr Farben..."); }},
        {"CPPalette", [&] { bar.SetLocalPalette("Palette 2"); }},
        {"CPSystem", [&] { bar.SetLocalSystem("System 2"); }},
        {"DefaultBandSize", [&] { bar.SetDefaultBandSize(bs32x32); }},
        {"DefaultMenuDropSize", [&] { bar.SetDefaultMenuDropSize(bs24x24); }},
        {"DefaultCaptionFont", [&] { bar.SetDefaultCaptionFont(font); }},
        {"DefaultMenuFont", [&] { bar.SetDefaultMenuFont(font); }},
        {"DefaultMenuItemFont", [&] { bar.SetDefaultMenuItemFont(font); }},
        {"DefaultMenuItemForeColor", [&] { bar.SetDefaultMenuItemForeColor(0xFF); }},
        {"DisabledMenuForeColor", [&] { bar.SetDisabledMenuForeColor(1); }},
        {"DisabledMenuItemForeColor", [&] { bar.SetDisabledMenuItemForeColor(1); }},
        {"BandJustification", [&] { bar.SetBandJustification(VARIANT_FALSE); }},
        {"Enabled", [&] { bar.SetEnabled(VARIANT_FALSE); }},
        {"HighlightInfrequents", [&] { bar.SetHighlightInfrequents(VARIANT_FALSE); }},
        {"MenuShadows", [&] { bar.SetMenuShadows(VARIANT_FALSE); }},
        {"MenuHeaderSpacing", [&] { bar.SetMenuHeaderSpacing(2); }},
        {"MenuItemSpacing", [&] { bar.SetMenuItemSpacing(4); }},
        {"Theme", [&] { bar.SetTheme(XPOlive); }},
        {"RightToLeft", [&] { bar.SetRightToLeft(VARIANT_TRUE); }},
        {"ToolSpacing", [&] { bar.SetToolSpacing(2); }},
        {"ToolTipBackColor", [&] { bar.SetToolTipBackColor(1); }},
        {"ToolTipForeColor", [&] { bar.SetToolTipForeColor(1); }},
        {"ToolTipBorderColor", [&] { bar.SetToolTipBorderColor(1); }},
        {"ToolTipPreTime", [&] { bar.SetToolTipPreTime(5); }},
        {"ToolTipPostTime", [&] { bar.SetToolTipPostTime(5); }},
        {"ToolTipFont", [&] { bar.SetToolTipFont(font); }},
        {"ToolTipShadows", [&] { bar.SetToolTipShadows(VARIANT_FALSE); }},
        {"ToolTipWordWrap", [&] { bar.SetToolTipWordWrap(VARIANT_TRUE); }},
        {"ToolTipMaxWidth", [&] { bar.SetToolTipMaxWidth(5); }},
        {"VisualStyle", [&] { bar.SetVisualStyle(tsMSIE); }},
    };
    Sequence names;
    for (const auto& [name, let] : lets) {
      let();
      names.push_back(name);
    }
    return names;
  }

  // What a host reads of every setting, then the spacings and band sizes the lets derive, as
  // "name value" rows (colours in hex; fonts "form font" when they are the form's).
  Sequence SettingRows(MirelMenuBar20& bar) {
    const auto in = Inside(bar);
    const auto n = [](auto value) { return " " + std::to_string(static_cast<long>(value)); };
    const auto hex = [](OLE_COLOR colour) {
      std::ostringstream out;
      out << " " << std::hex << colour;
      return out.str();
    };
    const auto font = [this](const auto& f) { return std::string(f == m_Form->Font() ? " form font" : " other font"); };
    std::string bandSizes = "BandSizes";
    for (int size = bs16x16; size <= bsCustom; ++size)
      bandSizes += n(in.BandSize(static_cast<ctsBandSizeConstants>(size)));
    return {"ApplyCandyEffects" + n(bar.ApplyCandyEffects()), "AutoSelectTheme" + n(bar.AutoSelectTheme()),
            "CustomBandHeight" + n(bar.CustomBandHeight()), "LocalMoreColors " + bar.LocalMoreColors(),
            "LocalPalette " + bar.LocalPalette(), "LocalSystem " + bar.LocalSystem(),
            "DefaultBandSize" + n(bar.DefaultBandSize()), "DefaultMenuDropSize" + n(bar.DefaultMenuDropSize()),
            "DefaultCaptionFont" + font(bar.DefaultCaptionFont()), "DefaultMenuFont" + font(bar.DefaultMenuFont()),
            "DefaultMenuItemFont" + font(bar.DefaultMenuItemFont()), "ToolTipFont" + font(bar.ToolTipFont()),
            "DefaultMenuItemForeColor" + hex(bar.DefaultMenuItemForeColor()),
            "DisabledMenuForeColor" + hex(bar.DisabledMenuForeColor()),
            "DisabledMenuItemForeColor" + hex(bar.DisabledMenuItemForeColor()),
            "BandJustification" + n(bar.BandJustification()), "Enabled" + n(bar.Enabled()),
            "HasFocus" + n(bar.HasFocus()), "HighlightInfrequents" + n(bar.HighlightInfrequents()),
            "MenuLeftMargin" + n(bar.MenuLeftMargin()), "MenuShadows" + n(bar.MenuShadows()),
            "MenuHeaderSpacing" + n(bar.MenuHeaderSpacing()) + n(in.MenuHeaderSpacingInternal()),
            "MenuItemSpacing" + n(bar.MenuItemSpacing()) + n(in.MenuItemSpacingInternal()),
            "ToolSpacing" + n(bar.ToolSpacing()) + n(in.ToolSpacingInternal()), "Theme" + n(bar.Theme()),
            "RightToLeft" + n(bar.RightToLeft()), "ToolTipBackColor" + hex(bar.ToolTipBackColor()),
            "ToolTipForeColor" + hex(bar.ToolTipForeColor()), "ToolTipBorderColor" + hex(bar.ToolTipBorderColor()),
            "ToolTipPreTime" + n(bar.ToolTipPreTime()), "ToolTipPostTime" + n(bar.ToolTipPostTime()),
            "ToolTipShadows" + n(bar.ToolTipShadows()), "ToolTipWordWrap" + n(bar.ToolTipWordWrap()),
            "ToolTipMaxWidth" + n(bar.ToolTipMaxWidth()), "VisualStyle" + n(bar.VisualStyle()),
            "BackColor" + hex(bar.BackColor()), "BorderColor" + hex(in.BorderColor()),
            "DefaultCaptionForeColor" + hex(in.DefaultCaptionForeColor()),
            "DefaultMenuForeColor" + hex(in.DefaultMenuForeColor()), bandSizes};
  }
  // A new instance's rows with the named rows replaced.
  static Sequence NewInstanceSettingsWith(const Sequence& changed) {
    Sequence rows{"ApplyCandyEffects 0", "AutoSelectTheme 0", "CustomBandHeight 25", "LocalMoreColors More Colors...",
                  "LocalPalette Palette", "LocalSystem System", "DefaultBandSize 0", "DefaultMenuDropSize 0",
                  "DefaultCaptionFont form font", "DefaultMenuFont form font", "DefaultMenuItemFont form font",
                  "ToolTipFont form font", "DefaultMenuItemForeColor 0", "DisabledMenuForeColor 80000011",
                  "DisabledMenuItemForeColor 80000011", "BandJustification -1", "Enabled -1", "HasFocus 0",
                  "HighlightInfrequents -1", "MenuLeftMargin 24", "MenuShadows -1", "MenuHeaderSpacing 6 10",
                  "MenuItemSpacing 2 9", "ToolSpacing 0 6", "Theme 0", "RightToLeft 0", "ToolTipBackColor 80000018",
                  "ToolTipForeColor 0", "ToolTipBorderColor 0", "ToolTipPreTime 1000", "ToolTipPostTime 3000",
                  "ToolTipShadows -1", "ToolTipWordWrap 0", "ToolTipMaxWidth 300", "VisualStyle 0",
                  "BackColor ffffff", "BorderColor 80000003", "DefaultCaptionForeColor 0", "DefaultMenuForeColor 0",
                  "BandSizes 25 29 33 37 53 25"};
    for (const std::string& row : changed) {
      const std::string name = row.substr(0, row.find(' ') + 1);
      for (std::string& old : rows)
        if (old.starts_with(name)) old = row;
    }
    return rows;
  }

  // The property names the container was told about, in order.
  std::vector<std::string> ChangedProperties() const {
    std::vector<std::string> names;
    for (const PropertyChange& change : m_Form->PropertyChanges()) names.push_back(change.property);
    return names;
  }
};
