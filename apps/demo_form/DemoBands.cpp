#include "demo_form/DemoBands.h"

#include <initializer_list>

namespace {

constexpr std::int16_t kAlignmentGroup = 1;
constexpr OLE_COLOR kDarkRed = 0x000000C0;
constexpr OLE_COLOR kHighlightYellow = 0x0080FFFF;
const ToolAddArgs kSeparator{.Style = teSeperator};

void AddTools(cTools& tools, std::initializer_list<ToolAddArgs> list) {
  for (const ToolAddArgs& args : list) tools.Add(args);
}

void BuildStandard(cBands& bands, const DemoIcons& icons) {
  auto tools = bands.Add({.Key = demo_keys::kStandardBand, .lLineIndex = 1, .lLinePosition = 1, .lWidth = 290})->Tools();
  const auto button = [&](const char* key, const char* caption, const char* icon, const char* tip) {
    return ToolAddArgs{.Key = key, .Caption = caption, .CaptionAlignment = tsRight, .Icon = icons.Item(icon),
                       .ToolTipText = tip};
  };
  AddTools(*tools, {
      button("New", "New", "actions/document-new", "New document (Ctrl+N)"),
      button("Open", "Open", "actions/document-open", "Open a document (Ctrl+O)"),
      button("Save", "Save", "actions/document-save", "Save the document (Ctrl+S)"),
      button("Print", "Print", "actions/document-print", "Print the document (Ctrl+P)"),
      kSeparator,
      button("Cut", "Cut", "actions/edit-cut", "Cut the selection (Ctrl+X)"),
      button("Copy", "Copy", "actions/edit-copy", "Copy the selection (Ctrl+C)"),
      button("Paste", "Paste", "actions/edit-paste", "Paste (Ctrl+V)"),
      kSeparator,
      button("Undo", "Undo", "actions/edit-undo", "Undo the last change (Ctrl+Z)"),
      {.Key = demo_keys::kInsertTool, .Caption = "Insert", .CaptionAlignment = tsRight,
       .Icon = icons.Item("actions/list-add"), .Style = teMenuDropDown, .ToolTipText = "Insert into the document"},
  });
}

void BuildFormatting(cBands& bands, const DemoIcons& icons, const std::shared_ptr<DemoEditBox>& sizeBox) {
  auto tools =
      bands.Add({.Key = demo_keys::kFormattingBand, .lLineIndex = 1, .lLinePosition = 2, .lWidth = 340})->Tools();
  const auto toggle = [&](const char* key, const char* icon, const char* tip) {
    return ToolAddArgs{.Key = key, .Icon = icons.Item(icon), .Toggle = true, .ToolTipText = tip};
  };
  const auto aligned = [&](const char* key, const char* icon, const char* tip) {
    return ToolAddArgs{.Key = key, .Grouped = true, .GroupID = kAlignmentGroup, .Icon = icons.Item(icon),
                       .ToolTipText = tip};
  };
  AddTools(*tools, {
      {.Key = "FontName", .Caption = "Tahoma", .Style = teLabel},
      {.Key = "FontSize", .Style = teControl, .Ctrl = sizeBox, .ToolTipText = "Font size"},
      kSeparator,
      toggle("Bold", "actions/format-text-bold", "Bold (Ctrl+B)"),
      toggle("Italic", "actions/format-text-italic", "Italic (Ctrl+I)"),
      toggle("Underline", "actions/format-text-underline", "Underline (Ctrl+U)"),
      kSeparator,
      aligned("Left", "actions/format-justify-left", "Align left"),
      aligned("Center", "actions/format-justify-center", "Centre"),
      aligned("Right", "actions/format-justify-right", "Align right"),
      kSeparator,
      {.Key = demo_keys::kFontColorTool, .Icon = icons.Item("apps/accessories-character-map"),
       .Style = teColorDropDown, .ToolTipText = "Font colour"},
      {.Key = demo_keys::kHighlightTool, .Icon = icons.Item("apps/accessories-text-editor"),
       .Style = teColorDropDown, .ToolTipText = "Highlight"},
  });
  tools->Item("Left")->State(true);
  tools->Item(demo_keys::kFontColorTool)->DisplayColor(kDarkRed);
  tools->Item(demo_keys::kHighlightTool)->DisplayColor(kHighlightYellow);
}

// Four symbols a row, two rows, drawn from the tools' image list.
void BuildSymbols(MirelMenuBar20& bar, const DemoIcons& icons) {
  constexpr std::int16_t kRows = 2;
  constexpr std::int16_t kColumns = 4;
  auto symbols = bar.DropDowns()->Add({.Key = Variant(demo_keys::kSymbolsDropDown), .iRows = kRows,
                                       .iColumns = kColumns,
                                       .oImageList = Variant(std::static_pointer_cast<AutomationObject>(icons.ItemImages()))});
  if (!symbols) return;
  for (const DemoSymbol& symbol : kDemoSymbols) {
    symbols->Tools()->Add({.Key = symbol.key, .Enabled = true, .Icon = icons.Item(symbol.icon), .ToolTipText = symbol.tip});
  }
}

void BuildDrawing(cBands& bands, const DemoIcons& icons) {
  auto band = bands.Add({.Key = demo_keys::kDrawingBand, .lLineIndex = 2, .lLinePosition = 1, .lWidth = 400});
  band->DisplayCaptions(true);
  const auto drawn = [&](const char* key, const char* caption, const char* icon) {
    return ToolAddArgs{.Key = key, .Caption = caption, .CaptionAlignment = tsRight, .Icon = icons.Item(icon),
                       .ToolTipText = caption};
  };
  AddTools(*band->Tools(), {
      drawn("Select", "Select", "actions/edit-select-all"),
      drawn("Picture", "Picture", "mimetypes/image-x-generic"),
      drawn("TextBox", "Text Box", "apps/accessories-text-editor"),
      kSeparator,
      {.Key = demo_keys::kSymbolTool, .Caption = "Symbol", .CaptionAlignment = tsRight,
       .Icon = icons.Item("apps/accessories-character-map"), .Style = teIconDropDown, .ToolTipText = "Symbol"},
      drawn("Date", "Date", "apps/office-calendar"),
  });
}

}  // namespace

void BuildDemoBands(MirelMenuBar20& bar, const DemoIcons& icons, const std::shared_ptr<DemoEditBox>& sizeBox) {
  ctsMBImageListTypeConstants toolSlot = imlToolItems;
  Variant toolImages(std::static_pointer_cast<AutomationObject>(icons.ItemImages()));
  bar.SetImageList(toolSlot, toolImages);
  auto bands = bar.Bands();
  BuildStandard(*bands, icons);
  BuildFormatting(*bands, icons, sizeBox);
  BuildDrawing(*bands, icons);
  BuildSymbols(bar, icons);
}

void ShowToolCaptions(MirelMenuBar20& bar, bool bShow) {
  for (const char* key : {demo_keys::kStandardBand, demo_keys::kFormattingBand}) {
    bar.Bands()->Item(key)->DisplayCaptions(bShow);
  }
}
