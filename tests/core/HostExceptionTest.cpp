// A host whose event handler throws: the exception reaches the host's own call into the
// message loop unchanged, and the control is left as if the menus had been closed.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "core/MirelMenuBar20Internals.h"
#include "support/BarOnForm.h"
#include "support/ControlInvariants.h"
#include "win32/desktop.h"

namespace {

constexpr DWORD kPastDoubleClick = 600;

struct HostFault : std::runtime_error {
  HostFault() : std::runtime_error("the host's handler failed") {}
};

// Throws from the one event it is told to.
class ThrowingHost : public __MirelMenuBar20 {
 public:
  std::string throwIn;
  void MenuOnDrop(std::int16_t, std::string) override { Throw("MenuOnDrop"); }
  void MenuItemMouseDown(std::int16_t, std::string, std::int16_t, std::string, std::int16_t, std::int16_t, float,
                         float) override {
    Throw("MenuItemMouseDown");
  }
  void MenuItemClick(std::int16_t, std::string, std::int16_t, std::string) override { Throw("MenuItemClick"); }
  void MenuMouseMove(std::int16_t, std::string, std::int16_t, std::int16_t, float, float) override {
    Throw("MenuMouseMove");
  }

 private:
  void Throw(const char* event) {
    if (throwIn == event) throw HostFault();
  }
};

using HostException = mirel_test::BarOnForm;

TEST_F(HostException, ReachesTheHostUnchangedAndLeavesTheMenusClosed) {
  MakeBar({.endUpdate = false});
  auto items = AddMenu("File")->MenuItems();
  items->Add({.Caption = "&New", .Key = "New"});
  items->Add({.Caption = "&Open", .Key = "Open"});
  m_Bar->EndUpdate();
  ThrowingHost host;
  m_Bar->Connect(&host);
  const POINT file = CaptionPoint(1);
  const auto dropFile = [&] {
    Desktop().MouseMove(file.x, file.y);
    Desktop().Click(win32::MouseButton::Left);
  };
  const auto onFirstRow = [&](bool click) {  // in the dropped menu, then a press or a click
    dropFile();
    RECT rc{};
    GetWindowRect(Inside(*m_Bar).OpenMenuWindows().back(), &rc);
    Desktop().MouseMove(rc.left + 30, rc.top + 10);
    click ? Desktop().Click(win32::MouseButton::Left) : Desktop().MouseDown(win32::MouseButton::Left);
  };
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"MenuOnDrop", dropFile},
      {"MenuMouseMove", [&] { Desktop().MouseMove(file.x + 1, file.y); }},
      {"MenuItemMouseDown", [&] { onFirstRow(false); }},
      {"MenuItemClick", [&] { onFirstRow(true); }},
  };
  for (const auto& [event, act] : cases) {
    host.throwIn = event;
    EXPECT_THROW(act(), HostFault) << event;
    host.throwIn.clear();
    Desktop().MouseUp(win32::MouseButton::Left);
    Desktop().DoEvents();
    EXPECT_TRUE(Inside(*m_Bar).OpenMenuWindows().empty()) << event;
    EXPECT_EQ(GetCapture(), nullptr) << event;
    EXPECT_TRUE(mirel_test::BrokenInvariants(*m_Bar).empty()) << event;
    // The control still works (a moment later: no double click).
    Desktop().AdvanceTime(kPastDoubleClick);
    dropFile();
    EXPECT_EQ(Inside(*m_Bar).OpenMenuWindows().size(), 1u) << event;
    m_Bar->HideAllMenus();
    Desktop().MouseMove(0, 500);
    Desktop().AdvanceTime(kPastDoubleClick);
  }
  m_Bar->Disconnect(&host);
}

}  // namespace
