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

class HostException : public mirel_test::BarOnForm {
 protected:
  void SetUp() override {
    BarOnForm::SetUp();
    MakeBar({.endUpdate = false});
    auto file = AddMenu("File");
    file->MenuItems()->Add({.Caption = "&New", .Key = "New"});
    file->MenuItems()->Add({.Caption = "&Open", .Key = "Open"});
    m_Bar->EndUpdate();
    m_Bar->Connect(&m_Host);
  }
  void TearDown() override {
    m_Bar->Disconnect(&m_Host);
    BarOnForm::TearDown();
  }

  ThrowingHost m_Host;
};

TEST_F(HostException, ReachesTheHostUnchangedAndLeavesTheMenusClosed) {
  const POINT file = CaptionPoint(1);
  const auto dropFile = [&] {
    Desktop().MouseMove(file.x, file.y);
    Desktop().Click(win32::MouseButton::Left);
  };
  const auto firstRow = [&] {
    const std::vector<HWND> open = Inside(*m_Bar).OpenMenuWindows();
    RECT rc{};
    GetWindowRect(open.back(), &rc);
    return POINT{rc.left + 30, rc.top + 10};
  };
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"MenuOnDrop", dropFile},
      {"MenuMouseMove", [&] { Desktop().MouseMove(file.x + 1, file.y); }},
      {"MenuItemMouseDown", [&] {
         dropFile();
         const POINT row = firstRow();
         Desktop().MouseMove(row.x, row.y);
         Desktop().MouseDown(win32::MouseButton::Left);
       }},
      {"MenuItemClick", [&] {
         dropFile();
         const POINT row = firstRow();
         Desktop().MouseMove(row.x, row.y);
         Desktop().Click(win32::MouseButton::Left);
       }},
  };
  for (const auto& [event, act] : cases) {
    m_Host.throwIn = event;
    EXPECT_THROW(act(), HostFault) << event;
    m_Host.throwIn.clear();
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
}

}  // namespace
