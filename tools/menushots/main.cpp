// mirel_menushots <outdir>: for each of the nine style/theme pairs, a host form holding the
// menu bar with its File menu dropped over a patterned desktop — icons, check marks, a
// sub-menu, hot keys, separators, a disabled item, infrequent items and the shadow — saved as
// menu_<style>_<theme>.png, plus contact_sheet.png with all nine.
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "container/Form.h"
#include "container/ImageList.h"
#include "container/Screen.h"
#include "core/MirelMenuBar20.h"
#include "core/MirelMenuBar20Internals.h"
#include "core/automation/cMenu.h"
#include "menu/frmMenu.h"
#include "win32/desktop.h"
#include "win32/png_io.h"

namespace {

constexpr int kScreenWidth = 360;
constexpr int kScreenHeight = 360;
constexpr int kFormLeft = 20;
constexpr int kFormTop = 16;
constexpr int kFormWidth = 320;
constexpr int kFormHeight = 40;
constexpr float kBarHeightTwips = 480;
constexpr int kIconSize = 16;
constexpr int kHighlightedItem = 2;
constexpr int kSheetColumns = 3;
constexpr int kSheetGap = 6;
constexpr COLORREF kSheetBackground = RGB(40, 40, 40);
constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr BYTE kTransparent = 0;
constexpr BYTE kOpaque = 255;

const std::array<const char*, 3> kStyleNames = {"MS2003", "MSNet", "MSIE"};
const std::array<const char*, 3> kThemeNames = {"XPBlue", "XPSilver", "XPOlive"};

// A window behind everything painted with diagonal stripes, so that shadows show what they
// darken.
LRESULT WallpaperProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  constexpr int kStripe = 8;
  if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, wParam, lParam);
  PAINTSTRUCT ps{};
  HDC hdc = BeginPaint(hwnd, &ps);
  for (int y = 0; y < kScreenHeight; ++y) {
    for (int x = 0; x < kScreenWidth; ++x) {
      const bool stripe = ((x + y) / kStripe) % 2 == 0;
      SetPixelV(hdc, x, y, stripe ? RGB(70 + y / 3, 120 + x / 6, 170) : RGB(210, 200 - y / 4, 150 + x / 4));
    }
  }
  EndPaint(hwnd, &ps);
  return 0;
}

HWND CreateWallpaper() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &WallpaperProc;
  wc.lpszClassName = "MenuShotsWallpaper";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, "MenuShotsWallpaper", "", WS_POPUP | WS_VISIBLE, 0, 0, kScreenWidth, kScreenHeight,
                              nullptr, nullptr, nullptr, nullptr);
  UpdateWindow(hwnd);
  return hwnd;
}

// Small pictures for the items: a page, a folder, a disk, a printer and a pair of scissors.
win32::Surface MakeIcon(int kind) {
  win32::Surface icon;
  icon.Resize(kIconSize, kIconSize, kKey);
  const auto box = [&](int l, int t, int r, int b, COLORREF fill, COLORREF edge) {
    for (int y = t; y < b; ++y)
      for (int x = l; x < r; ++x) icon.At(x, y) = (x == l || y == t || x == r - 1 || y == b - 1) ? edge : fill;
  };
  switch (kind) {
    case 0:
      box(3, 1, 13, 15, RGB(255, 255, 255), RGB(80, 80, 80));
      for (int y = 4; y < 13; y += 2) box(5, y, 11, y + 1, RGB(120, 140, 190), RGB(120, 140, 190));
      break;
    case 1:
      box(1, 4, 15, 14, RGB(250, 210, 90), RGB(170, 120, 20));
      box(1, 2, 7, 5, RGB(250, 210, 90), RGB(170, 120, 20));
      break;
    case 2:
      box(1, 1, 15, 15, RGB(60, 90, 170), RGB(20, 40, 100));
      box(4, 2, 12, 7, RGB(255, 255, 255), RGB(200, 200, 200));
      box(5, 10, 11, 15, RGB(180, 180, 180), RGB(120, 120, 120));
      break;
    case 3:
      box(4, 1, 12, 6, RGB(255, 255, 255), RGB(90, 90, 90));
      box(1, 6, 15, 12, RGB(170, 170, 170), RGB(70, 70, 70));
      box(4, 10, 12, 15, RGB(255, 255, 255), RGB(90, 90, 90));
      break;
    default:
      box(2, 9, 7, 14, RGB(200, 40, 40), RGB(120, 20, 20));
      box(9, 9, 14, 14, RGB(200, 40, 40), RGB(120, 20, 20));
      box(7, 1, 9, 10, RGB(150, 150, 160), RGB(90, 90, 100));
      break;
  }
  return icon;
}

