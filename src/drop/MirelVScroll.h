// MirelVScroll: a vertical scroll bar drawn from the theme's artwork instead of the system's
// look, a child window of its host. Values are floating point like the standard scroll bar
// it replaces. Its own window is subclassed: the mouse and timer messages reach it through
// ISubclass. An arrow or a track press steps at once, again after 500 ms and then every 50 ms
// while held; paging stops where the track was pressed. Geometry is held in pixels.
#pragma once
#include <cstdint>

#include "container/Timer.h"
#include "drop/IVScrollOwner.h"
#include "drop/VScrollPainter.h"
#include "platform/ISubclass.h"
#include "render/cMemDC.h"
#include "render/styles/ArtworkCache.h"
#include "win32/windows.h"

class MirelVScroll final : public ISubclass {
 public:
  static constexpr const char* kClassName = "MirelVScroll";
  static constexpr const char* kObjectPtrProp = "MirelVScroll:ObjectPtr";

  // A visible scroll bar at `rect` (parent client pixels) inside hWndParent.
  MirelVScroll(HWND hWndParent, const RECT& rect, IVScrollOwner& owner);
  ~MirelVScroll() override;
  MirelVScroll(const MirelVScroll&) = delete;
  MirelVScroll& operator=(const MirelVScroll&) = delete;

  HWND hWnd() const { return m_hWnd; }

  // ---- properties; writing a value re-places the thumb and redraws ----
  bool Enabled() const { return m_bEnabled; }
  void SetEnabled(bool bEnabled);
  double Value() const { return m_Value; }
  void SetValue(double value);
  double Min() const { return m_Min; }
  void SetMin(double value);
  double Max() const { return m_Max; }
  void SetMax(double value);
  double SmallChange() const { return m_SmallChange; }
  void SetSmallChange(double value);
  double LargeChange() const { return m_LargeChange; }
  void SetLargeChange(double value);
  // The theme number 0..2 choosing the artwork.
  void SetTheme(std::int16_t iTheme);
  // Kept like the control's own flag; it changes no picture.
  void SetApplyCandyEffects(bool bApply) { m_bApplyCandyEffects = bApply; }

  // Paints the picture and copies it to the window.
  void Redraw();
  // Takes the window's size afresh (arrows, thumb) and redraws.
  void Refresh();

  // ---- what the picture shows ----
  bool Hot() const { return m_bHot; }
  eVScrollPaint PaintState() const { return m_ePaint; }
  // The thumb in client pixels, top and bottom arrow heights.
  RECT ThumbRect() const;
  int TopArrowHeight() const { return m_iTopArrowHeight; }
  int BottomArrowHeight() const { return m_iBottomArrowHeight; }

  // ISubclass
  EMsgResponse MsgResponse() const override { return emrConsume; }
  void MsgResponse(EMsgResponse /*eResponse*/) override {}
  LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) override;

 private:
  enum class ePart { None, UpArrow, DownArrow, Thumb, TrackAbove, TrackBelow };
  enum eDirection : std::int32_t { kTowardsMin = 0, kTowardsMax = 1 };

  static LRESULT ClassProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam);
  void OnSize();
  void OnMouseMove(POINT pt);
  void EnterHot();
  void OnLeavePollTick();
  void OnButtonDown(POINT pt);
  void OnButtonUp();
  void OnRepeatDelay();
  void OnRepeatTick();

  ePart PartAt(POINT pt) const;
  ePart PartUnderCursor() const;
  eVScrollPaint HoverPaint(ePart part) const;
  void Drag(int y);
  // Value one step towards Min or Max, stopping there exactly.
  void Step(double change, eDirection direction);
  void ComputeThumbLength();
  void ComputeThumbTop();
  double TrackBottom() const { return m_iHeight - m_iBottomArrowHeight; }
  double FreeTrack() const { return TrackBottom() - m_iTopArrowHeight - m_ThumbLength; }
  void ValueWritten();
  // Stops the repeat and forgets the press and the drag.
  void EndPress();

  HWND m_hWnd = nullptr;
  IVScrollOwner& m_Owner;
  cMemDC m_Surface;
  styles::ArtworkCache m_Artwork;
  Timer m_tScrlEnable;
  Timer m_tScrl;

  double m_Min = 0;
  double m_Max = 2;
  double m_Value = 0;
  double m_SmallChange = 1;
  double m_LargeChange = 1;
  bool m_bEnabled = true;
  std::int16_t m_iTheme = 0;
  bool m_bApplyCandyEffects = false;

  int m_iWidth = 0;
  int m_iHeight = 0;
  int m_iTopArrowHeight = 0;
  int m_iBottomArrowHeight = 0;
  double m_ThumbTop = 0;
  double m_ThumbLength = 0;

  bool m_bPressed = false;
  bool m_bUpPressed = false;
  bool m_bDownPressed = false;
  bool m_bPagePressed = false;
  bool m_bDragging = false;
  bool m_bHot = false;
  eDirection m_eDirection = kTowardsMin;
  std::int32_t m_lPressY = 0;
  double m_LastMouseY = 0;
  eVScrollPaint m_ePaint = eVScrollPaint::None;
};
