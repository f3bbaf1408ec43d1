#include "MenuStory.h"

#include <map>
#include <stdexcept>

#include "platform/mHooks.h"
#include "platform/voxSubClsSvr.h"
#include "support/ControlInvariants.h"
#include "support/MessageLog.h"
#include "support/Pixels.h"

namespace menu_story {
namespace {

constexpr float kBarHeightTwips = 1200;
constexpr int kFormLeft = 40;
constexpr int kFormTop = 30;
constexpr DWORD kSettleTime = 100;   // lets the start-up OverTimer tick run out
constexpr DWORD kRunOutTime = 3500;  // longer than every tracking and tip timer
constexpr int kRowTextInset = 30;    // from a menu window's left edge into its caption text
constexpr int kInsideArrowZone = 10; // pixels above a menu window's bottom edge
constexpr RECT kDocumentArea{420, 100, 620, 300};  // client pixels of the form

std::string Text(float value) { return std::to_string(static_cast<long>(value)); }
bool IsModifier(WPARAM vk) { return vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU; }
bool IsKeyMessage(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

}  // namespace

std::string KeyName(int vk) {
  static const std::map<int, std::string> kNames = {
      {VK_ESCAPE, "Esc"}, {VK_RETURN, "Enter"},      {VK_DOWN, "Down"}, {VK_LEFT, "Left"}, {VK_DELETE, "Del"},
      {VK_NUMPAD0 + 5, "N5"}, {VK_OEM_PLUS, "="}, {VK_F1 + 4, "F5"},  {VK_F1 + 5, "F6"},
  };
  if (const auto it = kNames.find(vk); it != kNames.end()) return it->second;
  return std::string(1, static_cast<char>(vk));
}

Step HideAll() { return Call([](MenusOnForm& t) { t.Bar().HideAllMenus(); }); }
Step FocusDocument() { return Call([](MenusOnForm& t) { SetFocus(t.m_hWndDocument); }); }
Step PopUp(const char* key, POINT at) {
  return Call([key, at](MenusOnForm& t) {
    t.Bar().PopUpMenu(key, static_cast<float>(at.x * t.Twips()), static_cast<float>(at.y * t.Twips()));
  });
}

Step SetHotKey(const char* menu, const char* item, const char* hotKey) {
  return Call([=](MenusOnForm& t) { t.Item(menu, item)->HotKey(hotKey); });
}

std::string EventRows::At(std::int16_t button, std::int16_t shift, float x, float y) {
  return " " + std::to_string(button) + " " + std::to_string(shift) + " " + m_Fixture.Pointer(x, y);
}
void EventRows::Add(const std::string& row, bool move) {
  move ? m_Fixture.LogMove(m_sPrefix + row) : m_Fixture.Log(m_sPrefix + row);
  if (const auto hook = on.find(row.substr(0, row.find(' '))); hook != on.end() && hook->second) hook->second();
}

void MenusOnForm::SetUp() {
  BarOnForm::SetUp();
  MakeBar({.desktop = win32::DesktopOptions{.dpi = Dpi()},
           .form = mirel_test::FormAt(kFormLeft, kFormTop),
           .barHeightTwips = kBarHeightTwips,
           .endUpdate = false});
  const auto add = [this](const MenuAddArgs& menu, std::initializer_list<MenuItemAddArgs> items) {
    const std::shared_ptr<cMenuItems> added = m_Bar->Menus()->Add(menu)->MenuItems();
    for (const MenuItemAddArgs& item : items) added->Add(item);
  };
  add({.Key = "File", .Caption = "&File", .Enabled = true},
      {{.Caption = "&New", .Key = "New"}, {.Caption = "&Open", .Key = "Open", .ToolTipText = "Opens a file"},
       {.Style = tsMenuSeperator, .Key = "Sep"},
       {.Style = tsSubMenu, .Caption = "&Recent", .SubMenuName = "RecentMenu", .Key = "Recent"},
       {.Style = tsSubMenu, .Caption = "&More", .SubMenuName = "MoreMenu", .Key = "More"},
       {.Caption = "&Disabled", .Enabled = false, .Key = "Disabled"}});
  add({.Key = "Edit", .Caption = "&Edit", .Enabled = true, .ToolTipText = "Edit things"},
      {{.Caption = "&Undo", .Key = "Undo"}, {.Caption = "Cu&t", .Key = "Cut"}});
  add({.Key = "View", .Caption = "&View", .Enabled = true, .DisplayInfrequents = true},
      {{.Caption = "&Toolbar", .Key = "Toolbar"}, {.Caption = "&Status", .Infrequent = true, .Key = "Status"},
       {.Style = tsMenuSeperator, .Key = "Sep"},
       {.Style = tsSubMenu, .Caption = "&Zoom", .SubMenuName = "MoreMenu", .Key = "Zoom"},
       {.Caption = "&Locked", .Enabled = false, .Key = "Locked"},
       {.Caption = "&Ruler", .Infrequent = true, .Key = "Ruler"}});
  add({.Key = "RecentMenu", .Caption = "Recent", .Style = tsSecondaryMenu, .Enabled = true},
      {{.Caption = "&One", .Key = "One"}, {.Caption = "T&wo", .Key = "Two"}});
  add({.Key = "MoreMenu", .Caption = "More", .Style = tsSecondaryMenu, .Enabled = true},
      {{.Caption = "T&hree", .Key = "Three"}});
  m_Bar->EndUpdate();
  m_Bar->Connect(&m_Events);
  mirel_test::RegisterTestWindowClass();
  m_hWndDocument = KeyWindow("doc", kDocumentArea, m_Form->hWnd());

  // The control's timers make their windows when they first run and keep them: a shown
  // caption tip, one drop and a close first, so that the counts hold only what tracking
  // creates and must release.
  Desktop().MouseMove(kOffTheForm.x, kOffTheForm.y);
  Desktop().AdvanceTime(kSettleTime);
  for (const Step& step : {Move(Caption(kEdit)), Wait(kRunOutTime), Move(Caption(kEdit, 1)), Wait(kRunOutTime),
                           Click(Caption(kFile)), Wait(kRunOutTime), Key(VK_ESCAPE), Move(Screen(kOffTheForm)),
                           Wait(kRunOutTime), Mark()})
    Run(step);
  m_CountsAtStart = win32::SnapshotLiveObjects();
}

void MenusOnForm::TearDown() {
  if (m_Form && m_Form->Loaded()) m_Bar->Disconnect(&m_Events);
  if (m_OtherForm && m_OtherForm->Loaded()) m_OtherForm->Unload();
  if (m_hWndOther != nullptr) DestroyWindow(m_hWndOther);
  BarOnForm::TearDown();
}

void MenusOnForm::Log(const std::string& row) {
  m_Log.push_back(std::to_string(Desktop().Now() - m_dwStart) + " " + row);
}
void MenusOnForm::LogMove(const std::string& row) {
  if (m_bWithMoves) Log(row);
}

std::string MenusOnForm::Pointer(float X, float Y) {
  const auto at = [this, X, Y](POINT pt) {
    return static_cast<long>(X) == pt.x * Twips() && static_cast<long>(Y) == pt.y * Twips();
  };
  POINT cursor{};
  GetCursorPos(&cursor);
  if (at(cursor)) return "@";
  for (HWND hWnd : Inside(*m_Bar).OpenMenuWindows())
    if (at(POINT{mirel_test::WindowRect(hWnd).left, mirel_test::WindowRect(hWnd).top})) return "@menu";
  return Text(X) + " " + Text(Y);
}

HWND MenusOnForm::KeyWindow(const char* name, const RECT& rect, HWND parent) {
  HWND hWnd = mirel_test::CreateTestWindow(
      name, rect, parent != nullptr ? mirel_test::kTestChildStyle : mirel_test::kTestPopupStyle, 0, parent);
  const std::string sName = name;
  mirel_test::SetTestHandler(
      hWnd, [this, sName](HWND hWnd, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) SetFocus(hWnd);
        if (message == WM_CHAR && hWnd == m_hWndDocument) m_sDocumentText.push_back(static_cast<char>(wParam));
        if (IsKeyMessage(message) && !IsModifier(wParam))
          Log(sName + " " + mirel_test::MessageName(message) + " " + KeyName(static_cast<int>(wParam)));
        return std::nullopt;
      });
  return hWnd;
}

frmMenu& MenusOnForm::OpenMenu(int menu) {
  const std::vector<HWND> open = Inside(*m_Bar).OpenMenuWindows();
  if (open.empty() || menu >= static_cast<int>(open.size())) throw std::runtime_error("that menu window is not open");
  return *frmMenu::FromWindow(menu < 0 ? open.back() : open[static_cast<std::size_t>(menu)]);
}
frmMenu& MenusOnForm::Newest() { return OpenMenu(-1); }

std::string MenusOnForm::OpenMenuKeys() {
  std::string keys;
  for (HWND hWnd : Inside(*m_Bar).OpenMenuWindows()) {
    if (!keys.empty()) keys += ",";
    keys += Inside(*m_Bar).MenuData().Menu(frmMenu::FromWindow(hWnd)->MenuIndex()).cMKey;
  }
  return keys;
}

POINT MenusOnForm::PointOf(const Where& at) {
  frmMenu* form = at.place == Place::Row || at.place == Place::AboveRow || at.place == Place::Arrow
                      ? &OpenMenu(at.menu) : nullptr;
  const auto inMenu = [form](int y) {
    const RECT rc = mirel_test::WindowRect(form->hWnd());
    return POINT{rc.left + kRowTextInset, rc.top + y};
  };
  POINT pt{};
  switch (at.place) {
    case Place::Caption: pt = CaptionPoint(at.index); break;
    case Place::Row: {
      const tMenuRow& row = form->Layout().Row(at.index);
      pt = inMenu((row.lBandTop + row.lBandBottom) / 2);
      break;
    }
    case Place::AboveRow: {
      const int y = form->Layout().Row(at.index).lBandTop - 1;
      EXPECT_EQ(form->Layout().HitTest(y), kNoMenuRow) << "above row " << at.index;
      pt = inMenu(y);
      break;
    }
    case Place::Arrow: pt = inMenu(form->Size().cy - kInsideArrowZone); break;
    case Place::Screen: break;
    case Place::Here: GetCursorPos(&pt); break;
    case Place::Document: {
      const RECT rc = mirel_test::WindowRect(m_hWndDocument);
      pt = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
      break;
    }
  }
  return POINT{pt.x + at.dx, pt.y + at.dy};
}

void MenusOnForm::Run(const Step& step) {
  win32::Desktop& desktop = Desktop();
  const auto moveTo = [&] {
    if (step.at.place == Place::Here && step.at.dx == 0 && step.at.dy == 0) return;  // presses where it is
    const POINT pt = PointOf(step.at);
    desktop.MouseMove(pt.x, pt.y);
  };
  switch (step.what) {
    case Do::Move: moveTo(); break;
    case Do::Click: moveTo(); desktop.Click(); break;
    case Do::Press: moveTo(); desktop.MouseDown(win32::MouseButton::Left); break;
    case Do::Release: desktop.MouseUp(win32::MouseButton::Left); break;
    case Do::Key:
      for (int i = 0; i < step.times; ++i) {
        desktop.KeyPress(step.value);
        ShowStates(step.states);
      }
      break;
    case Do::KeyDown: desktop.KeyDown(step.value); break;
    case Do::KeyUp: desktop.KeyUp(step.value); break;
    case Do::Chord:
      for (int vk : step.modifiers) desktop.KeyDown(vk);
      desktop.KeyPress(step.value);
      for (auto it = step.modifiers.rbegin(); it != step.modifiers.rend(); ++it) desktop.KeyUp(*it);
      break;
    case Do::Wait: desktop.AdvanceTime(static_cast<DWORD>(step.value)); break;
    case Do::Call: step.call(*this); break;
    case Do::Mark: m_dwStart = desktop.Now(); m_Log.clear(); break;
    case Do::Moves: m_bWithMoves = true; break;
    case Do::Show: ShowStates(step.states); break;
  }
}

void MenusOnForm::ShowStates(const std::vector<State>& states) {
  if (m_Form && m_Form->Loaded()) {
    EXPECT_TRUE(BarShowsItsState()) << "the bar before log row " << m_Log.size();
  }
  const auto yesNo = [](bool b) { return std::string(b ? "yes" : "no"); };
  BarTracker& tracker = Inside(*m_Bar).Tracker();
  for (State state : states) {
    const bool open = !Inside(*m_Bar).OpenMenuWindows().empty();
    std::string row;
    switch (state) {
      case State::Open: row = "open " + (open ? OpenMenuKeys() : "-"); break;
      case State::Highlight: row = "highlight " + std::to_string(open ? Newest().HighlightedRow() : kNoMenuRow); break;
      case State::Tip: row = "tip " + yesNo(Inside(*m_Bar).ToolTipWindow() != nullptr); break;
      case State::Hover:
        row = "hover " + std::to_string(tracker.HoverIndex()) + (tracker.MouseOverBar() ? " over" : " away");
        break;
      case State::Alt: row = "alt " + yesNo(tracker.AltMode()); break;
      case State::ByKey: row = "by key " + yesNo(tracker.KeyboardOpened()); break;
      case State::Dropped: row = "dropped " + std::to_string(tracker.DroppedIndex()); break;
      case State::MenuAt: {
        const RECT rc = mirel_test::WindowRect(Newest().hWnd());
        row = "menu at " + std::to_string(rc.left) + "," + std::to_string(rc.top);
        break;
      }
      case State::Arrow:
        row = std::string("arrow ") + (!Newest().ExpandArrowShown() ? "none"
                                       : Newest().ExpandArrowHot()  ? "hot"
                                                                    : "shown");
        break;
      case State::Infrequents: {
        row = "rows";
        for (int i = 1; i <= Newest().Layout().Count(); ++i)
          if (Newest().Layout().Row(i).bShown) row += " " + std::to_string(i);
        break;
      }
      case State::Text: row = "text \"" + m_sDocumentText + "\""; break;
      case State::Sane:
        row = "sane " + yesNo(GetCapture() == nullptr && mirel_test::BrokenInvariants(*m_Bar).empty());
        break;
      case State::Focus: {
        const HWND active = GetActiveWindow();
        row = std::string("focus ") + (GetFocus() == m_hWndDocument ? "doc" : "elsewhere") + ", active " +
              (active == m_Form->hWnd()                        ? "form"
               : m_OtherForm && active == m_OtherForm->hWnd() ? "other form"
                                                              : "elsewhere");
        break;
      }
    }
    m_Log.push_back("= " + row);
  }
}

void MenusOnForm::Play(const std::vector<Step>& steps, const Sequence& expected) {
  for (const Step& step : steps) Run(step);
  EXPECT_TRUE(mirel_test::SameSequence(expected, m_Log));
  if (m_Form && m_Form->Loaded()) {
    ExpectAllClosedAndNothingLeaked();
    return;
  }
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::DC), 0);
  EXPECT_FALSE(mHooks::IsHookInstalled());
  EXPECT_EQ(voxSubClsSvr::Instance().AttachmentCount(), 0u);
}

