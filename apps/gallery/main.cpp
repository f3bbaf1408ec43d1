// Renders the demo form headless in every visual style and colour theme, with the File menu
// dropped and its Recent Files sub-menu cascaded by injected mouse input, to
// <folder>/<style>-<theme>.png, plus one contact sheet of all nine (<folder>/contact-sheet.png),
// the form untouched at 120 dpi, its tool bands in full, to <folder>/<style>-<theme>-120dpi.png,
// the formatting band's colour picker open to <folder>/<style>-<theme>-colors.png, the
// drawing band's symbol grid open to <folder>/<style>-<theme>-icons.png, and both panels with
// their shadows, at full size, in one sheet of all nine (<folder>/panels-sheet.png).
//   mirel_gallery [folder]      (default: out/gallery)
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/MirelMenuBar20Internals.h"
#include "demo_form/DemoAim.h"
#include "demo_form/DemoBands.h"
#include "demo_form/DemoForm.h"
#include "demo_form/DemoMenus.h"
#include "win32/desktop.h"
#include "win32/png_io.h"
#include "win32/windows.h"

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 700;
constexpr char kDefaultFolder[] = "out/gallery";
constexpr int kFileMenu = 1;
constexpr int kRecentFilesItem = 6;
constexpr int kFirstRecentFile = 2;
constexpr DWORD kSubMenuDelay = 1100;  // the menu window's hover timer is 1000 ms
// From the arrow of a drop-down tool to a colour of the open picker's palette, to a symbol of
// the open grid.
constexpr POINT kPickerCell{40, 75};
constexpr POINT kGridCell{30, 40};
// The contact sheet shows the top-left part of each shot, scaled down.
constexpr int kSheetCropWidth = 600;
constexpr int kSheetCropHeight = 330;
constexpr int kSheetScale = 2;
constexpr int kSheetColumns = 3;
constexpr int kSheetGap = 8;
constexpr int kLabelHeight = 18;  // pixels above each cell for its style and theme
constexpr int kLabelFontHeight = -12;
constexpr COLORREF kSheetBack = RGB(0x40, 0x40, 0x40);
constexpr COLORREF kLabelInk = RGB(0xFF, 0xFF, 0xFF);
// The panel sheet: each open panel with this much of the screen around it, unscaled.
constexpr int kPanelMargin = 8;
constexpr int kPanelCellWidth = 320;
constexpr int kPanelCellHeight = 230;
constexpr int kExitFailed = 1;
constexpr int kLargeDpi = 120;

constexpr const char* kStyleNames[] = {"tsMS2003", "tsMSNet", "tsMSIE"};
constexpr const char* kThemeNames[] = {"XPBlue", "XPSilver", "XPOlive"};

// File dropped by a click on its caption, the pointer resting on Recent Files until its
// sub-menu opens, then on the second recent file.
void OpenFileAndRecentFiles(DemoForm& form) {
  win32::Desktop& desktop = win32::TheDesktop();
  const POINT caption = CaptionPoint(form.Bar(), kFileMenu);
  desktop.MouseMove(caption.x, caption.y);
  desktop.Click();
  const std::vector<HWND> dropped = Inside(form.Bar()).OpenMenuWindows();
  if (dropped.empty()) return;
  const POINT recent = RowPoint(dropped.back(), kRecentFilesItem);
  desktop.MouseMove(recent.x, recent.y);
  desktop.AdvanceTime(kSubMenuDelay);
  const std::vector<HWND> cascaded = Inside(form.Bar()).OpenMenuWindows();
  if (cascaded.size() < 2) return;
  const POINT file = RowPoint(cascaded.back(), kFirstRecentFile);
  desktop.MouseMove(file.x, file.y);
}

