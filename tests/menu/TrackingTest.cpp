#include "TrackingTest.h"

#include "container/WindowClass.h"
#include "core/MirelMenuBar20Internals.h"
#include "core/automation/cMenu.h"
#include "core/automation/cMenuItems.h"
#include "core/automation/cMenus.h"

namespace tracking_test {
namespace {

constexpr float kBarHeightTwips = 1200;
constexpr DWORD kSettleTime = 100;     // lets the start-up OverTimer tick run out
constexpr DWORD kRunOutTime = 3500;    // longer than every tracking and tip timer
constexpr POINT kOffTheForm{1000, 760};
constexpr int kRowTextInset = 30;  // from a menu window's left edge into its caption text
constexpr char kDocumentClass[] = "MirelTestDocument";
constexpr char kDocumentTextProp[] = "MirelTestDocument:Text";
constexpr RECT kDocumentArea{420, 100, 620, 300};  // client pixels of the form

LRESULT DocumentProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  if (iMsg == WM_LBUTTONDOWN) SetFocus(hWnd);
  if (iMsg == WM_CHAR) static_cast<std::string*>(GetPropA(hWnd, kDocumentTextProp))->push_back(static_cast<char>(wParam));
  return DefWindowProcA(hWnd, iMsg, wParam, lParam);
}

std::string Text(float value) { return std::to_string(static_cast<long>(value)); }

std::string ItemRow(const std::string& name, std::int16_t MenuIndex, const std::string& MenuID,
                    std::int16_t MenuItemIndex, const std::string& MenuItemID) {
  return name + " " + std::to_string(MenuIndex) + " " + MenuID + " " + std::to_string(MenuItemIndex) + " " + MenuItemID;
}

std::string Mouse(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  return " " + std::to_string(Button) + " " + std::to_string(Shift) + " " + Text(X) + " " + Text(Y);
}

}  // namespace

void MenuEventLog::Add(const std::string& row) {
  rows.push_back(std::to_string(win32::TheDesktop().Now() - dwStart) + " " + row);
}

void MenuEventLog::MenuMouseMove(std::int16_t MenuIndex, std::string MenuID, std::int16_t Button, std::int16_t Shift,
                                 float X, float Y) {
  if (bWithMoves) Add("MenuMouseMove " + std::to_string(MenuIndex) + " " + MenuID + Mouse(Button, Shift, X, Y));
}
void MenuEventLog::MenuOnDrop(std::int16_t MenuIndex, std::string MenuID) {
  Add("MenuOnDrop " + std::to_string(MenuIndex) + " " + MenuID);
}
void MenuEventLog::MenuOnClose(std::int16_t MenuIndex, std::string MenuID) {
  Add("MenuOnClose " + std::to_string(MenuIndex) + " " + MenuID);
}
void MenuEventLog::MenuOnInfrequentOpen(std::int16_t MenuIndex, std::string MenuID) {
  Add("MenuOnInfrequentOpen " + std::to_string(MenuIndex) + " " + MenuID);
}
void MenuEventLog::MenuOnInfrequentClose(std::int16_t MenuIndex, std::string MenuID) {
  Add("MenuOnInfrequentClose " + std::to_string(MenuIndex) + " " + MenuID);
}
void MenuEventLog::MenuItemClick(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                                 std::string MenuItemID) {
  Add(ItemRow("MenuItemClick", MenuIndex, MenuID, MenuItemIndex, MenuItemID));
}
void MenuEventLog::MenuItemMouseDown(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                                     std::string MenuItemID, std::int16_t Button, std::int16_t Shift, float X,
                                     float Y) {
  Add(ItemRow("MenuItemMouseDown", MenuIndex, MenuID, MenuItemIndex, MenuItemID) + Mouse(Button, Shift, X, Y));
}
void MenuEventLog::MenuItemMouseMove(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                                     std::string MenuItemID, std::int16_t Button, std::int16_t Shift, float X,
                                     float Y) {
  if (bWithMoves)
    Add(ItemRow("MenuItemMouseMove", MenuIndex, MenuID, MenuItemIndex, MenuItemID) + Mouse(Button, Shift, X, Y));
}
void MenuEventLog::MenuItemMouseUp(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                                   std::string MenuItemID, std::int16_t Button, std::int16_t Shift, float X, float Y) {
  Add(ItemRow("MenuItemMouseUp", MenuIndex, MenuID, MenuItemIndex, MenuItemID) + Mouse(Button, Shift, X, Y));
}