// The bar window shows what a full repaint of it shows: no caption is left pressed or hot
// that should not be, none is missing its look.
bool MenusOnForm::BarShowsItsState() {
  const RECT bar = mirel_test::WindowRect(m_Bar->hWnd());
  const auto barPixels = [&] {
    HDC hdc = GetDC(m_Bar->hWnd());
    const win32::Surface pixels = mirel_test::ReadPixels(hdc, bar.right - bar.left, bar.bottom - bar.top);
    ReleaseDC(m_Bar->hWnd(), hdc);
    return pixels;
  };
  const win32::Surface shown = barPixels();
  m_Bar->Refresh();
  return mirel_test::SamePixels(shown, barPixels());
}

void MenusOnForm::ExpectAllClosedAndNothingLeaked() {
  Desktop().MouseMove(kOffTheForm.x, kOffTheForm.y);
  Desktop().AdvanceTime(kRunOutTime);
  EXPECT_TRUE(Inside(*m_Bar).OpenMenuWindows().empty());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Inside(*m_Bar).Tracker().DroppedIndex(), kNoBarMenu);
  EXPECT_FALSE(Inside(*m_Bar).Tracker().MenuDropped());
  EXPECT_TRUE(mirel_test::SameSequence(mirel_test::CountRows(m_CountsAtStart),
                                       mirel_test::CountRows(win32::SnapshotLiveObjects())))
      << "live objects";
  EXPECT_TRUE(BarShowsItsState());
}

TEST_P(MenuStory, Plays) { Play(GetParam().steps, GetParam().log); }

}  // namespace menu_story