// A drop-down dropped by a click on its arrow, the pointer then resting (dx, dy) from the arrow.
void OpenDropDown(DemoForm& form, const char* sBand, const char* sTool, POINT rest) {
  win32::Desktop& desktop = win32::TheDesktop();
  const POINT arrow = ToolArrowPoint(form.Bar(), sBand, sTool);
  desktop.MouseMove(arrow.x, arrow.y);
  desktop.Click();
  desktop.MouseMove(arrow.x + rest.x, arrow.y + rest.y);
}

enum class eShot { Menus, Bands, ColorPicker, IconGrid };

// The screen, and the rectangle of the pop-up opened last (empty when none is open).
struct tShot {
  win32::Surface screen;
  RECT popup{};
};

tShot Shot(ctsVisualStyleConstants style, ctsThemes theme, eShot what) {
  const int dpi = what == eShot::Bands ? kLargeDpi : win32::kDefaultDpi;
  win32::TheDesktop().Reset(win32::DesktopOptions{kScreenWidth, kScreenHeight, dpi});
  DemoForm form(DemoFormOptions{.width = kScreenWidth, .height = kScreenHeight, .visualStyle = style, .theme = theme},
                nullptr);
  win32::TheDesktop().DoEvents();
  if (what == eShot::Menus) OpenFileAndRecentFiles(form);
  if (what == eShot::ColorPicker) {
    OpenDropDown(form, demo_keys::kFormattingBand, demo_keys::kFontColorTool, kPickerCell);
  }
  if (what == eShot::IconGrid) OpenDropDown(form, demo_keys::kDrawingBand, demo_keys::kSymbolTool, kGridCell);
  tShot shot{win32::TheDesktop().Screen(), {}};
  const std::vector<HWND> open = Inside(form.Bar()).OpenMenuWindows();
  if (!open.empty()) GetWindowRect(open.back(), &shot.popup);
  return shot;
}

bool Write(const win32::Surface& shot, const std::filesystem::path& file) {
  if (!win32::WritePng(shot, file.string())) {
    std::fprintf(stderr, "could not write %s\n", file.c_str());
    return false;
  }
  std::printf("%s\n", file.c_str());
  return true;
}

// The crop scaled down by averaging each scale x scale block.
COLORREF BlockAverage(const win32::Surface& shot, int left, int top, int scale) {
  int red = 0;
  int green = 0;
  int blue = 0;
  for (int y = top; y < top + scale; ++y) {
    for (int x = left; x < left + scale; ++x) {
      const COLORREF c = shot.At(x, y);
      red += GetRValue(c);
      green += GetGValue(c);
      blue += GetBValue(c);
    }
  }
  const int block = scale * scale;
  return RGB(red / block, green / block, blue / block);
}

// The part `crop` of a shot (kept inside it), scaled down by `scale`, pasted at (left, top).
void Paste(win32::Surface& sheet, const win32::Surface& shot, RECT crop, int scale, int left, int top) {
  crop.left = std::max<LONG>(0, crop.left);
  crop.top = std::max<LONG>(0, crop.top);
  crop.right = std::min<LONG>(shot.width, crop.right);
  crop.bottom = std::min<LONG>(shot.height, crop.bottom);
  for (int y = 0; y < (crop.bottom - crop.top) / scale; ++y) {
    for (int x = 0; x < (crop.right - crop.left) / scale; ++x) {
      sheet.At(left + x, top + y) = BlockAverage(shot, crop.left + x * scale, crop.top + y * scale, scale);
    }
  }
}

// The open panel with kPanelMargin pixels around it, cut to the sheet's cell.
RECT PanelCrop(const RECT& popup, int width) {
  return RECT{popup.left - kPanelMargin, popup.top - kPanelMargin,
              std::min<LONG>(popup.right + kPanelMargin, popup.left - kPanelMargin + width),
              std::min<LONG>(popup.bottom + kPanelMargin, popup.top - kPanelMargin + kPanelCellHeight)};
}

