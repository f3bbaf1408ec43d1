// A byte stream decoded into what a host and a user do: adds, removes, item look-ups, gets
// and lets on menus and items, bands, tools and drop-downs (through fresh and stale proxies, with keys, numeric-looking
// strings, indexes and values of every kind), ClearAll, BeginUpdate/EndUpdate, PopUpMenu,
// HideAllMenus, control lets, and mouse, key and clock input in between. After every step
// the only errors are those the rules give for that call, and the control's invariants hold.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "container/RuntimeErrors.h"
#include "common/ErrorRaiser.h"
#include "core/MirelMenuBar20Internals.h"
#include "support/ControlInvariants.h"
#include "support/FuzzHost.h"

using namespace fuzz_host;

namespace {

std::int32_t NumberOf(ErrorCode code) {
  try {
    RaiseError(code, "");
  } catch (const AutomationError& error) {
    return error.Number();
  }
}

const std::int32_t kHeaderMissing = NumberOf(ErrorCode::HeaderMissing);
const std::int32_t kKeyInUse = NumberOf(ErrorCode::KeyInUse);
const std::int32_t kKeyTypeMismatch = NumberOf(ErrorCode::TypeMismatch);
const std::int32_t kBadTimerInterval = NumberOf(ErrorCode::InvalidTimerInterval);
const std::int32_t kInvalidIndex = NumberOf(ErrorCode::InvalidIndex);
const std::int32_t kInvalidStyle = NumberOf(ErrorCode::InvalidStyle);
const std::int32_t kInvalidRows = NumberOf(ErrorCode::InvalidRows);
const std::int32_t kInvalidColumns = NumberOf(ErrorCode::InvalidColumns);
constexpr std::int32_t kOverflow = runtime_error_number::Overflow;
constexpr std::int32_t kTypeMismatch = runtime_error_number::TypeMismatch;
constexpr std::int32_t kSubscript = runtime_error_number::SubscriptOutOfRange;
constexpr std::int32_t kNull = runtime_error_number::InvalidUseOfNull;

constexpr std::size_t kMaxProxies = 8;
constexpr int kMaxTextLength = 24;
constexpr int kIndexSlack = 3;  // indexes this far beyond the counts are tried too
constexpr DWORD kMaxClockStep = 3000;
constexpr int kToolsTried = 8;       // tool indexes are tried up to this (plus the slack)
constexpr int kScreenReach = 1200;  // widths a screen shows; larger ones are tried too, less often

const char* const kKeys[] = {"File", "Edit", "View", "M1", "M2", "MI1", "Sub", "1", "0", "-1", "2.5",
                             "1e3", "&H1F", " 2 ", "", "file", "Edit "};
const int kKeysOfInput[] = {VK_MENU, VK_F10, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_ESCAPE, VK_RETURN, VK_SPACE,
                            'F',     'E',    'V',     'O',      'X',   'N',     VK_F1,     VK_F1 + 4, VK_DELETE};

class Session {
 public:
  explicit Session(FuzzedDataProvider& in) : m_In(in) {}

  void Run(MirelMenuBar20& bar) {
    m_Bar = &bar;
    while (m_In.remaining_bytes() > 0) {
      Step();
      const std::vector<std::string> broken = mirel_test::BrokenInvariants(bar);
      if (!broken.empty()) Finding("after step " + std::to_string(m_iStep) + ": " + broken.front());
      ++m_iStep;
    }
  }

