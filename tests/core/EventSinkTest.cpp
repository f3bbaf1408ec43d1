// Event sinks: every connected sink hears an event, in connection order, and a sink may
// disconnect itself or another sink while an event is being raised.
#include <gtest/gtest.h>

#include "MenuBarFixture.h"
#include "container/AutomationError.h"

namespace {

using EventSinkTest = MenuBarTest;

class NamedSink : public __MirelMenuBar20 {
 public:
  NamedSink(std::string name, std::vector<std::string>& log) : m_Name(std::move(name)), m_Log(log) {}
  std::function<void()> onReSize;
  void ReSize() override {
    m_Log.push_back(m_Name + " ReSize");
    if (onReSize) onReSize();
  }

 private:
  std::string m_Name;
  std::vector<std::string>& m_Log;
};

TEST_F(EventSinkTest, SinksHearAnEventInConnectionOrderAndMayDisconnectThemselvesAndOthersDuringIt) {
  auto bar = AddBar();
  bar->EndUpdate();
  std::vector<std::string> log;
  NamedSink first("first", log);
  NamedSink second("second", log);
  NamedSink third("third", log);
  bar->Connect(&first);
  bar->Connect(&second);
  bar->Connect(&first);  // connected once only
  bar->Connect(&third);
  bar->Extender().SetWidth(3000);
  first.onReSize = [&] {
    bar->Disconnect(&first);
    bar->Disconnect(&second);
  };
  bar->Extender().SetWidth(3300);
  bar->Extender().SetWidth(3600);
  EXPECT_TRUE(SameSequence(
      {"first ReSize", "second ReSize", "third ReSize", "first ReSize", "third ReSize", "third ReSize"}, log));
  bar->Disconnect(&third);
}

TEST_F(EventSinkTest, AnErrorInReSizeIsIgnoredWhoeverRunsTheResize) {
  auto bar = AddBar();
  bar->EndUpdate();
  std::vector<std::string> log;
  NamedSink failing("failing", log);
  failing.onReSize = [] { RaiseRuntimeError(runtime_error_number::Overflow); };
  bar->Connect(&failing);
  EXPECT_NO_THROW(bar->Extender().SetWidth(3000));
  EXPECT_NO_THROW(bar->SetVisualStyle(tsMSNet));
  EXPECT_EQ(bar->VisualStyle(), tsMSNet);
  EXPECT_TRUE(SameSequence({"failing ReSize", "failing ReSize"}, log));
  bar->Disconnect(&failing);
}

TEST_F(EventSinkTest, DefaultHandlersDoNothing) {
  auto bar = AddBar();
  bar->EndUpdate();
  __MirelMenuBar20 quiet;
  bar->Connect(&quiet);
  Variant panel;
  std::vector<std::string> names{"Red"};
  quiet.DropDownActivate(1, "Band1", 1, "Tool1", panel);
  quiet.GetPredefinedColorStrings(names);
  bar->Extender().SetWidth(3000);
  EXPECT_TRUE(panel.IsEmpty());
  EXPECT_EQ(names, std::vector<std::string>{"Red"});
  bar->Disconnect(&quiet);
}

}  // namespace