void TrackingTest::SetUp() {
  MakeBar({.desktop = win32::DesktopOptions{.dpi = m_iDpi},
           .form = mirel_test::FormAt(kFormLeft, kFormTop),
           .barHeightTwips = kBarHeightTwips,
           .endUpdate = false});
  const std::shared_ptr<cMenus> menus = m_Bar->Menus();
  const auto file = menus->Add({.Key = "File", .Caption = "&File", .Enabled = true})->MenuItems();
  file->Add({.Caption = "&New", .Key = "New"});
  file->Add({.Caption = "&Open", .Key = "Open", .ToolTipText = "Opens a file"});
  file->Add({.Style = tsMenuSeperator, .Key = "Sep"});
  file->Add({.Style = tsSubMenu, .Caption = "&Recent", .SubMenuName = "RecentMenu", .Key = "Recent"});
  file->Add({.Style = tsSubMenu, .Caption = "&More", .SubMenuName = "MoreMenu", .Key = "More"});
  file->Add({.Caption = "&Disabled", .Enabled = false, .Key = "Disabled"});
  const auto edit =
      menus->Add({.Key = "Edit", .Caption = "&Edit", .Enabled = true, .ToolTipText = "Edit things"})->MenuItems();
  edit->Add({.Caption = "&Undo", .Key = "Undo"});
  edit->Add({.Caption = "Cu&t", .Key = "Cut"});
  const auto view =
      menus->Add({.Key = "View", .Caption = "&View", .Enabled = true, .DisplayInfrequents = true})->MenuItems();
  view->Add({.Caption = "&Toolbar", .Key = "Toolbar"});
  view->Add({.Caption = "&Status", .Infrequent = true, .Key = "Status"});
  view->Add({.Style = tsMenuSeperator, .Key = "Sep"});
  view->Add({.Style = tsSubMenu, .Caption = "&Zoom", .SubMenuName = "MoreMenu", .Key = "Zoom"});
  view->Add({.Caption = "&Locked", .Enabled = false, .Key = "Locked"});
  view->Add({.Caption = "&Ruler", .Infrequent = true, .Key = "Ruler"});
  const auto recent =
      menus->Add({.Key = "RecentMenu", .Caption = "Recent", .Style = tsSecondaryMenu, .Enabled = true})->MenuItems();
  recent->Add({.Caption = "&One", .Key = "One"});
  recent->Add({.Caption = "T&wo", .Key = "Two"});
  const auto more =
      menus->Add({.Key = "MoreMenu", .Caption = "More", .Style = tsSecondaryMenu, .Enabled = true})->MenuItems();
  more->Add({.Caption = "T&hree", .Key = "Three"});
  m_Bar->EndUpdate();
  m_Bar->Connect(&m_Log);

  MoveTo(kOffTheForm);
  Desktop().AdvanceTime(kSettleTime);
  // The control's timers make their windows when they first run and keep them: a shown
  // caption tip, one drop and a close first, so that the counts below hold only what
  // tracking creates and must release.
  const POINT tipped = CaptionPoint(kEdit);
  MoveTo(tipped);
  Desktop().AdvanceTime(kRunOutTime);
  MoveTo(POINT{tipped.x + 1, tipped.y});
  Desktop().AdvanceTime(kRunOutTime);
  ClickCaption(kFile);
  Desktop().AdvanceTime(kRunOutTime);
  Desktop().KeyPress(VK_ESCAPE);
  MoveTo(kOffTheForm);
  Desktop().AdvanceTime(kRunOutTime);
  m_CountsAtStart = win32::SnapshotLiveObjects();
  Mark();
}