 private:
  std::string Key() {
    if (m_In.ConsumeBool()) return kKeys[m_In.ConsumeIntegralInRange<std::size_t>(0, std::size(kKeys) - 1)];
    return m_In.ConsumeRandomLengthString(kMaxTextLength);
  }
  int Index(int count) { return m_In.ConsumeIntegralInRange(-kIndexSlack, count + kIndexSlack); }
  Variant IndexValue(int count) {
    switch (m_In.ConsumeIntegralInRange(0, 6)) {
      case 0: return Variant::Integer(static_cast<std::int16_t>(Index(count)));
      case 1: return Variant::Long(m_In.ConsumeIntegral<std::int32_t>());
      case 2: return Variant(m_In.ConsumeFloatingPoint<double>());
      case 3: return Variant();
      case 4: return Variant::Null();
      case 5: return Variant(m_In.ConsumeBool());
      default: return Variant(Key());
    }
  }
  template <class T>
  std::shared_ptr<T> AnyOf(const std::vector<std::shared_ptr<T>>& pool) {
    if (pool.empty()) return nullptr;
    return pool[m_In.ConsumeIntegralInRange<std::size_t>(0, pool.size() - 1)];
  }
  template <class T>
  static void Keep(std::vector<std::shared_ptr<T>>& pool, std::shared_ptr<T> proxy) {
    if (!proxy) return;
    if (pool.size() == kMaxProxies) pool.erase(pool.begin());
    pool.push_back(std::move(proxy));
  }
  int MenuCount() { return Inside(*m_Bar).MenuData().Count(); }

  void Step() {
    MirelMenuBar20& bar = *m_Bar;
    switch (m_In.ConsumeIntegralInRange(0, 16)) {
      case 0: AddMenu(); break;
      case 1: {
        const Variant index = IndexValue(MenuCount());
        Allowing({kHeaderMissing, kTypeMismatch, kOverflow, kNull}, "Menus.Remove", [&] { bar.Menus()->Remove(index); });
        break;
      }
      case 2: {
        const Variant index = IndexValue(MenuCount());
        Allowing({kHeaderMissing, kTypeMismatch, kOverflow, kNull}, "Menus.Item",
                 [&] { Keep(m_Menus, bar.Menus()->Item(index)); });
        Allowing({}, "Menus.Exists", [&] { (void)bar.Menus()->Exists(index); });
        break;
      }
      case 3: MenuLet(); break;
      case 4: AddItem(); break;
      case 5: RemoveItem(); break;
      case 6: ItemLet(); break;
      case 7:
        if (m_In.ConsumeBool()) {
          Allowing({}, "Menus.Clear", [&] { bar.Menus()->Clear(); });
        } else {
          Allowing({}, "ClearAll", [&] { bar.ClearAll(); });
        }
        break;
      case 8:
        Allowing({}, "BeginUpdate/EndUpdate", [&] { m_In.ConsumeBool() ? bar.BeginUpdate() : bar.EndUpdate(); });
        break;
      case 9: {
        const std::string key = Key();
        const auto twips = static_cast<float>(win32::TheDesktop().TwipsPerPixel());
        const float x = static_cast<float>(m_In.ConsumeIntegralInRange(-50, 1100)) * twips;
        const float y = static_cast<float>(m_In.ConsumeIntegralInRange(-50, 800)) * twips;
        Allowing({}, "PopUpMenu", [&] { bar.PopUpMenu(key, x, y); });
        break;
      }
      case 10: Allowing({}, "HideAllMenus", [&] { bar.HideAllMenus(); }); break;
      case 11: ControlLet(); break;
      case 12: Allowing({}, "mouse input", [&] { Mouse(); }); break;
      case 13: Allowing({}, "key input", [&] { Keys(); }); break;
      case 14: {
        const auto ms = m_In.ConsumeIntegralInRange<DWORD>(0, kMaxClockStep);
        Allowing({}, "advancing the clock", [&] { win32::TheDesktop().AdvanceTime(ms); });
        break;
      }
      case 15: BandStep(); break;
      default: Allowing({}, "Refresh", [&] { bar.Refresh(); }); break;
    }
  }

