// The tool-tip window: one small top-most pop-up owned by the control, holding a border
// rectangle (Shape1) and the tip text (txtToolTip). It is created for one text, sized to it
// (wrapped at a maximum width when asked), placed next to the pointer and shown without ever
// taking activation or the focus; destroying the object removes the window.
// With shadows the window is 3 pixels taller and its right and bottom edges carry a shadow
// made of the screen pixels that were under them, darkened step by step outwards.
#pragma once
#include <memory>
#include <string>

#include "container/Ole.h"
#include "render/cMemDC.h"
#include "win32/windows.h"

class StdFont;

// The control's tool-tip appearance properties.
struct tToolTipLook {
  OLE_COLOR lBackColor = 0;
  OLE_COLOR lForeColor = 0;
  OLE_COLOR lBorderColor = 0;
  std::shared_ptr<StdFont> oFont;  // the form's design font when null
  bool bShadows = false;
  bool bWordWrap = false;
  LONG lMaxWidth = 0;
};

class frmToolTip {
 public:
  static constexpr const char* kClassName = "frmToolTip";
  static constexpr const char* kObjectPtrProp = "frmToolTip:ObjectPtr";
  static constexpr const char* kDesignFontName = "Tahoma";
  static constexpr double kDesignFontSize = 8.25;
  // Added to the text control's size to give the window's.
  static constexpr LONG kHorizontalPadding = 16;
  static constexpr LONG kVerticalPadding = 2;
  // Extra height with shadows; the border then leaves this many pixels free on the right
  // and kShadowBottom at the bottom for the shadow.
  static constexpr LONG kShadowExtraHeight = 3;
  static constexpr LONG kShadowRight = 3;
  static constexpr LONG kShadowBottom = 4;
  // Pixels of each shadow band, along its edge, that show the screen undarkened.
  static constexpr LONG kShadowUndarkened = 3;
  // Distance below the pointer's hot spot that clears the arrow.
  static constexpr LONG kPointerClearance = 20;

  // Creates the hidden window for `sText` (not empty) owned by hWndOwner's top-level window.
  frmToolTip(HWND hWndOwner, const tToolTipLook& look, const std::string& sText);
  ~frmToolTip();
  frmToolTip(const frmToolTip&) = delete;
  frmToolTip& operator=(const frmToolTip&) = delete;

  // Places the tip next to the screen point (x, y), paints its shadow from the screen under
  // it and shows it top-most without activating it; with bKeepZOrder it keeps the z-order
  // it has.
  void Show(LONG x, LONG y, bool bKeepZOrder);

  HWND hWnd() const { return m_hWnd; }
  // The text control's rectangle inside the window.
  const RECT& TextRect() const { return m_rcText; }
  // The border shape's rectangle inside the window.
  const RECT& BorderRect() const { return m_rcBorder; }

 private:
  static LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint();

  void Layout(HDC hDC);
  void PaintFace(HDC hDC);
  POINT Placement(LONG x, LONG y) const;
  void DrawShadows();

  tToolTipLook m_Look;
  std::string m_sText;
  std::shared_ptr<StdFont> m_oFont;
  HWND m_hWnd = nullptr;
  LONG m_lWidth = 0;
  LONG m_lHeight = 0;
  bool m_bWrapped = false;  // the text is limited to the maximum width and wraps
  RECT m_rcText{};
  RECT m_rcBorder{};
  cMemDC m_Face;
};