void TrackingTest::TearDown() {
  m_Bar->Disconnect(&m_Log);
  BarOnForm::TearDown();
}

void TrackingTest::Mark() {
  m_Log.dwStart = Desktop().Now();
  m_Log.rows.clear();
}

void TrackingTest::ClickCaption(int iMenu) { ClickAt(CaptionPoint(iMenu)); }

std::vector<frmMenu*> TrackingTest::OpenMenus() {
  std::vector<frmMenu*> forms;
  for (HWND hWnd : Inside(*m_Bar).OpenMenuWindows())
    if (frmMenu* form = frmMenu::FromWindow(hWnd)) forms.push_back(form);
  return forms;
}

frmMenu& TrackingTest::Newest() {
  const std::vector<frmMenu*> forms = OpenMenus();
  if (forms.empty()) throw std::runtime_error("no menu window is open");
  return *forms.back();
}

POINT TrackingTest::ClientPoint(const frmMenu& form, int y) {
  RECT rcMenu{};
  GetWindowRect(form.hWnd(), &rcMenu);
  return POINT{rcMenu.left + kRowTextInset, rcMenu.top + y};
}

POINT TrackingTest::RowPoint(const frmMenu& form, int i) {
  const tMenuRow& row = form.Layout().Row(i);
  return ClientPoint(form, (row.lBandTop + row.lBandBottom) / 2);
}

void TrackingTest::ClickAt(POINT pt) {
  MoveTo(pt);
  Desktop().Click();
}

std::string TrackingTest::OpenMenuKeys() {
  std::string keys;
  for (frmMenu* form : OpenMenus()) {
    if (!keys.empty()) keys += ",";
    keys += Inside(*m_Bar).MenuData().Menu(form->MenuIndex()).cMKey;
  }
  return keys;
}

HWND TrackingTest::AddDocument() {
  EnsureWindowClass<&DocumentProc>(kDocumentClass);
  m_hWndDocument = CreateWindowExA(0, kDocumentClass, "Document", WS_CHILD | WS_VISIBLE, kDocumentArea.left,
                                   kDocumentArea.top, kDocumentArea.right - kDocumentArea.left,
                                   kDocumentArea.bottom - kDocumentArea.top, m_Form->hWnd(), nullptr, nullptr, nullptr);
  SetPropA(m_hWndDocument, kDocumentTextProp, &m_sDocumentText);
  m_CountsAtStart = win32::SnapshotLiveObjects();  // the document stays
  return m_hWndDocument;
}

POINT TrackingTest::DocumentPoint() {
  RECT rcDocument{};
  GetWindowRect(m_hWndDocument, &rcDocument);
  return POINT{(rcDocument.left + rcDocument.right) / 2, (rcDocument.top + rcDocument.bottom) / 2};
}

void TrackingTest::ExpectAllClosedAndNothingLeaked() {
  MoveTo(kOffTheForm);
  Desktop().AdvanceTime(kRunOutTime);
  EXPECT_TRUE(Inside(*m_Bar).OpenMenuWindows().empty());
  EXPECT_EQ(Inside(*m_Bar).Tracker().DroppedIndex(), kNoBarMenu);
  EXPECT_FALSE(Inside(*m_Bar).Tracker().MenuDropped());
  const win32::LiveObjectCounts counts = win32::SnapshotLiveObjects();
  static constexpr const char* kKinds[] = {"windows", "DCs",         "bitmaps", "fonts",  "brushes", "pens",
                                           "regions", "image lists", "timers",  "hooks", "themes"};
  std::vector<std::string> expected;
  std::vector<std::string> actual;
  for (std::size_t k = 0; k < counts.counts.size(); ++k) {
    expected.push_back(std::string(kKinds[k]) + " " + std::to_string(m_CountsAtStart.counts[k]));
    actual.push_back(std::string(kKinds[k]) + " " + std::to_string(counts.counts[k]));
  }
  EXPECT_TRUE(SameRows(expected, actual)) << "live objects";
}

}  // namespace tracking_test
