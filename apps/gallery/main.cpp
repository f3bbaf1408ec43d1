// Renders the demo form headless in every visual style and colour theme, with the File menu
// dropped and its Recent Files sub-menu cascaded by injected mouse input, to
// <folder>/<style>-<theme>.png, plus one contact sheet of all nine (<folder>/contact-sheet.png).
//   mirel_gallery [folder]      (default: out/gallery)
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "demo_form/DemoAim.h"
#include "demo_form/DemoForm.h"
#include "demo_form/DemoMenus.h"
#include "win32/desktop.h"
#include "win32/png_io.h"

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 700;
constexpr char kDefaultFolder[] = "out/gallery";
constexpr int kFileMenu = 1;
constexpr int kRecentFilesItem = 6;
constexpr int kFirstRecentFile = 2;
constexpr DWORD kSubMenuDelay = 1100;  // the menu window's hover timer is 1000 ms
// The contact sheet shows the top-left part of each shot, scaled down.
constexpr int kSheetCropWidth = 640;
constexpr int kSheetCropHeight = 360;
constexpr int kSheetScale = 2;
constexpr int kSheetColumns = 3;
constexpr int kSheetGap = 8;
constexpr COLORREF kSheetBack = RGB(0x40, 0x40, 0x40);
constexpr int kExitFailed = 1;

constexpr const char* kStyleNames[] = {"tsMS2003", "tsMSNet", "tsMSIE"};
constexpr const char* kThemeNames[] = {"XPBlue", "XPSilver", "XPOlive"};

// File dropped by a click on its caption, the pointer resting on Recent Files until its
// sub-menu opens, then on the second recent file.
void OpenFileAndRecentFiles(DemoForm& form) {
  win32::Desktop& desktop = win32::TheDesktop();
  const POINT caption = CaptionPoint(form.Bar(), kFileMenu);
  desktop.MouseMove(caption.x, caption.y);
  desktop.Click();
  const std::vector<HWND> dropped = OpenMenuWindows(form.Bar());
  if (dropped.empty()) return;
  const POINT recent = RowPoint(dropped.back(), kRecentFilesItem);
  desktop.MouseMove(recent.x, recent.y);
  desktop.AdvanceTime(kSubMenuDelay);
  const std::vector<HWND> cascaded = OpenMenuWindows(form.Bar());
  if (cascaded.size() < 2) return;
  const POINT file = RowPoint(cascaded.back(), kFirstRecentFile);
  desktop.MouseMove(file.x, file.y);
}

win32::Surface Shot(ctsVisualStyleConstants style, ctsThemes theme) {
  win32::TheDesktop().Reset(win32::DesktopOptions{kScreenWidth, kScreenHeight, win32::kDefaultDpi});
  DemoForm form(DemoFormOptions{.width = kScreenWidth, .height = kScreenHeight, .visualStyle = style, .theme = theme},
                nullptr);
  win32::TheDesktop().DoEvents();
  OpenFileAndRecentFiles(form);
  return win32::TheDesktop().Screen();
}

// Every kSheetScale-th pixel of the crop (a plain subsample keeps text legible enough).
void Paste(win32::Surface& sheet, const win32::Surface& shot, int left, int top) {
  for (int y = 0; y < kSheetCropHeight / kSheetScale; ++y) {
    for (int x = 0; x < kSheetCropWidth / kSheetScale; ++x) {
      sheet.At(left + x, top + y) = shot.At(x * kSheetScale, y * kSheetScale);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path folder = argc > 1 ? argv[1] : kDefaultFolder;
  std::filesystem::create_directories(folder);
  const int cellWidth = kSheetCropWidth / kSheetScale;
  const int cellHeight = kSheetCropHeight / kSheetScale;
  const int rows = static_cast<int>(std::size(kStyleNames) * std::size(kThemeNames)) / kSheetColumns;
  win32::Surface sheet;
  sheet.Resize(kSheetColumns * (cellWidth + kSheetGap) + kSheetGap, rows * (cellHeight + kSheetGap) + kSheetGap,
               kSheetBack);
  int cell = 0;
  for (int style = tsMS2003; style <= tsMSIE; ++style) {
    for (int theme = XPBlue; theme <= XPOlive; ++theme, ++cell) {
      const win32::Surface shot =
          Shot(static_cast<ctsVisualStyleConstants>(style), static_cast<ctsThemes>(theme));
      const std::filesystem::path file =
          folder / (std::string(kStyleNames[style]) + "-" + kThemeNames[theme] + ".png");
      if (!win32::WritePng(shot, file.string())) {
        std::fprintf(stderr, "could not write %s\n", file.c_str());
        return kExitFailed;
      }
      std::printf("%s\n", file.c_str());
      Paste(sheet, shot, kSheetGap + (cell % kSheetColumns) * (cellWidth + kSheetGap),
            kSheetGap + (cell / kSheetColumns) * (cellHeight + kSheetGap));
    }
  }
  const std::filesystem::path sheetFile = folder / "contact-sheet.png";
  if (!win32::WritePng(sheet, sheetFile.string())) {
    std::fprintf(stderr, "could not write %s\n", sheetFile.c_str());
    return kExitFailed;
  }
  std::printf("%s\n", sheetFile.c_str());
  return 0;
}