void Label(win32::Surface& sheet, const std::string& text, int left, int top, int width) {
  HDC hdc = win32::CreateSurfaceDC(&sheet, POINT{0, 0}, RECT{0, 0, sheet.width, sheet.height});
  LOGFONTA lf{};
  lf.lfHeight = kLabelFontHeight;
  lf.lfWeight = FW_BOLD;
  std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", "Tahoma");
  HFONT font = CreateFontIndirectA(&lf);
  HGDIOBJ old = SelectObject(hdc, font);
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, kLabelInk);
  RECT rect{left, top, left + width, top + kLabelHeight};
  DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(hdc, old);
  DeleteObject(font);
  DeleteDC(hdc);
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path folder = argc > 1 ? argv[1] : kDefaultFolder;
  std::filesystem::create_directories(folder);
  const int cellWidth = kSheetCropWidth / kSheetScale;
  const int cellHeight = kSheetCropHeight / kSheetScale;
  const int rows = static_cast<int>(std::size(kStyleNames) * std::size(kThemeNames)) / kSheetColumns;
  win32::Surface sheet;
  const int rowHeight = kLabelHeight + cellHeight + kSheetGap;
  sheet.Resize(kSheetColumns * (cellWidth + kSheetGap) + kSheetGap, rows * rowHeight + kSheetGap, kSheetBack);
  win32::Surface panels;
  const int panelRowHeight = kLabelHeight + kPanelCellHeight + kSheetGap;
  panels.Resize(kSheetColumns * (kPanelCellWidth + kSheetGap) + kSheetGap, rows * panelRowHeight + kSheetGap,
                kSheetBack);
  int cell = 0;
  for (int style = tsMS2003; style <= tsMSIE; ++style) {
    for (int theme = XPBlue; theme <= XPOlive; ++theme, ++cell) {
      const auto eStyle = static_cast<ctsVisualStyleConstants>(style);
      const auto eTheme = static_cast<ctsThemes>(theme);
      const std::string name = std::string(kStyleNames[style]) + "-" + kThemeNames[theme];
      const std::string label = std::string(kStyleNames[style]) + " / " + kThemeNames[theme];
      if (!Write(Shot(eStyle, eTheme, eShot::Bands).screen, folder / (name + "-120dpi.png"))) return kExitFailed;
      const tShot colors = Shot(eStyle, eTheme, eShot::ColorPicker);
      if (!Write(colors.screen, folder / (name + "-colors.png"))) return kExitFailed;
      const tShot icons = Shot(eStyle, eTheme, eShot::IconGrid);
      if (!Write(icons.screen, folder / (name + "-icons.png"))) return kExitFailed;
      const int panelLeft = kSheetGap + (cell % kSheetColumns) * (kPanelCellWidth + kSheetGap);
      const int panelTop = kSheetGap + (cell / kSheetColumns) * panelRowHeight;
      Label(panels, label, panelLeft, panelTop, kPanelCellWidth);
      const RECT colorsCrop = PanelCrop(colors.popup, kPanelCellWidth);
      Paste(panels, colors.screen, colorsCrop, 1, panelLeft, panelTop + kLabelHeight);
      const int iconsLeft = panelLeft + (colorsCrop.right - colorsCrop.left);
      Paste(panels, icons.screen, PanelCrop(icons.popup, kPanelCellWidth - (iconsLeft - panelLeft)), 1, iconsLeft,
            panelTop + kLabelHeight);
      const win32::Surface shot = Shot(eStyle, eTheme, eShot::Menus).screen;
      if (!Write(shot, folder / (name + ".png"))) return kExitFailed;
      const int left = kSheetGap + (cell % kSheetColumns) * (cellWidth + kSheetGap);
      const int top = kSheetGap + (cell / kSheetColumns) * rowHeight;
      Label(sheet, label, left, top, cellWidth);
      Paste(sheet, shot, RECT{0, 0, kSheetCropWidth, kSheetCropHeight}, kSheetScale, left, top + kLabelHeight);
    }
  }
  if (!Write(panels, folder / "panels-sheet.png")) return kExitFailed;
  return Write(sheet, folder / "contact-sheet.png") ? 0 : kExitFailed;
}
