// CWlessListBox: a list box without a window of its own. It keeps its items (a text and a
// colour each, drawn as a name beside a swatch), paints them into a rectangle of its host's
// window (DropHwnd) and takes the keys and mouse input its host forwards. The host window
// carries the drop host's property "MirelDrop20:ObjectPtr"; input arriving after the host
// has gone raises "Object has been unloaded." and changes nothing.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "container/Ole.h"
#include "drop/IListBoxOwner.h"
#include "render/cMemDC.h"
#include "win32/windows.h"

class StdFont;

// KeyTest's message types.
enum class eListKey : std::int16_t { KeyDown = 0, KeyPress = 1, KeyUp = 2 };
// HitTest's message types.
enum class eListMouse : std::int16_t { Down = 1, Move = 2, Up = 3 };

class CWlessListBox {
 public:
  static constexpr const char* kDropHostProp = "MirelDrop20:ObjectPtr";
  static constexpr std::int32_t kNoItem = -1;
  // Appearance 1: HitTest coordinates arrive in twips.
  static constexpr std::int16_t kAppearanceTwips = 1;

  explicit CWlessListBox(IListBoxOwner& owner);
  ~CWlessListBox();
  CWlessListBox(const CWlessListBox&) = delete;
  CWlessListBox& operator=(const CWlessListBox&) = delete;

  // ---- items (0-based) ----
  // Appends an item; the first one becomes the top item.
  void AddItem(std::string sText, OLE_COLOR colour);
  // Removes every item; nothing is selected and no item is on top.
  void Clear();
  std::int32_t ListCount() const { return static_cast<std::int32_t>(m_Items.size()); }
  // Per-item access; an index outside the items raises the runtime's subscript error (9).
  const std::string& List(std::int32_t index) const;
  void SetList(std::int32_t index, std::string sText);
  OLE_COLOR Color(std::int32_t index) const;
  void SetColor(std::int32_t index, OLE_COLOR colour);
  // Whether the item is the selected one; selecting an item makes it ListIndex.
  bool Selected(std::int32_t index) const;
  void SetSelected(std::int32_t index, bool bSelected);

  // ---- properties ----
  std::int16_t Appearance() const { return m_iAppearance; }
  void SetAppearance(std::int16_t iAppearance) { m_iAppearance = iAppearance; }
  // Kept for the host; the rows always lie on the list's own light grey.
  OLE_COLOR BackColor() const { return m_BackColor; }
  void SetBackColor(OLE_COLOR colour) { m_BackColor = colour; }
  OLE_COLOR ForeColor() const { return m_ForeColor; }
  void SetForeColor(OLE_COLOR colour);
  bool Enabled() const { return m_bEnabled; }
  void SetEnabled(bool bEnabled) { m_bEnabled = bEnabled; }
  bool Visible() const { return m_bVisible; }
  void SetVisible(bool bVisible) { m_bVisible = bVisible; }
  std::int32_t ListIndex() const { return m_lListIndex; }
  // kNoItem or an item's index; anything else raises the runtime's invalid-argument error (380).
  void SetListIndex(std::int32_t index);
  std::int32_t TopIndex() const { return m_lTopIndex; }
  void SetTopIndex(std::int32_t index);
  // The host window the list paints into and whose property names the drop host.
  void SetDropHwnd(HWND hWnd) { m_hDropHwnd = hWnd; }
  // The row height of the last Render.
  std::int32_t ItemHeight() const { return m_lItemHeight; }
  // The whole rows that fit (of the last Render's item height).
  std::int32_t VisibleRows() const;
  bool HasFocus() const { return m_bHasFocus; }
  void SetHasFocus(bool bHasFocus);
  const std::shared_ptr<StdFont>& Font() const { return m_Font; }
  void SetFont(std::shared_ptr<StdFont> font);
  // While held, changes wait for the next Render.
  bool HoldDraw() const { return m_bHoldDraw; }
  void SetHoldDraw(bool bHold) { m_bHoldDraw = bHold; }

  // The list's rectangle in DropHwnd's client pixels.
  void Move(LONG left, LONG top, LONG width, LONG height);
  RECT Rect() const { return m_Rect; }

  // ---- input forwarded by the host ----
  void KeyTest(eListKey eType, std::int16_t iKeyCode, std::int16_t iShift);
  // x, y relative to the list's top-left corner, in pixels (twips with Appearance 1, handed
  // on in pixels).
  void HitTest(eListMouse eType, std::int16_t iButton, std::int16_t iShift, float x, float y);
  // The host's scroll bar moved to `value`: it becomes the top item.
  void vsbChange(double value);

  // Paints the list into DropHwnd (nothing while invisible or without a window).
  void Render();

 private:
  struct tItem {
    std::string sText;
    OLE_COLOR Color = 0;
  };

  tItem& Item(std::int32_t index);
  const tItem& Item(std::int32_t index) const { return const_cast<CWlessListBox*>(this)->Item(index); }
  // Renders unless drawing is held.
  void Changed();
  // Raises "Object has been unloaded." when the drop host has gone.
  void RequireHost() const;
  bool MoveSelection(std::int16_t iKeyCode);

  IListBoxOwner& m_Owner;
  std::vector<tItem> m_Items;
  cMemDC m_Surface;
  std::shared_ptr<StdFont> m_Font;
  HWND m_hDropHwnd = nullptr;
  RECT m_Rect{};
  std::int16_t m_iAppearance = 0;
  OLE_COLOR m_BackColor = kOleSystemColorFlag | COLOR_WINDOW;
  OLE_COLOR m_ForeColor = kOleSystemColorFlag | COLOR_WINDOWTEXT;
  bool m_bEnabled = true;
  bool m_bVisible = true;
  bool m_bHasFocus = false;
  bool m_bHoldDraw = false;
  std::int32_t m_lListIndex = kNoItem;
  std::int32_t m_lTopIndex = kNoItem;
  std::int32_t m_lItemHeight = 0;
};