  // Mostly values a screen can show, sometimes anything the type holds: a band as wide or a
  // line as far down as the type allows must fail its bitmaps cleanly, not exhaust memory.
  std::int16_t Line() {
    return m_In.ConsumeBool() ? m_In.ConsumeIntegralInRange<std::int16_t>(-2, 6) : m_In.ConsumeIntegral<std::int16_t>();
  }
  std::int32_t BandWidth() {
    return m_In.ConsumeBool() ? m_In.ConsumeIntegralInRange(-kIndexSlack, kScreenReach) : m_In.ConsumeIntegral<std::int32_t>();
  }

  // Bands, their tools and the drop-downs: every error these calls may raise for bad input is
  // allowed; what must never happen is a crash, a leak or a broken table.
  void BandStep() {
    MirelMenuBar20& bar = *m_Bar;
    const std::initializer_list<std::int32_t> errors = {kHeaderMissing, kKeyInUse,  kKeyTypeMismatch, kInvalidIndex,
                                                        kInvalidStyle,  kInvalidRows, kInvalidColumns, kTypeMismatch,
                                                        kOverflow,      kSubscript,   kNull};
    const auto band = AnyOf(m_Bands);
    const auto tool = AnyOf(m_Tools);
    switch (m_In.ConsumeIntegralInRange(0, 9)) {
      case 0: {
        BandAddArgs args;
        if (m_In.ConsumeBool()) args.Key = Key();
        args.lLineIndex = Line();
        args.lLinePosition = Line();
        args.lWidth = BandWidth();
        args.bEnabled = m_In.ConsumeBool();
        args.bVisible = m_In.ConsumeBool();
        Allowing(errors, "Bands.Add", [&] { Keep(m_Bands, bar.Bands()->Add(args)); });
        break;
      }
      case 1: {
        const Variant index = IndexValue(bar.Bands()->Count());
        if (m_In.ConsumeBool()) {
          Allowing(errors, "Bands.Remove", [&] { bar.Bands()->Remove(index); });
        } else {
          Allowing(errors, "Bands.Item", [&] { Keep(m_Bands, bar.Bands()->Item(index)); });
        }
        break;
      }
      case 2: {
        if (!band) return;
        ToolAddArgs args;
        if (m_In.ConsumeBool()) args.Key = Key();
        args.Caption = m_In.ConsumeRandomLengthString(kMaxTextLength);
        args.Style = m_In.ConsumeIntegralInRange<std::int16_t>(-1, 9);
        args.Icon = m_In.ConsumeIntegralInRange<std::int16_t>(-2, 3);
        args.Toggle = m_In.ConsumeBool();
        args.Grouped = m_In.ConsumeBool();
        args.GroupID = m_In.ConsumeIntegralInRange<std::int16_t>(-1, 3);
        Allowing(errors, "Tools.Add", [&] { Keep(m_Tools, band->Tools()->Add(args)); });
        break;
      }
      case 3: {
        if (!band) return;
        const Variant index = IndexValue(kToolsTried);
        if (m_In.ConsumeBool()) {
          Allowing(errors, "Tools.Remove", [&] { band->Tools()->Remove(index); });
        } else {
          Allowing(errors, "Tools.Item", [&] { Keep(m_Tools, band->Tools()->Item(index)); });
        }
        break;
      }
      case 4: {
        if (!band) return;
        switch (m_In.ConsumeIntegralInRange(0, 5)) {
          case 0: Allowing(errors, "cBand.Visible", [&] { band->Visible(m_In.ConsumeBool()); }); break;
          case 1: Allowing(errors, "cBand.Enabled", [&] { band->Enabled(m_In.ConsumeBool()); }); break;
          // Lines far down and very wide bands are valid but make surfaces of that size:
          // both are tried within a screen's reach.
          case 2: Allowing(errors, "cBand.LineIndex", [&] { band->LineIndex(Line()); }); break;
          case 3: Allowing(errors, "cBand.LinePosition", [&] { band->LinePosition(Line()); }); break;
          case 4: Allowing(errors, "cBand.Width", [&] { band->Width(BandWidth()); }); break;
          default: Allowing(errors, "cBand.DisplayCaptions", [&] { band->DisplayCaptions(m_In.ConsumeBool()); }); break;
        }
        break;
      }
      case 5: {
        if (!tool) return;
        switch (m_In.ConsumeIntegralInRange(0, 5)) {
          case 0: Allowing(errors, "cTool.Caption", [&] { tool->Caption(m_In.ConsumeRandomLengthString(kMaxTextLength)); }); break;
          case 1: Allowing(errors, "cTool.Enabled", [&] { tool->Enabled(m_In.ConsumeBool()); }); break;
          case 2: Allowing(errors, "cTool.State", [&] { tool->State(m_In.ConsumeBool()); }); break;
          case 3: Allowing(errors, "cTool.Style", [&] { tool->Style(m_In.ConsumeIntegral<std::int16_t>()); }); break;
          case 4: Allowing(errors, "cTool.Icon", [&] { tool->Icon(m_In.ConsumeIntegral<std::int16_t>()); }); break;
          default: Allowing(errors, "cTool.Visible", [&] { tool->Visible(m_In.ConsumeBool()); }); break;
        }
        break;
      }
      case 6: {
        DropDownAddArgs args;
        if (m_In.ConsumeBool()) args.Key = Variant(Key());
        args.iRows = m_In.ConsumeIntegralInRange<std::int16_t>(-1, 5);
        args.iColumns = m_In.ConsumeIntegralInRange<std::int16_t>(-1, 5);
        if (m_In.ConsumeBool()) args.oImageList = Variant::Long(m_In.ConsumeIntegral<std::int32_t>());
        Allowing(errors, "DropDowns.Add", [&] { (void)bar.DropDowns()->Add(args); });
        break;
      }
      case 7: {
        const Variant index = IndexValue(bar.DropDowns()->Count());
        Allowing(errors, "DropDowns.Remove", [&] { bar.DropDowns()->Remove(index); });
        break;
      }
      case 8: Allowing({}, "Bands.Clear", [&] { bar.Bands()->Clear(); }); break;
      default: Allowing({}, "DropDowns.Clear", [&] { bar.DropDowns()->Clear(); }); break;
    }
  }