std::shared_ptr<ImageList> MakeImageList() {
  constexpr int kIconCount = 5;
  auto list = std::make_shared<ImageList>();
  for (int i = 0; i < kIconCount; ++i) {
    const win32::Surface icon = MakeIcon(i);
    std::vector<BYTE> alpha;
    for (COLORREF pixel : icon.pixels) alpha.push_back(pixel == kKey ? kTransparent : kOpaque);
    list->Images().AddSurface(Variant::Missing(), Variant::Missing(), icon, alpha);
  }
  return list;
}

void FillMenus(MirelMenuBar20& bar) {
  auto menus = bar.Menus();
  auto file = menus->Add({.Key = "File", .Caption = "&File", .Enabled = true, .DisplayInfrequents = true});
  menus->Add({.Key = "Edit", .Caption = "&Edit", .Enabled = true});
  menus->Add({.Key = "View", .Caption = "&View", .Enabled = true});
  menus->Add({.Key = "Help", .Caption = "&Help", .Enabled = true});
  menus->Add({.Key = "Recent", .Caption = "Recent", .Style = tsSecondaryMenu, .Enabled = true});
  auto items = file->MenuItems();
  items->Add({.Caption = "&New", .Icon = 1, .Key = "New", .HotKey = "Ctrl+N"});
  items->Add({.Caption = "&Open...", .Icon = 2, .Key = "Open", .HotKey = "Ctrl+O"});
  items->Add({.Caption = "&Save", .Icon = 3, .Key = "Save", .HotKey = "Ctrl+S"});
  items->Add({.Caption = "Save a Copy &As...", .Key = "SaveAs"});
  items->Add({.Style = tsMenuSeperator, .Key = "Sep1"});
  items->Add({.Caption = "Auto&Save", .Checked = true, .Key = "AutoSave"});
  items->Add({.Caption = "Read &Only", .Checked = true, .Enabled = false, .Key = "ReadOnly"});
  items->Add({.Caption = "Cu&t", .Checked = true, .Icon = 5, .Key = "Cut", .HotKey = "Del"});
  items->Add({.Caption = "Page Set&up...", .Infrequent = true, .Key = "PageSetup"});
  items->Add({.Caption = "&Print Preview", .Icon = 4, .Infrequent = true, .Key = "Preview"});
  items->Add({.Style = tsSubMenu, .Caption = "Recent &Files", .SubMenuName = "Recent", .Key = "RecentFiles"});
  items->Add({.Caption = "P&roperties", .Enabled = false, .Key = "Properties"});
  items->Add({.Style = tsMenuSeperator, .Key = "Sep2"});
  items->Add({.Caption = "E&xit", .Key = "Exit", .HotKey = "Alt+F4"});
}

