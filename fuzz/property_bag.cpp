// Arbitrary bytes as a settings file: the loader either reads them or raises type mismatch
// (13), overflow (6) or invalid property value (380); what it reads loads into a control
// (or raises the conversion errors of loading), which then paints, drops a menu, closes it,
// saves, and loads its own save again without any error, leaving nothing behind.
#include <cstddef>
#include <cstdint>
#include <string>

#include "container/FilePropertyBag.h"
#include "container/RuntimeErrors.h"
#include "support/FuzzHost.h"

using namespace fuzz_host;

namespace {

constexpr DWORD kSettleMs = 1000;
constexpr float kPopUpPixel = 200;

void UseLoadedControl(Form& form, MirelMenuBar20& bar) {
  auto file = bar.Menus()->Add({.Key = "File", .Caption = "&File", .Enabled = true});
  file->MenuItems()->Add({.Caption = "&Open", .Key = "Open", .HotKey = "Ctrl+O"});
  file->MenuItems()->Add({.Style = tsMenuSeperator});
  file->MenuItems()->Add({.Caption = "&Rare", .Infrequent = true});
  bar.EndUpdate();
  bar.Refresh();
  win32::Desktop& desktop = win32::TheDesktop();
  desktop.KeyPress(VK_MENU);
  desktop.KeyPress(VK_DOWN);
  desktop.AdvanceTime(kSettleMs);
  desktop.KeyPress(VK_ESCAPE);
  const auto twips = static_cast<float>(desktop.TwipsPerPixel());
  bar.PopUpMenu("File", kPopUpPixel * twips, kPopUpPixel * twips);
  desktop.AdvanceTime(kSettleMs);
  bar.HideAllMenus();

  FilePropertyBag saved("");
  form.SaveControl(bar, saved);
  FilePropertyBag reread("");
  reread.FromJson(saved.ToJson());
  if (reread.ToJson() != saved.ToJson()) Finding("a saved bag reads back differently");
  Form again;
  again.LoadControl<MirelMenuBar20>(kPlacement, reread);
  again.Unload();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FilePropertyBag bag("");
  const std::string text(reinterpret_cast<const char*>(data), size);
  const bool read = Allowing({runtime_error_number::TypeMismatch, runtime_error_number::Overflow,
                              runtime_error_number::InvalidPropertyValue},
                             "reading the file", [&] { bag.FromJson(text); });
  if (!read) return 0;
  const LeakCheck leaks;
  {
    Form form;
    std::shared_ptr<MirelMenuBar20> bar;
    Allowing({runtime_error_number::TypeMismatch, runtime_error_number::Overflow,
              runtime_error_number::InvalidUseOfNull},
             "loading the control", [&] { bar = form.LoadControl<MirelMenuBar20>(kPlacement, bag); });
    if (bar) {
      form.Show();
      Allowing({}, "using the loaded control", [&] { UseLoadedControl(form, *bar); });
    }
    Allowing({}, "unloading", [&] { form.Unload(); });
  }
  win32::TheDesktop().DoEvents();
  leaks.Check("after unloading");
  return 0;
}