  void AddMenu() {
    MenuAddArgs args;
    if (m_In.ConsumeBool()) args.Key = Key();
    args.Caption = m_In.ConsumeBool() ? "&" + Key() : m_In.ConsumeRandomLengthString(kMaxTextLength);
    args.Style = m_In.ConsumeIntegralInRange<std::int16_t>(-1, 2);
    args.Enabled = m_In.ConsumeBool();
    args.DisplayInfrequents = m_In.ConsumeBool();
    args.Icon = m_In.ConsumeIntegralInRange<std::int16_t>(-2, 3);
    Allowing({kKeyInUse, kKeyTypeMismatch, kOverflow}, "Menus.Add", [&] { Keep(m_Menus, m_Bar->Menus()->Add(args)); });
  }

  void MenuLet() {
    const auto menu = AnyOf(m_Menus);
    if (!menu) return;
    // Lets check the stored index first; gets read beyond the table as the runtime does.
    const std::initializer_list<std::int32_t> letErrors = {kHeaderMissing, kSubscript};
    switch (m_In.ConsumeIntegralInRange(0, 9)) {
      case 0: Allowing(letErrors, "cMenu.Caption", [&] { menu->Caption(m_In.ConsumeRandomLengthString(kMaxTextLength)); }); break;
      case 1: Allowing(letErrors, "cMenu.Enabled", [&] { menu->Enabled(m_In.ConsumeBool()); }); break;
      case 2: Allowing(letErrors, "cMenu.Visible", [&] { menu->Visible(m_In.ConsumeBool()); }); break;
      case 3: Allowing(letErrors, "cMenu.Key", [&] { menu->Key(Key()); }); break;
      case 4: Allowing(letErrors, "cMenu.Style", [&] { menu->Style(m_In.ConsumeIntegral<std::int16_t>()); }); break;
      case 5: Allowing(letErrors, "cMenu.Icon", [&] { menu->Icon(m_In.ConsumeIntegral<std::int16_t>()); }); break;
      case 6: Allowing(letErrors, "cMenu.DisplayInfrequents", [&] { menu->DisplayInfrequents(m_In.ConsumeBool()); }); break;
      case 7: Allowing(letErrors, "cMenu.FontBold", [&] { menu->FontBold(m_In.ConsumeBool()); }); break;
      case 8: Allowing({kSubscript}, "cMenu gets", [&] { (void)menu->Caption(); (void)menu->Width(); }); break;
      default: Allowing({kSubscript}, "cMenu.MenuItems", [&] { (void)menu->MenuItems()->Count(); }); break;
    }
  }

