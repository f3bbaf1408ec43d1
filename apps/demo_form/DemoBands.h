// The demo's tool bands, built through the control's public object model under its menu bar:
// a standard band (file and edit buttons with tips, an Insert menu drop-down), a formatting band (font-name label, the
// hosted size box, bold/italic/underline toggles, an alignment group, text and highlight colour
// drop-downs) on
// the first line, and a drawing band whose captions stand beside its icons on the second, its
// Symbol tool dropping a grid of symbols to insert.
#pragma once
#include <memory>

#include "core/MirelMenuBar20.h"
#include "demo_form/DemoEditBox.h"
#include "demo_form/DemoIcons.h"

namespace demo_keys {
inline constexpr char kStandardBand[] = "Standard";
inline constexpr char kFormattingBand[] = "Formatting";
inline constexpr char kDrawingBand[] = "Drawing";
// The standard band's menu drop-down tool.
inline constexpr char kInsertTool[] = "Insert";
// The formatting band's colour drop-downs: the text colour and the highlight behind it.
inline constexpr char kFontColorTool[] = "FontColor";
inline constexpr char kHighlightTool[] = "Highlight";
// The drawing band's icon drop-down and the drop-down it opens.
inline constexpr char kSymbolTool[] = "Symbol";
inline constexpr char kSymbolsDropDown[] = "Symbols";
inline constexpr char kToolCaptions[] = "ToolCaptions";
inline constexpr char kBandSizeMenu[] = "BandSizeMenu";
// Items of the band-size menu, in ctsBandSizeConstants order up to bs32x32.
inline constexpr const char* kBandSizeItems[] = {"BandSmall", "BandMedium", "BandLarge", "BandHuge"};
}  // namespace demo_keys

// The symbols of the Symbol tool's grid: the icon's key, the text it inserts (Windows-1252, as
// the document draws it) and its tip.
struct DemoSymbol {
  const char* key;
  const char* text;
  const char* tip;
  const char* icon;
};
inline constexpr DemoSymbol kDemoSymbols[] = {
    {"Copyright", "\xA9", "Copyright sign", "apps/preferences-desktop-font"},
    {"Registered", "\xAE", "Registered sign", "apps/accessories-character-map"},
    {"Section", "\xA7", "Section sign", "apps/accessories-text-editor"},
    {"Pilcrow", "\xB6", "Paragraph sign", "actions/format-justify-fill"},
    {"Degree", "\xB0", "Degree sign", "apps/preferences-desktop-theme"},
    {"PlusMinus", "\xB1", "Plus-minus sign", "actions/list-add"},
    {"Euro", "\x80", "Euro sign", "apps/office-calendar"},
    {"Dagger", "\x86", "Dagger", "apps/help-browser"},
};

// Adds the three bands; `sizeBox` is the formatting band's hosted control.
void BuildDemoBands(MirelMenuBar20& bar, const DemoIcons& icons, const std::shared_ptr<DemoEditBox>& sizeBox);
// Shows or hides the captions of the standard and formatting bands.
void ShowToolCaptions(MirelMenuBar20& bar, bool bShow);
