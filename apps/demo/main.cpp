// The interactive demo: the document-editor form with the menu-bar control in a real window.
// Every event the control raises is printed on its own line to standard output.
//   mirel_demo [--size WIDTHxHEIGHT] [--dpi DPI] [--settings FILE]
// The control's settings (style, theme, band places after dragging) are restored from FILE at
// start and saved there at exit; by default $HOME/.config/mirel-demo/settings.json. A missing
// or damaged file starts the demo with the defaults and one line saying so.
// The exit status is 1 when windows or drawing objects were left alive after closing.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

#include "container/AutomationError.h"
#include "container/FilePropertyBag.h"
#include "demo_form/DemoForm.h"
#include "win32/backend/sdl/SdlDesktopWindow.h"
#include "win32/objcount.h"
#include "win32/windows.h"

namespace {

constexpr int kExitLeaked = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNoWindow = 3;

constexpr const char* kKindNames[] = {"windows", "DCs",    "bitmaps", "fonts",  "brushes", "pens",
                                      "image lists", "timers", "hooks", "themes"};

std::string DefaultSettingsPath() {
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : ".") + "/.config/mirel-demo/settings.json";
}

bool ParseOptions(int argc, char** argv, win32::sdl::SdlWindowOptions& options, std::string& settingsPath) {
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--settings") == 0 && hasValue) {
      settingsPath = argv[++i];
    } else if (std::strcmp(argv[i], "--size") == 0 && hasValue) {
      if (std::sscanf(argv[++i], "%dx%d", &options.width, &options.height) != 2) return false;
    } else if (std::strcmp(argv[i], "--dpi") == 0 && hasValue) {
      if (std::sscanf(argv[++i], "%d", &options.dpi) != 1) return false;
    } else {
      return false;
    }
  }
  return options.width > 0 && options.height > 0 && options.dpi >= 0;
}

void RunMessageLoop() {
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Names every kind of object that outlived the form; true when there was none.
bool ReportLeaks(const win32::LiveObjectCounts& before, const win32::LiveObjectCounts& after) {
  bool clean = true;
  for (std::size_t kind = 0; kind < before.counts.size(); ++kind) {
    if (after.counts[kind] == before.counts[kind]) continue;
    std::fprintf(stderr, "left alive: %ld %s\n", after.counts[kind] - before.counts[kind], kKindNames[kind]);
    clean = false;
  }
  return clean;
}

// The saved settings, or none (with one line saying why) when the file is missing or damaged.
std::unique_ptr<FilePropertyBag> ReadSettings(const std::string& path) {
  if (!std::filesystem::exists(path)) {
    std::fprintf(stderr, "No saved settings in %s: starting with the defaults.\n", path.c_str());
    return nullptr;
  }
  try {
    return std::make_unique<FilePropertyBag>(path);
  } catch (const AutomationError& error) {
    std::fprintf(stderr, "Settings in %s not read (%s): starting with the defaults.\n", path.c_str(),
                 error.Description().c_str());
    return nullptr;
  }
}

void WriteSettings(DemoForm& form, const std::string& path) {
  try {
    const std::filesystem::path file(path);
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
    std::filesystem::remove(file);  // the new settings replace the old, read or not
    FilePropertyBag bag(path);
    form.SaveSettings(bag);
    bag.Save();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "Settings not saved in %s: %s\n", path.c_str(), error.what());
  }
}

}  // namespace

int main(int argc, char** argv) {
  win32::sdl::SdlWindowOptions options;
  options.title = "MirelMenuBar20 demo";
  std::string settingsPath = DefaultSettingsPath();
  if (!ParseOptions(argc, argv, options, settingsPath)) {
    std::fprintf(stderr, "usage: %s [--size WIDTHxHEIGHT] [--dpi DPI] [--settings FILE]\n", argv[0]);
    return kExitUsage;
  }
  // One line per event, readable by a program at the other end of a pipe.
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  try {
    win32::sdl::SdlDesktopWindow window(options);
    const win32::LiveObjectCounts before = win32::SnapshotLiveObjects();
    {
      const std::unique_ptr<FilePropertyBag> saved = ReadSettings(settingsPath);
      DemoForm form(DemoFormOptions{.width = options.width, .height = options.height, .saved = saved.get()},
                    [](const std::string& line) { std::puts(line.c_str()); });
      window.SetCloseHandler([&form] { PostMessageA(form.hWnd(), WM_CLOSE, 0, 0); });
      std::puts("Ready");
      RunMessageLoop();
      WriteSettings(form, settingsPath);
      window.SetCloseHandler(nullptr);
    }
    return ReportLeaks(before, win32::SnapshotLiveObjects()) ? 0 : kExitLeaked;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return kExitNoWindow;
  }
}