  void AddItem() {
    const auto menu = AnyOf(m_Menus);
    if (!menu) return;
    MenuItemAddArgs args;
    args.Style = m_In.ConsumeIntegralInRange<std::int16_t>(-1, 4);
    args.Caption = "&" + m_In.ConsumeRandomLengthString(kMaxTextLength);
    args.Checked = m_In.ConsumeBool();
    args.Enabled = m_In.ConsumeBool();
    args.Infrequent = m_In.ConsumeBool();
    args.SubMenuName = Key();
    if (m_In.ConsumeBool()) args.Key = Key();
    args.Indent = m_In.ConsumeIntegralInRange<std::int16_t>(-1, 3);
    args.HotKey = m_In.ConsumeBool() ? "Ctrl+" + Key() : Key();
    Allowing({kSubscript, kKeyInUse, kKeyTypeMismatch, kOverflow}, "MenuItems.Add",
             [&] { Keep(m_Items, menu->MenuItems()->Add(args)); });
  }

  void RemoveItem() {
    const auto menu = AnyOf(m_Menus);
    if (!menu) return;
    const bool remove = m_In.ConsumeBool();
    const Variant index = IndexValue(m_In.ConsumeIntegralInRange(0, 8));
    Allowing({kSubscript, kHeaderMissing, kTypeMismatch, kOverflow, kNull}, "MenuItems.Remove/Item", [&] {
      const auto items = menu->MenuItems();
      if (remove) {
        items->Remove(index);
      } else {
        Keep(m_Items, items->Item(index));
      }
    });
  }

  void ItemLet() {
    const auto item = AnyOf(m_Items);
    if (!item) return;
    const std::initializer_list<std::int32_t> errors = {kSubscript, kOverflow};
    switch (m_In.ConsumeIntegralInRange(0, 10)) {
      case 0: Allowing(errors, "cMenuItem.Caption", [&] { item->Caption(m_In.ConsumeRandomLengthString(kMaxTextLength)); }); break;
      case 1: Allowing(errors, "cMenuItem.Checked", [&] { item->Checked(m_In.ConsumeBool()); }); break;
      case 2: Allowing(errors, "cMenuItem.Enabled", [&] { item->Enabled(m_In.ConsumeBool()); }); break;
      case 3: Allowing(errors, "cMenuItem.Grouped", [&] { item->Grouped(m_In.ConsumeBool()); }); break;
      case 4: Allowing(errors, "cMenuItem.GroupID", [&] { item->GroupID(m_In.ConsumeIntegralInRange<std::int16_t>(-1, 3)); }); break;
      case 5: Allowing(errors, "cMenuItem.HotKey", [&] { item->HotKey(Key()); }); break;
      case 6: Allowing(errors, "cMenuItem.IconIndex", [&] { item->IconIndex(m_In.ConsumeIntegral<std::int32_t>()); }); break;
      case 7: Allowing(errors, "cMenuItem.Indent", [&] { item->Indent(m_In.ConsumeIntegral<std::int16_t>()); }); break;
      case 8: Allowing(errors, "cMenuItem.Infrequent", [&] { item->Infrequent(m_In.ConsumeBool()); }); break;
      case 9: Allowing(errors, "cMenuItem.SubMenu", [&] { item->SubMenu(Key()); }); break;
      default: Allowing(errors, "cMenuItem.Visible", [&] { item->Visible(m_In.ConsumeBool()); }); break;
    }
  }