win32::Surface Shoot(int style, int theme, const std::filesystem::path& outdir) {
  win32::DesktopOptions options;
  options.width = kScreenWidth;
  options.height = kScreenHeight;
  win32::TheDesktop().Reset(options);
  CreateWallpaper();
  FormOptions formOptions;
  formOptions.left = kFormLeft;
  formOptions.top = kFormTop;
  formOptions.width = kFormWidth;
  formOptions.height = kFormHeight;
  Form form(formOptions);
  form.Show();
  auto bar = form.AddControl<MirelMenuBar20>({"MirelMenuBar201", 0, 0, kFormWidth * TwipsPerPixelX(), kBarHeightTwips});
  bar->SetVisualStyle(static_cast<ctsVisualStyleConstants>(style));
  bar->SetTheme(static_cast<ctsThemes>(theme));
  auto images = MakeImageList();
  ctsMBImageListTypeConstants slot = imlMenuItems;
  Variant list(std::static_pointer_cast<AutomationObject>(images));
  bar->SetImageList(slot, list);
  FillMenus(*bar);
  bar->EndUpdate();
  const int barHeight = Inside(*bar).BarHeight();
  // Every other shot keeps the infrequent items collapsed behind the expand arrow.
  Inside(*bar).MenuData().Menu(1).cMDisplayInfrequentState = (style + theme) % 2 == 0 ? VARIANT_TRUE : VARIANT_FALSE;

  // A user clicks the File caption, then points at an item.
  RECT rcBar{};
  GetWindowRect(bar->hWnd(), &rcBar);
  const tMenuInfo& file = Inside(*bar).MenuData().Menu(1);
  win32::Desktop& desktop = win32::TheDesktop();
  desktop.MouseMove(rcBar.left + file.cMCollX + file.cMWidth / 2, rcBar.top + barHeight / 2);
  desktop.Click();
  if (Inside(*bar).OpenMenuWindows().empty()) {
    std::fprintf(stderr, "the File menu did not open\n");
    return {};
  }
  frmMenu& menu = *frmMenu::FromWindow(Inside(*bar).OpenMenuWindows().front());
  RECT rcMenu{};
  GetWindowRect(menu.hWnd(), &rcMenu);
  const tMenuRow& row = menu.Layout().Row(kHighlightedItem);
  desktop.MouseMove(rcMenu.left + menu.Size().cx / 2, rcMenu.top + row.lY + menu.Layout().LineHeight() / 2);
  desktop.DoEvents();

  const std::string name = std::string("menu_") + kStyleNames[static_cast<std::size_t>(style)] + "_" +
                           kThemeNames[static_cast<std::size_t>(theme)] + ".png";
  win32::TheDesktop().SaveScreenPng((outdir / name).string());
  win32::Surface shot = win32::TheDesktop().Screen();
  bar->HideAllMenus();
  form.Unload();
  return shot;
}

win32::Surface ContactSheet(const std::vector<win32::Surface>& shots) {
  const int rows = (static_cast<int>(shots.size()) + kSheetColumns - 1) / kSheetColumns;
  win32::Surface sheet;
  sheet.Resize(kSheetColumns * (kScreenWidth + kSheetGap) + kSheetGap, rows * (kScreenHeight + kSheetGap) + kSheetGap,
               kSheetBackground);
  for (std::size_t i = 0; i < shots.size(); ++i) {
    const int left = kSheetGap + static_cast<int>(i) % kSheetColumns * (kScreenWidth + kSheetGap);
    const int top = kSheetGap + static_cast<int>(i) / kSheetColumns * (kScreenHeight + kSheetGap);
    for (int y = 0; y < shots[i].height; ++y)
      for (int x = 0; x < shots[i].width; ++x) sheet.At(left + x, top + y) = shots[i].At(x, y);
  }
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: mirel_menushots <outdir>\n");
    return 2;
  }
  const std::filesystem::path outdir = argv[1];
  std::filesystem::create_directories(outdir);
  std::vector<win32::Surface> shots;
  for (int theme = 0; theme < kThemeCount; ++theme)
    for (int style = 0; style < kVisualStyleCount; ++style) {
      shots.push_back(Shoot(style, theme, outdir));
      if (shots.back().width == 0) return 1;
    }
  if (!win32::WritePng(ContactSheet(shots), (outdir / "contact_sheet.png").string())) return 1;
  return 0;
}
