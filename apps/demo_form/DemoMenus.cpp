#include "demo_form/DemoMenus.h"

#include <initializer_list>
#include <string>

namespace {

using namespace demo_keys;

const MenuItemAddArgs kSeparator{.Style = tsMenuSeperator};

std::shared_ptr<cMenuItems> AddMenu(MirelMenuBar20& bar, MenuAddArgs args) {
  args.Enabled = true;
  return bar.Menus()->Add(args)->MenuItems();
}

std::shared_ptr<cMenuItems> AddSecondaryMenu(MirelMenuBar20& bar, const std::string& key, const std::string& caption) {
  return AddMenu(bar, {.Key = key, .Caption = caption, .Style = tsSecondaryMenu});
}

void AddItems(cMenuItems& items, std::initializer_list<MenuItemAddArgs> list) {
  for (const MenuItemAddArgs& args : list) items.Add(args);
}

// Makes the keyed items one exclusive group, `checked` the chosen one.
void Group(cMenuItems& items, std::int16_t groupId, std::initializer_list<const char*> keys, const char* checked) {
  for (const char* key : keys) {
    const auto item = items.Item(Variant(std::string(key)));
    item->Grouped(true);
    item->GroupID(groupId);
  }
  items.Item(Variant(std::string(checked)))->Checked(true);
}

void BuildFile(MirelMenuBar20& bar, const DemoIcons& icons) {
  auto file = AddMenu(bar, {.Key = kFileMenu, .Caption = "&File"});
  AddItems(*file, {
      {.Caption = "&New", .Icon = icons.Item("actions/document-new"), .Key = "New", .ToolTipText = "Create a new document", .HotKey = "Ctrl+N"},
      {.Caption = "&Open...", .Icon = icons.Item("actions/document-open"), .Key = "Open", .ToolTipText = "Open an existing document", .HotKey = "Ctrl+O"},
      {.Caption = "&Save", .Icon = icons.Item("actions/document-save"), .Key = "Save", .HotKey = "Ctrl+S"},
      {.Caption = "Save &As...", .Icon = icons.Item("actions/document-save-as"), .Key = "SaveAs"},
      kSeparator,
      {.Style = tsSubMenu, .Caption = "&Recent Files", .SubMenuName = "RecentMenu", .Key = "Recent"},
      kSeparator,
      {.Caption = "Print Pre&view", .Icon = icons.Item("actions/document-print-preview"), .Key = "PrintPreview"},
      {.Caption = "&Print...", .Icon = icons.Item("actions/document-print"), .Key = "Print", .HotKey = "Ctrl+P"},
      {.Caption = "Propert&ies", .Icon = icons.Item("actions/document-properties"), .Key = "Properties"},
      kSeparator,
      {.Caption = "E&xit", .Icon = icons.Item("actions/system-log-out"), .Key = kExit},
  });
}

void BuildEdit(MirelMenuBar20& bar, const DemoIcons& icons) {
  auto edit = AddMenu(bar, {.Key = "Edit", .Caption = "&Edit"});
  AddItems(*edit, {
      {.Caption = "&Undo Typing", .Icon = icons.Item("actions/edit-undo"), .Key = "Undo", .HotKey = "Ctrl+Z"},
      {.Caption = "&Redo", .Enabled = false, .Icon = icons.Item("actions/edit-redo"), .Key = "Redo", .HotKey = "Ctrl+Y"},
      kSeparator,
      {.Caption = "Cu&t", .Icon = icons.Item("actions/edit-cut"), .Key = "Cut", .HotKey = "Ctrl+X"},
      {.Caption = "&Copy", .Icon = icons.Item("actions/edit-copy"), .Key = "Copy", .HotKey = "Ctrl+C"},
      {.Caption = "&Paste", .Icon = icons.Item("actions/edit-paste"), .Key = "Paste", .HotKey = "Ctrl+V"},
      {.Caption = "Paste &Special...", .Enabled = false, .Key = "PasteSpecial"},
      {.Caption = "Cle&ar", .Icon = icons.Item("actions/edit-delete"), .Key = "Clear", .HotKey = "Del"},
      kSeparator,
      {.Caption = "Select A&ll", .Icon = icons.Item("actions/edit-select-all"), .Key = "SelectAll", .HotKey = "Ctrl+A"},
      {.Caption = "&Find...", .Icon = icons.Item("actions/edit-find"), .Key = "Find", .HotKey = "Ctrl+F"},
      {.Caption = "R&eplace...", .Icon = icons.Item("actions/edit-find-replace"), .Key = "Replace", .HotKey = "Ctrl+H"},
  });
}

void BuildView(MirelMenuBar20& bar, const DemoIcons& icons) {
  auto view = AddMenu(bar, {.Key = "View", .Caption = "&View", .DisplayInfrequents = true});
  AddItems(*view, {
      {.Caption = "&Normal", .Key = "Normal"},
      {.Caption = "&Web Layout", .Key = "WebLayout"},
      {.Caption = "&Print Layout", .Key = "PrintLayout"},
      kSeparator,
      {.Style = tsSubMenu, .Caption = "&Toolbars", .SubMenuName = "ToolbarsMenu", .Key = "Toolbars"},
      {.Caption = "&Ruler", .Checked = true, .Key = "Ruler"},
      {.Caption = "&Status Bar", .Checked = true, .Infrequent = true, .Key = "StatusBar"},
      kSeparator,
      {.Caption = "&Zoom...", .Infrequent = true, .Key = "Zoom"},
      {.Caption = "F&ull Screen", .Icon = icons.Item("actions/view-fullscreen"), .Infrequent = true, .Key = "FullScreen"},
      {.Caption = "R&efresh", .Icon = icons.Item("actions/view-refresh"), .Key = "Refresh", .HotKey = "F5"},
  });
  Group(*view, demo_groups::kLayout, {"Normal", "WebLayout", "PrintLayout"}, "PrintLayout");
}

void BuildInsert(MirelMenuBar20& bar, const DemoIcons& icons) {
  auto insert = AddMenu(bar, {.Key = "Insert", .Caption = "&Insert"});
  AddItems(*insert, {
      {.Caption = "&Break...", .Key = "Break"},
      {.Caption = "Page N&umbers...", .Key = "PageNumbers"},
      {.Caption = "Date and &Time...", .Icon = icons.Item("apps/office-calendar"), .Key = "DateTime"},
      {.Caption = "&Symbol...", .Icon = icons.Item("apps/accessories-character-map"), .Key = "Symbol"},
      kSeparator,
      {.Style = tsSubMenu, .Caption = "&Picture", .Icon = icons.Item("mimetypes/image-x-generic"), .SubMenuName = "PictureMenu", .Key = "Picture"},
      {.Caption = "Hyperl&ink...", .Enabled = false, .Key = "Hyperlink", .HotKey = "Ctrl+K"},
  });
}

void BuildFormat(MirelMenuBar20& bar, const DemoIcons& icons) {
  auto format = AddMenu(bar, {.Key = "Format", .Caption = "F&ormat"});
  AddItems(*format, {
      {.Caption = "&Font...", .Icon = icons.Item("apps/preferences-desktop-font"), .Key = "Font"},
      {.Caption = "&Paragraph...", .Key = "Paragraph"},
      kSeparator,
      {.Caption = "&Bold", .Icon = icons.Item("actions/format-text-bold"), .Key = "Bold", .HotKey = "Ctrl+B"},
      {.Caption = "&Italic", .Icon = icons.Item("actions/format-text-italic"), .Key = "Italic", .HotKey = "Ctrl+I"},
      {.Caption = "&Underline", .Icon = icons.Item("actions/format-text-underline"), .Key = "Underline", .HotKey = "Ctrl+U"},
      kSeparator,
      {.Style = tsSubMenu, .Caption = "&Align", .Icon = icons.Item("actions/format-justify-left"), .SubMenuName = "AlignMenu", .Key = "Align"},
      {.Caption = "Increase In&dent", .Icon = icons.Item("actions/format-indent-more"), .Key = "IndentMore"},
      {.Caption = "Decrease I&ndent", .Icon = icons.Item("actions/format-indent-less"), .Key = "IndentLess"},
  });
}

void BuildTools(MirelMenuBar20& bar, const DemoIcons& icons) {
  auto tools = AddMenu(bar, {.Key = "Tools", .Caption = "&Tools", .Icon = icons.Header("categories/preferences-system")});
  AddItems(*tools, {
      {.Style = tsSubMenu, .Caption = "Visual &Style", .Icon = icons.Item("apps/preferences-desktop-theme"), .SubMenuName = kStyleMenu, .Key = "Style"},
      {.Style = tsSubMenu, .Caption = "&Theme", .SubMenuName = kThemeMenu, .Key = "Theme"},
      {.Caption = "&Right to Left", .Key = kRightToLeft},
      {.Caption = "Tool &Captions", .Key = kToolCaptions},
      {.Style = tsSubMenu, .Caption = "&Band Size", .SubMenuName = kBandSizeMenu, .Key = "BandSize"},
      kSeparator,
      {.Caption = "&Spelling...", .Icon = icons.Item("apps/accessories-text-editor"), .Key = "Spelling", .HotKey = "F7"},
      {.Caption = "&Word Count...", .Key = "WordCount"},
      kSeparator,
      {.Caption = "&Options...", .Icon = icons.Item("categories/preferences-system"), .Key = "Options"},
  });
}

void BuildWindow(MirelMenuBar20& bar, const DemoIcons& icons) {
  auto window = AddMenu(bar, {.Key = "Window", .Caption = "&Window"});
  AddItems(*window, {
      {.Caption = "&New Window", .Icon = icons.Item("actions/window-new"), .Key = "NewWindow"},
      {.Caption = "&Arrange All", .Key = "ArrangeAll"},
      {.Caption = "&Split", .Enabled = false, .Key = "Split"},
      kSeparator,
      {.Caption = "&1 Document1", .Checked = true, .Key = "Document1"},
  });
}

void BuildHelp(MirelMenuBar20& bar, const DemoIcons& icons) {
  auto help = AddMenu(bar, {.Key = "Help", .Caption = "&Help", .Icon = icons.Header("apps/help-browser")});
  AddItems(*help, {
      {.Caption = "&Contents", .Icon = icons.Item("apps/help-browser"), .Key = "Contents", .HotKey = "F1"},
      kSeparator,
      {.Caption = "&About MirelMenuBar20", .Key = kAbout},
  });
}

void BuildSecondaryMenus(MirelMenuBar20& bar, const DemoIcons& icons) {
  AddItems(*AddSecondaryMenu(bar, "RecentMenu", "Recent Files"), {
      {.Caption = "&1 Report.doc", .Key = "Recent1"},
      {.Caption = "&2 Letter to Anna.doc", .Key = "Recent2"},
      {.Caption = "&3 Minutes.doc", .Key = "Recent3"},
  });
  AddItems(*AddSecondaryMenu(bar, "ToolbarsMenu", "Toolbars"), {
      {.Caption = "&Standard", .Checked = true, .Key = "TbStandard"},
      {.Caption = "&Formatting", .Checked = true, .Key = "TbFormatting"},
      {.Caption = "&Drawing", .Key = "TbDrawing"},
  });
  AddItems(*AddSecondaryMenu(bar, "PictureMenu", "Picture"), {
      {.Caption = "&From File...", .Icon = icons.Item("mimetypes/image-x-generic"), .Key = "FromFile"},
      {.Caption = "&Clip Art...", .Enabled = false, .Key = "ClipArt"},
  });
  auto align = AddSecondaryMenu(bar, "AlignMenu", "Align");
  AddItems(*align, {
      {.Caption = "&Left", .Icon = icons.Item("actions/format-justify-left"), .Key = "AlignLeft", .HotKey = "Ctrl+L"},
      {.Caption = "&Center", .Icon = icons.Item("actions/format-justify-center"), .Key = "AlignCenter", .HotKey = "Ctrl+E"},
      {.Caption = "&Right", .Icon = icons.Item("actions/format-justify-right"), .Key = "AlignRight", .HotKey = "Ctrl+R"},
      {.Caption = "&Justify", .Icon = icons.Item("actions/format-justify-fill"), .Key = "AlignJustify", .HotKey = "Ctrl+J"},
  });
  Group(*align, demo_groups::kAlignment, {"AlignLeft", "AlignCenter", "AlignRight", "AlignJustify"}, "AlignLeft");
  auto style = AddSecondaryMenu(bar, kStyleMenu, "Visual Style");
  AddItems(*style, {
      {.Caption = "Office &2003", .Key = kStyleItems[tsMS2003]},
      {.Caption = "Visual Studio .&NET", .Key = kStyleItems[tsMSNet]},
      {.Caption = "&Internet Explorer", .Key = kStyleItems[tsMSIE]},
  });
  Group(*style, demo_groups::kStyle, {kStyleItems[tsMS2003], kStyleItems[tsMSNet], kStyleItems[tsMSIE]},
        kStyleItems[DrawnVisualStyle(bar.VisualStyle())]);
  auto theme = AddSecondaryMenu(bar, kThemeMenu, "Theme");
  AddItems(*theme, {
      {.Caption = "&Blue", .Key = kThemeItems[XPBlue]},
      {.Caption = "&Silver", .Key = kThemeItems[XPSilver]},
      {.Caption = "&Olive", .Key = kThemeItems[XPOlive]},
  });
  Group(*theme, demo_groups::kTheme, {kThemeItems[XPBlue], kThemeItems[XPSilver], kThemeItems[XPOlive]},
        kThemeItems[DrawnTheme(bar.Theme())]);
  auto bandSize = AddSecondaryMenu(bar, kBandSizeMenu, "Band Size");
  AddItems(*bandSize, {
      {.Caption = "&Small (16 x 16)", .Key = kBandSizeItems[bs16x16]},
      {.Caption = "&Medium (24 x 24)", .Key = kBandSizeItems[bs24x24]},
      {.Caption = "&Large (28 x 28)", .Key = kBandSizeItems[bs28x28]},
      {.Caption = "&Huge (32 x 32)", .Key = kBandSizeItems[bs32x32]},
  });
  Group(*bandSize, demo_groups::kBandSize,
        {kBandSizeItems[bs16x16], kBandSizeItems[bs24x24], kBandSizeItems[bs28x28], kBandSizeItems[bs32x32]},
        kBandSizeItems[bar.DefaultBandSize()]);
  AddItems(*AddSecondaryMenu(bar, kInsertToolMenu, "Insert"), {
      {.Caption = "&Picture", .Icon = icons.Item("mimetypes/image-x-generic"), .Key = "InsPicture"},
      {.Caption = "&Table", .Key = "InsTable"},
      {.Caption = "&Date and Time", .Icon = icons.Item("apps/office-calendar"), .Key = "InsDate"},
      {.Caption = "&Symbol", .Icon = icons.Item("apps/accessories-character-map"), .Key = "InsSymbol"},
  });
  AddItems(*AddSecondaryMenu(bar, kContextMenu, "Document"), {
      {.Caption = "Cu&t", .Icon = icons.Item("actions/edit-cut"), .Key = "CtxCut"},
      {.Caption = "&Copy", .Icon = icons.Item("actions/edit-copy"), .Key = "CtxCopy"},
      {.Caption = "&Paste", .Icon = icons.Item("actions/edit-paste"), .Key = "CtxPaste"},
      kSeparator,
      {.Caption = "&Font...", .Icon = icons.Item("apps/preferences-desktop-font"), .Key = "CtxFont"},
      {.Caption = "&Paragraph...", .Key = "CtxParagraph"},
  });
}

}  // namespace

void BuildDemoMenus(MirelMenuBar20& bar, const DemoIcons& icons) {
  BuildFile(bar, icons);
  BuildEdit(bar, icons);
  BuildView(bar, icons);
  BuildInsert(bar, icons);
  BuildFormat(bar, icons);
  BuildTools(bar, icons);
  BuildWindow(bar, icons);
  BuildHelp(bar, icons);
  BuildSecondaryMenus(bar, icons);
}
