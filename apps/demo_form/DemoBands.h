// The demo's tool bands, built through the control's public object model under its menu bar:
// a standard band (file and edit buttons with tips, an Insert menu drop-down), a formatting band (font-name label, the
// hosted size box, bold/italic/underline toggles, an alignment group, text and highlight colour
// drop-downs) on
// the first line, and a drawing band whose captions stand beside its icons on the second.
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
inline constexpr char kToolCaptions[] = "ToolCaptions";
inline constexpr char kBandSizeMenu[] = "BandSizeMenu";
// Items of the band-size menu, in ctsBandSizeConstants order up to bs32x32.
inline constexpr const char* kBandSizeItems[] = {"BandSmall", "BandMedium", "BandLarge", "BandHuge"};
}  // namespace demo_keys

// Adds the three bands; `sizeBox` is the formatting band's hosted control.
void BuildDemoBands(MirelMenuBar20& bar, const DemoIcons& icons, const std::shared_ptr<DemoEditBox>& sizeBox);
// Shows or hides the captions of the standard and formatting bands.
void ShowToolCaptions(MirelMenuBar20& bar, bool bShow);
