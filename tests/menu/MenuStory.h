// Menus as a user drives them, told as stories: a run-time form at (40, 30) with a menu bar
// and a document window, a script of mouse, key, clock and host steps, and one log of what
// happened in order — the control's menu events stamped with the virtual time since the
// story began, the key messages reaching the document, and states the script asks to see.
// Each story ends by checking that nothing is left open and nothing leaked.
//
// Menus: 1 "File" (New, Open with a tool tip, separator, Recent >, More >, Disabled),
// 2 "Edit" with a tool tip (Undo, Cut), 3 "View" hiding its infrequent items (Toolbar,
// Status (infrequent), separator, Zoom >, Locked (disabled), Ruler (infrequent)), and the
// secondary menus 4 "RecentMenu" (One, Two) and 5 "MoreMenu" (Three).
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/MirelMenuBar20Internals.h"
#include "core/automation/cMenuItems.h"
#include "core/automation/cMenus.h"
#include "menu/frmMenu.h"
#include "support/BarOnForm.h"
#include "win32/objcount.h"

namespace menu_story {

using mirel_test::Sequence;

inline constexpr int kFile = 1;
inline constexpr int kEdit = 2;
inline constexpr int kView = 3;
inline constexpr POINT kOnTheForm{300, 300};
inline constexpr POINT kOffTheForm{1000, 760};

class MenusOnForm;
using Action = std::function<void(MenusOnForm&)>;

// Where the mouse goes: a caption on the bar, a row of an open menu window (its band's
// middle, or the pixel above its band; the newest window unless `menu` counts from the
// oldest), the newest menu's expand arrow, a screen point, the document's middle, where the
// mouse is; each nudged by (dx, dy).
enum class Place { Caption, Row, AboveRow, Arrow, Screen, Document, Here };
struct Where {
  Place place;
  int index = 0, dx = 0, dy = 0, menu = -1;
};
inline Where Caption(int iMenu, int dx = 0) { return {Place::Caption, iMenu, dx}; }
inline Where Row(int i, int dx = 0, int dy = 0) { return {Place::Row, i, dx, dy}; }
inline Where BarMenuRow(int i) { return {Place::Row, i, 0, 0, 0}; }
inline Where AboveRow(int i) { return {Place::AboveRow, i}; }
inline Where Arrow() { return {Place::Arrow}; }
inline Where Screen(POINT pt) { return {Place::Screen, 0, pt.x, pt.y}; }
inline Where Document() { return {Place::Document}; }
inline Where Here(int dx = 0, int dy = 0) { return {Place::Here, 0, dx, dy}; }

// What a Show step writes to the log, as "= <name> <value>".
// Sane: nothing holds the capture and the control's invariants hold.
enum class State { Open, Highlight, Tip, Hover, Alt, ByKey, Dropped, MenuAt, Arrow, Infrequents, Text, Focus, Sane };

enum class Do { Move, Click, Press, Release, Key, KeyDown, KeyUp, Chord, Wait, Call, Show, Mark, Moves };
struct Step {
  Do what;
  Where at{};
  int value = 0;  // the key, or the milliseconds to wait
  Action call{};
  std::vector<State> states{};
  int times = 1;
  std::vector<int> modifiers{};
};
inline Step Move(Where at) { return {Do::Move, at}; }
inline Step Click(Where at) { return {Do::Click, at}; }
inline Step Press(Where at) { return {Do::Press, at}; }  // left button down there
inline Step Release() { return {Do::Release}; }
// Presses a key `times` times, showing `show` after each press.
inline Step Key(int vk, int times = 1, std::vector<State> show = {}) { return {Do::Key, {}, vk, {}, show, times}; }
inline Step KeyDown(int vk) { return {Do::KeyDown, {}, vk}; }
inline Step KeyUp(int vk) { return {Do::KeyUp, {}, vk}; }
// Modifiers held around one key press.
inline Step Chord(std::vector<int> modifiers, int vk) { return {Do::Chord, {}, vk, {}, {}, 1, modifiers}; }
inline Step Wait(int ms) { return {Do::Wait, {}, ms}; }
inline Step Call(Action call) { return {Do::Call, {}, 0, std::move(call)}; }
inline Step Show(std::vector<State> states) { return {Do::Show, {}, 0, {}, std::move(states)}; }
inline Step Mark() { return {Do::Mark}; }    // the clock starts again and the log empties
inline Step Moves() { return {Do::Moves}; }  // mouse-move events are logged from here on
Step HideAll();                                  // the host calls HideAllMenus
Step PopUp(const char* key, POINT at);          // the host calls PopUpMenu at a screen pixel
Step SetHotKey(const char* menu, const char* item, const char* hotKey);
Step FocusDocument();

struct Story {
  const char* name;
  std::vector<Step> steps;
  Sequence log;  // item events show the pointer as "@" (where the mouse is) or "@menu" (a menu's corner)
  int dpi = win32::kDefaultDpi;
};
inline void PrintTo(const Story& story, std::ostream* out) { *out << story.name; }
inline std::string StoryName(const ::testing::TestParamInfo<Story>& info) { return info.param.name; }

// Writes a control's menu events into the fixture's log, each prefixed by `prefix`.
class EventRows : public __MirelMenuBar20 {
  using S = std::string;
  using I = std::int16_t;

