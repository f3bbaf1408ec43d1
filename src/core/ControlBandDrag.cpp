// Dragging a band by its gripper: while the button is held, the control's drag timer follows
// the cursor, moving the band one line up or down when the cursor leaves the band's edge by
// more than 5 pixels and one position along its line when the cursor reaches a neighbour.
#include "core/ControlBands.h"
#include "core/MirelMenuBar20.h"

namespace {

constexpr int kLineSlack = 5;

}  // namespace

void ControlBands::StartBandDrag(MirelReBar& band, POINT grab) {
  if (m_Table.Count() < 2) return;
  m_Drag = tBandDrag{band.Index(), grab, false};
  SetWindowPos(band.hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Timer& timer = m_Control.m_Tracker.tmrDrag();
  timer.OnTimer = [this] { DragStep(); };
  timer.SetEnabled(true);
}

void ControlBands::EndBandDrag(MirelReBar& /*band*/) {
  m_Control.m_Tracker.tmrDrag().SetEnabled(false);
  m_Drag = tBandDrag{};
}

void ControlBands::DragStep() {
  const int p = m_Table.FindBandIndex(m_Drag.iIndex);
  if (p == 0 || m_Drag.bBusy) return;
  m_Drag.bBusy = true;
  const MirelReBar& band = Surface(p);
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(m_Control.hWnd(), &cursor);
  // The band's top-left corner that would keep the grab point under the cursor.
  const LONG dx = cursor.x - m_Drag.grab.x;
  const LONG top = band.Top();
  bool bMoved = false;
  if (cursor.y < top - kLineSlack) {
    bMoved = m_Table.MoveBandToLine(p, -1);
  } else if (cursor.y > top + band.Height() + kLineSlack) {
    bMoved = m_Table.MoveBandToLine(p, +1);
  } else {
    // Along the line: past the middle of a neighbour, the band takes its place.
    const tBandInfo& moved = m_Table.Band(p);
    for (int q = 1; q <= m_Table.Count() && !bMoved; ++q) {
      const tBandInfo& other = m_Table.Band(q);
      if (q == p || other.cBILineIndex != moved.cBILineIndex) continue;
      const MirelReBar& neighbour = Surface(q);
      const LONG middle = neighbour.Left() + neighbour.Width() / 2;
      if (other.cBILinePosition == moved.cBILinePosition - 1 && dx < middle) {
        bMoved = m_Table.MoveBandOnLine(p, -1);
      } else if (other.cBILinePosition == moved.cBILinePosition + 1 && dx + band.Width() > middle) {
        bMoved = m_Table.MoveBandOnLine(p, +1);
      }
    }
  }
  if (bMoved) RunLayout();
  m_Drag.bBusy = false;
}
