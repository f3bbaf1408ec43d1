// A run-time host form with a menu bar and a few menus, a sink that writes every menu event
// as a text row stamped with the virtual time since the interaction began, and the screen
// points a user aims at: captions on the bar and rows of the open menu windows.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/MessageLog.h"
#include "support/BarOnForm.h"
#include "menu/frmMenu.h"
#include "win32/desktop.h"
#include "win32/objcount.h"

namespace tracking_test {

class MenuEventLog : public __MirelMenuBar20 {
 public:
  bool bWithMoves = false;  // also MenuMouseMove and MenuItemMouseMove
  DWORD dwStart = 0;
  std::vector<std::string> rows;

  void MenuMouseMove(std::int16_t MenuIndex, std::string MenuID, std::int16_t Button, std::int16_t Shift, float X,
                     float Y) override;
  void MenuOnDrop(std::int16_t MenuIndex, std::string MenuID) override;
  void MenuOnClose(std::int16_t MenuIndex, std::string MenuID) override;
  void MenuOnInfrequentOpen(std::int16_t MenuIndex, std::string MenuID) override;
  void MenuOnInfrequentClose(std::int16_t MenuIndex, std::string MenuID) override;
  void MenuItemClick(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex,
                     std::string MenuItemID) override;
  void MenuItemMouseDown(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex, std::string MenuItemID,
                         std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void MenuItemMouseMove(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex, std::string MenuItemID,
                         std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void MenuItemMouseUp(std::int16_t MenuIndex, std::string MenuID, std::int16_t MenuItemIndex, std::string MenuItemID,
                       std::int16_t Button, std::int16_t Shift, float X, float Y) override;

 private:
  void Add(const std::string& row);
};

// Compares two tables and prints both in full when they differ.
inline constexpr auto& SameRows = mirel_test::SameSequence;

class TrackingTest : public mirel_test::BarOnForm {
 protected:
  // Menus: 1 "File" (New, Open with a tool tip, separator, Recent >, More >, Disabled), 2 "Edit" with a tool tip (Undo, Cut),
  // 3 "View" hiding its infrequent items (Toolbar, Status (infrequent), separator, Zoom >,
  // Locked (disabled), Ruler (infrequent)), and the secondary menus "RecentMenu" (One, Two)
  // and "MoreMenu" (Three).
  static constexpr int kFile = 1;
  static constexpr int kEdit = 2;
  static constexpr int kView = 3;
  static constexpr int kFormLeft = 40;
  static constexpr int kFormTop = 30;

  void SetUp() override;
  void TearDown() override;

  int Twips() { return Desktop().TwipsPerPixel(); }

  // Starts the clock of the event rows and forgets the rows so far.
  void Mark();
  const std::vector<std::string>& Rows() const { return m_Log.rows; }
  void RecordMoves(bool bWithMoves) { m_Log.bWithMoves = bWithMoves; }

  void ClickCaption(int iMenu);
  // The open menu windows, oldest first.
  std::vector<frmMenu*> OpenMenus();
  frmMenu& Newest();
  // Screen pixels of the middle of item i's row in menu window `form`, and of a client y.
  POINT RowPoint(const frmMenu& form, int i);
  POINT ClientPoint(const frmMenu& form, int y);
  void MoveTo(POINT pt) { Desktop().MouseMove(pt.x, pt.y); }
  void ClickAt(POINT pt);
  // The menu keys of the open windows, oldest first, joined by commas.
  std::string OpenMenuKeys();

  // A child window of the host form beside the bar, as a host's editor: it takes the focus
  // when clicked and keeps the characters typed into it. Call it before anything opens.
  HWND AddDocument();
  POINT DocumentPoint();
  const std::string& DocumentText() const { return m_sDocumentText; }

  // Moves the mouse off the form and lets every poll and timer run out, then checks that
  // no menu window is left and that the live-object counters are back where they started.
  void ExpectAllClosedAndNothingLeaked();

  // The screen resolution SetUp starts the desktop with.
  int m_iDpi = win32::kDefaultDpi;
  win32::LiveObjectCounts m_CountsAtStart;

 private:
  MenuEventLog m_Log;
  HWND m_hWndDocument = nullptr;
  std::string m_sDocumentText;
};

}  // namespace tracking_test