  void ControlLet() {
    MirelMenuBar20& bar = *m_Bar;
    switch (m_In.ConsumeIntegralInRange(0, 6)) {
      case 0:
        Allowing({}, "VisualStyle", [&] { bar.SetVisualStyle(static_cast<ctsVisualStyleConstants>(m_In.ConsumeIntegralInRange(-1, 4))); });
        break;
      case 1: Allowing({}, "Theme", [&] { bar.SetTheme(static_cast<ctsThemes>(m_In.ConsumeIntegralInRange(-1, 4))); }); break;
      case 2: Allowing({kOverflow}, "MenuItemSpacing", [&] { bar.SetMenuItemSpacing(m_In.ConsumeIntegral<std::int16_t>()); }); break;
      case 3: Allowing({kOverflow}, "MenuHeaderSpacing", [&] { bar.SetMenuHeaderSpacing(m_In.ConsumeIntegral<std::int16_t>()); }); break;
      case 4: Allowing({}, "RightToLeft", [&] { bar.SetRightToLeft(ToVariantBool(m_In.ConsumeBool())); }); break;
      case 5: Allowing({}, "MenuShadows", [&] { bar.SetMenuShadows(ToVariantBool(m_In.ConsumeBool())); }); break;
      default:
        Allowing({kBadTimerInterval}, "ToolTipPreTime",
                 [&] { bar.SetToolTipPreTime(m_In.ConsumeIntegralInRange(-1, 40000)); });
        break;
    }
  }

  void Mouse() {
    win32::Desktop& desktop = win32::TheDesktop();
    const int x = m_In.ConsumeIntegralInRange(-5, desktop.ScreenWidth() + 5);
    const int y = m_In.ConsumeIntegralInRange(-5, m_In.ConsumeBool() ? 40 : desktop.ScreenHeight() + 5);
    desktop.MouseMove(x, y);
    const auto button = m_In.ConsumeBool() ? win32::MouseButton::Left : win32::MouseButton::Right;
    switch (m_In.ConsumeIntegralInRange(0, 3)) {
      case 0: desktop.MouseDown(button); break;
      case 1: desktop.MouseUp(button); break;
      case 2: desktop.Click(button); break;
      default: break;
    }
  }

  void Keys() {
    win32::Desktop& desktop = win32::TheDesktop();
    const bool ctrl = m_In.ConsumeBool();
    const bool shift = m_In.ConsumeBool();
    const int vk = kKeysOfInput[m_In.ConsumeIntegralInRange<std::size_t>(0, std::size(kKeysOfInput) - 1)];
    if (ctrl) desktop.KeyDown(VK_CONTROL);
    if (shift) desktop.KeyDown(VK_SHIFT);
    desktop.KeyPress(vk);
    if (shift) desktop.KeyUp(VK_SHIFT);
    if (ctrl) desktop.KeyUp(VK_CONTROL);
  }

  FuzzedDataProvider& m_In;
  MirelMenuBar20* m_Bar = nullptr;
  std::vector<std::shared_ptr<cMenu>> m_Menus;
  std::vector<std::shared_ptr<cMenuItem>> m_Items;
  std::vector<std::shared_ptr<cBand>> m_Bands;
  std::vector<std::shared_ptr<cTool>> m_Tools;
  int m_iStep = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  WithFreshControl([&](MirelMenuBar20& bar) {
    bar.EndUpdate();
    Session(in).Run(bar);
  });
  return 0;
}
