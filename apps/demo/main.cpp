// The interactive demo: the document-editor form with the menu-bar control in a real window.
// Every event the control raises is printed on its own line to standard output.
//   mirel_demo [--size WIDTHxHEIGHT] [--dpi DPI]
// The exit status is 1 when windows or drawing objects were left alive after closing.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "demo_form/DemoForm.h"
#include "win32/backend/sdl/SdlDesktopWindow.h"
#include "win32/objcount.h"
#include "win32/windows.h"

namespace {

constexpr int kExitLeaked = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNoWindow = 3;

constexpr const char* kKindNames[] = {"windows", "DCs",    "bitmaps", "fonts",  "brushes", "pens",
                                      "regions", "image lists", "timers", "hooks", "themes"};

bool ParseOptions(int argc, char** argv, win32::sdl::SdlWindowOptions& options) {
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--size") == 0 && hasValue) {
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

}  // namespace

int main(int argc, char** argv) {
  win32::sdl::SdlWindowOptions options;
  options.title = "MirelMenuBar20 demo";
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: %s [--size WIDTHxHEIGHT] [--dpi DPI]\n", argv[0]);
    return kExitUsage;
  }
  // One line per event, readable by a program at the other end of a pipe.
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  try {
    win32::sdl::SdlDesktopWindow window(options);
    const win32::LiveObjectCounts before = win32::SnapshotLiveObjects();
    {
      DemoForm form(DemoFormOptions{.width = options.width, .height = options.height},
                    [](const std::string& line) { std::puts(line.c_str()); });
      window.SetCloseHandler([&form] { PostMessageA(form.hWnd(), WM_CLOSE, 0, 0); });
      std::puts("Ready");
      RunMessageLoop();
      window.SetCloseHandler(nullptr);
    }
    return ReportLeaks(before, win32::SnapshotLiveObjects()) ? 0 : kExitLeaked;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return kExitNoWindow;
  }
}
