// Hot-key strings and key-name lets: items get arbitrary hot-key texts, the key-name table
// gets arbitrary names at arbitrary indexes (one at a time and as whole arrays), then keys
// are pressed with every modifier and the menus with their hot-key column are opened.
// Only the subscript error (9) of an index outside the table is allowed.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "container/RuntimeErrors.h"
#include "common/ErrorRaiser.h"
#include "common/HotKeyNameTable.h"
#include "support/ControlInvariants.h"
#include "support/FuzzHost.h"

using namespace fuzz_host;

namespace {

constexpr std::int32_t kSubscript = runtime_error_number::SubscriptOutOfRange;
// Item with a number beyond the count: "Header does not exist."
const std::int32_t kHeaderMissing = [] {
  try {
    RaiseError(ErrorCode::HeaderMissing, "");
  } catch (const AutomationError& error) {
    return error.Number();
  }
}();
constexpr int kMaxTextLength = 32;
constexpr int kIndexSlack = 3;
constexpr int kMaxArrayLength = 300;
constexpr DWORD kSettleMs = 600;
constexpr float kPopUpPixel = 150;

std::string HotKeyText(FuzzedDataProvider& in) {
  static const char* const kPrefixes[] = {"", "Ctrl+", "Ctrl+Shift+", "Alt+", "Shift+", "Ctrl+Alt+"};
  std::string text = kPrefixes[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kPrefixes) - 1)];
  if (in.ConsumeBool()) {
    const auto vk = in.ConsumeIntegralInRange<std::int32_t>(HotKeyNameTable::kLowerIndex, HotKeyNameTable::kUpperBound);
    return text + HotKeyNameTable::Name(vk);
  }
  return text + in.ConsumeRandomLengthString(kMaxTextLength);
}

void Press(FuzzedDataProvider& in) {
  win32::Desktop& desktop = win32::TheDesktop();
  const bool ctrl = in.ConsumeBool();
  const bool alt = in.ConsumeBool();
  const bool shift = in.ConsumeBool();
  const int vk = in.ConsumeIntegralInRange(1, 254);
  if (ctrl) desktop.KeyDown(VK_CONTROL);
  if (alt) desktop.KeyDown(VK_MENU);
  if (shift) desktop.KeyDown(VK_SHIFT);
  desktop.KeyPress(vk);
  if (shift) desktop.KeyUp(VK_SHIFT);
  if (alt) desktop.KeyUp(VK_MENU);
  if (ctrl) desktop.KeyUp(VK_CONTROL);
}

void Step(FuzzedDataProvider& in, MirelMenuBar20& bar, cMenuItems& items) {
  switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0: {
      const auto index = in.ConsumeIntegralInRange<std::int16_t>(-kIndexSlack, HotKeyNameTable::kUpperBound + kIndexSlack);
      const std::string name = in.ConsumeRandomLengthString(kMaxTextLength);
      Allowing({kSubscript}, "HotKeyConstant let", [&] { bar.SetHotKeyConstant(index, name); });
      Allowing({kSubscript}, "HotKeyConstant get", [&] { (void)bar.HotKeyConstant(index); });
      break;
    }
    case 1: {
      std::vector<Variant> names(in.ConsumeIntegralInRange<std::size_t>(0, kMaxArrayLength));
      for (Variant& name : names) name = Variant(in.ConsumeRandomLengthString(kMaxTextLength / 4));
      const auto lowerBound = in.ConsumeIntegralInRange<std::int32_t>(-1, 2);
      Allowing({}, "HotKeyConstants let", [&] { bar.SetHotKeyConstants(Variant::Array(std::move(names), lowerBound)); });
      break;
    }
    case 2: {
      const std::string text = HotKeyText(in);
      Allowing({}, "MenuItems.Add with a hot key", [&] { items.Add({.Caption = "&Item", .HotKey = text}); });
      break;
    }
    case 3: {
      const auto index = in.ConsumeIntegralInRange<std::int16_t>(1, static_cast<std::int16_t>(items.Count()) + 1);
      const std::string text = HotKeyText(in);
      Allowing({kHeaderMissing}, "cMenuItem.HotKey let", [&] {
        if (auto item = items.Item(Variant::Integer(index))) item->HotKey(text);
      });
      break;
    }
    case 4: Allowing({}, "pressing a key", [&] { Press(in); }); break;
    default: {
      const auto twips = static_cast<float>(win32::TheDesktop().TwipsPerPixel());
      Allowing({}, "opening the menu", [&] {
        bar.PopUpMenu("Keys", kPopUpPixel * twips, kPopUpPixel * twips);
        win32::TheDesktop().AdvanceTime(kSettleMs);
        bar.HideAllMenus();
      });
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  WithFreshControl([&](MirelMenuBar20& bar) {
    auto menu = bar.Menus()->Add({.Key = "Keys", .Caption = "&Keys", .Enabled = true});
    const auto items = menu->MenuItems();
    bar.EndUpdate();
    while (in.remaining_bytes() > 0) {
      Step(in, bar, *items);
      const std::vector<std::string> broken = mirel_test::BrokenInvariants(bar);
      if (!broken.empty()) Finding(broken.front());
      bar.HideAllMenus();
    }
  });
  return 0;
}