 public:
  EventRows(MenusOnForm& fixture, S prefix) : m_Fixture(fixture), m_sPrefix(std::move(prefix)) {}
  std::map<S, std::function<void()>> on;  // the host's own code inside an event, by its name

  void MenuMouseMove(I m, S mk, I b, I s, float x, float y) override {
    Add("MenuMouseMove " + N(m, mk) + At(b, s, x, y), true);
  }
  void MenuOnDrop(I m, S mk) override { Add("MenuOnDrop " + N(m, mk)); }
  void MenuOnClose(I m, S mk) override { Add("MenuOnClose " + N(m, mk)); }
  void MenuOnInfrequentOpen(I m, S mk) override { Add("MenuOnInfrequentOpen " + N(m, mk)); }
  void MenuOnInfrequentClose(I m, S mk) override { Add("MenuOnInfrequentClose " + N(m, mk)); }
  void MenuItemClick(I m, S mk, I i, S ik) override { Add("MenuItemClick " + N(m, mk) + " " + N(i, ik)); }
  void MenuItemMouseDown(I m, S mk, I i, S ik, I b, I s, float x, float y) override {
    Add("MenuItemMouseDown " + N(m, mk) + " " + N(i, ik) + At(b, s, x, y));
  }
  void MenuItemMouseMove(I m, S mk, I i, S ik, I b, I s, float x, float y) override {
    Add("MenuItemMouseMove " + N(m, mk) + " " + N(i, ik) + At(b, s, x, y), true);
  }
  void MenuItemMouseUp(I m, S mk, I i, S ik, I b, I s, float x, float y) override {
    Add("MenuItemMouseUp " + N(m, mk) + " " + N(i, ik) + At(b, s, x, y));
  }

 private:
  static S N(I index, const S& key) { return std::to_string(index) + " " + key; }
  S At(I button, I shift, float x, float y);
  void Add(const S& row, bool move = false);
  MenusOnForm& m_Fixture;
  S m_sPrefix;
};

class MenusOnForm : public mirel_test::BarOnForm {
 public:
  void SetUp() override;
  void TearDown() override;
  virtual int Dpi() const { return win32::kDefaultDpi; }

  // Runs the steps, then compares the log with `expected` (printed in full when they differ)
  // and checks that everything is closed and released.
  void Play(const std::vector<Step>& steps, const Sequence& expected);
  void Run(const Step& step);
  void ShowStates(const std::vector<State>& states);

  MirelMenuBar20& Bar() { return *m_Bar; }
  Form& HostForm() { return *m_Form; }
  void DropFormObject() { m_Form.reset(); }  // as a host's form going out of scope
  int Twips() { return Desktop().TwipsPerPixel(); }
  std::shared_ptr<cMenuItem> Item(const char* menu, const char* item) {
    return m_Bar->Menus()->Item(Variant(menu))->MenuItems()->Item(Variant(item));
  }
  POINT PointOf(const Where& at);
  frmMenu& Newest();
  frmMenu& OpenMenu(int menu);  // counted from the oldest; -1 the newest
  std::string OpenMenuKeys();
  // A window that logs the key messages it receives as "<name> WM_KEYDOWN F5" and takes the
  // focus when clicked; a child of `parent`, or a top-level window.
  HWND KeyWindow(const char* name, const RECT& rect, HWND parent);
  void Log(const std::string& row);
  void LogMove(const std::string& row);  // only once a Moves step asked for them
  const Sequence& Rows() const { return m_Log; }
  // "@" for the mouse's place, "@menu" for an open menu window's corner, else "X Y", in twips.
  std::string Pointer(float X, float Y);
  // Moves the mouse off the form, lets every timer run out, and checks that no menu window is
  // left and that the live-object counters are back where they started.
  void ExpectAllClosedAndNothingLeaked();
  bool BarShowsItsState();

  EventRows m_Events{*this, ""};
  HWND m_hWndDocument = nullptr;
  std::string m_sDocumentText;
  std::unique_ptr<Form> m_OtherForm;  // a second host form some stories open
  HWND m_hWndOther = nullptr;         // a top-level window of another program

 private:
  Sequence m_Log;
  DWORD m_dwStart = 0;
  bool m_bWithMoves = false;
  win32::LiveObjectCounts m_CountsAtStart;
};

class MenuStory : public MenusOnForm, public ::testing::WithParamInterface<Story> {
 public:
  int Dpi() const override { return GetParam().dpi; }
};

// The name a key has in the log ("F5", "Esc", "S").
std::string KeyName(int vk);

}  // namespace menu_story
