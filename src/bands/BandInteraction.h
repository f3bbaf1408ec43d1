// How one band surface reacts to the mouse, its timers and keyboard activation: hover
// tracking with the 10 ms leave poll, the hit tests, press / release / click of buttons,
// toggles and option groups, the chevron, the arrow part of drop-down tools, sliding from one
// open drop-down to the next, the gripper that starts band dragging, and tool tips. It keeps
// the band's interaction state (what painting shows) and reports through the owner.
#pragma once
#include <cstdint>

#include "bands/IBandOwner.h"
#include "container/Timer.h"
#include "render/ToolTipTimer.h"
#include "win32/windows.h"

class MirelReBar;

class BandInteraction {
 public:
  static constexpr UINT kOverTimerInterval = 250;      // switch delay onto the next drop-down
  static constexpr UINT kAutoDropTimerInterval = 1000;  // how long sliding between drop-downs stays possible

  explicit BandInteraction(MirelReBar& band);
  BandInteraction(const BandInteraction&) = delete;
  BandInteraction& operator=(const BandInteraction&) = delete;

  void SetOwner(IBandOwner& owner) { m_pOwner = &owner; }
  void SetTipDelays(std::int32_t lPreTime, std::int32_t lPostTime);

  // The band window's messages (client pixels).
  void MouseMove(WPARAM keyFlags, POINT pt);
  void MouseDown(std::int16_t iButton, WPARAM keyFlags, POINT pt);
  void MouseUp(std::int16_t iButton, WPARAM keyFlags, POINT pt);
  void LeavePollTick();
  // Keyboard activation of tool t (its hot key or mnemonic).
  void AltToolClick(int t);
  // The open drop-down closed (by a pick, a click elsewhere, Esc, the owner).
  void DropDownClosed();
  // The tools changed under the state: forget positions that may no longer exist.
  void ResetState();

  // The mouse pointer the band shows: the four-way move pointer over the gripper.
  bool MovePointer() const { return m_bMovePointer; }
  Timer& OverTimer() { return m_OverTimer; }
  Timer& AutoDropTimer() { return m_AutoDropTimer; }

 private:
  // The tool the hover hit test finds at band x: the last visible, enabled tool whose span
  // (widened by half the spacing, the last tool only on its left) holds x; kNoTool for none.
  int HoverHit(int x) const;
  bool HoverHits(int t, int x) const;
  // The first visible, enabled tool whose own span holds x (presses take no margin).
  int PressHit(int x) const;
  bool Hittable(int t) const;
  bool Disabled(int t) const;
  bool OverChevron(int x) const;
  bool InArrowPart(int t, int x) const;
  bool Inside(POINT pt) const;
  bool Enabled() const;
  // A band pixel on the screen, in twips.
  struct tTwipsPoint {
    float x;
    float y;
  };
  tTwipsPoint ScreenTwips(POINT pt) const;
  tBandMouse MouseArgs(std::int16_t iButton, WPARAM keyFlags, POINT pt) const;
  void ReportChevron(bool bUp, const tBandMouse& mouse);

  void PressTool(int t, const tBandMouse& mouse, int x);
  // Sets tool t's state in the mirror and hands it to the owner's record.
  void SetToolState(int t, bool bState);
  // Clears every other set member of t's option group; returns the last one that was set.
  int ClearGroupOf(int t);
  void Click(int x);
  void OpenDropDown(int t);
  void SwitchAway();
  void OverTimerTick();
  void Repaint();
  // After a notification: the host took the band (or tool t) away from inside its event.
  bool Gone(int t = 0) const;

  MirelReBar& m_Band;
  IBandOwner* m_pOwner = nullptr;
  bool m_bMovePointer = false;
  bool m_bOpening = false;  // a drop-down of this band is busy opening
  Timer m_OverTimer;
  Timer m_AutoDropTimer;
  Timer m_ToolTipPreTimer;
  Timer m_ToolTipPostTimer;
  Timer m_TipDisplayTimer;
  ToolTipTimer m_ToolTips;
};
