#include <cmath>

#include "container/Screen.h"
#include "container/UserControl.h"
#include "win32/user.h"

namespace {
int ToPixels(float twips, float twipsPerPixel) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }
float ToTwips(LONG pixels, float twipsPerPixel) { return static_cast<float>(pixels) * twipsPerPixel; }
}  // namespace

const std::string& ExtenderObject::Name() const { return m_Control.m_Name; }

RECT ExtenderObject::PixelRect() const {
  RECT r{};
  GetWindowRect(m_Control.hWnd(), &r);
  MapWindowPoints(nullptr, m_Control.ContainerHwnd(), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

float ExtenderObject::Left() const { return ToTwips(PixelRect().left, TwipsPerPixelX()); }
float ExtenderObject::Top() const { return ToTwips(PixelRect().top, TwipsPerPixelY()); }
float ExtenderObject::Width() const {
  const RECT r = PixelRect();
  return ToTwips(r.right - r.left, TwipsPerPixelX());
}
float ExtenderObject::Height() const {
  const RECT r = PixelRect();
  return ToTwips(r.bottom - r.top, TwipsPerPixelY());
}

void ExtenderObject::SetLeft(float twips) { Move(twips, Top(), Width(), Height()); }
void ExtenderObject::SetTop(float twips) { Move(Left(), twips, Width(), Height()); }
void ExtenderObject::SetWidth(float twips) { Move(Left(), Top(), twips, Height()); }
void ExtenderObject::SetHeight(float twips) { Move(Left(), Top(), Width(), twips); }

void ExtenderObject::Move(float left, float top, float width, float height) {
  const float tx = TwipsPerPixelX();
  const float ty = TwipsPerPixelY();
  MoveWindow(m_Control.hWnd(), ToPixels(left, tx), ToPixels(top, ty), ToPixels(width, tx), ToPixels(height, ty),
             TRUE);
}

bool ExtenderObject::Visible() const { return m_Control.HasVisibleStyle(); }
void ExtenderObject::SetVisible(bool visible) { m_Control.ShowControl(visible); }
Form* ExtenderObject::Parent() const { return m_Control.m_Form; }
