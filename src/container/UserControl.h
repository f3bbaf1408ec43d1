// The base of a user control as its container runs it: a child window of the container
// with the lifecycle events (Initialize, InitProperties or ReadProperties, Resize, Show,
// Paint, Hide, Terminate), the ambient properties of the container, the extender (the
// container's view of the control: name, position and size in twips), the property-changed
// notification, and the runtime's mouse, key and focus events. The window procedure only
// turns messages into these events.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "container/AutomationObject.h"
#include "container/Ole.h"
#include "container/PropertyBag.h"
#include "container/StdFont.h"
#include "win32/types.h"

class Form;
class UserControl;

// Button and Shift arguments of mouse and key events.
inline constexpr std::int16_t vbLeftButton = 1;
inline constexpr std::int16_t vbRightButton = 2;
inline constexpr std::int16_t vbMiddleButton = 4;
inline constexpr std::int16_t vbShiftMask = 1;
inline constexpr std::int16_t vbCtrlMask = 2;
inline constexpr std::int16_t vbAltMask = 4;

// What the container tells the control about itself.
class AmbientProperties {
 public:
  explicit AmbientProperties(const UserControl& control) : m_Control(control) {}
  // The container's font object (shared, never copied).
  std::shared_ptr<StdFont> Font() const;
  // False at design time, True at run time.
  bool UserMode() const;
  std::string DisplayName() const;
  OLE_COLOR BackColor() const;

 private:
  const UserControl& m_Control;
};

// The container's view of the control. Positions and sizes are twips in the container.
class ExtenderObject {
 public:
  explicit ExtenderObject(UserControl& control) : m_Control(control) {}
  const std::string& Name() const;
  float Left() const;
  float Top() const;
  float Width() const;
  float Height() const;
  // Moving or sizing moves the window; a size change runs the control's Resize.
  void SetLeft(float twips);
  void SetTop(float twips);
  void SetWidth(float twips);
  void SetHeight(float twips);
  void Move(float left, float top, float width, float height);
  bool Visible() const;
  void SetVisible(bool visible);
  Form* Parent() const;

 private:
  RECT PixelRect() const;  // in the container's client coordinates
  UserControl& m_Control;
};

// Shared from itself: like the runtime's reference count, a control whose code is running
// (raising an event, say) stays alive until that code returns, even when its host unloads it.
class UserControl : public AutomationObject, public std::enable_shared_from_this<UserControl> {
 public:
  UserControl();
  ~UserControl() override;
  UserControl(const UserControl&) = delete;
  UserControl& operator=(const UserControl&) = delete;

  HWND hWnd() const { return m_hWnd; }
  // The window of the container the control sits in.
  HWND ContainerHwnd() const;
  // The control window's own device context, valid while the window lives.
  HDC hDC() const { return m_hDC; }
  AmbientProperties& Ambient() { return m_Ambient; }
  const AmbientProperties& Ambient() const { return m_Ambient; }
  ExtenderObject& Extender() { return m_Extender; }
  const ExtenderObject& Extender() const { return m_Extender; }
  Form* Parent() const { return m_Form; }

  // Tells the container that a persisted property changed.
  void PropertyChanged(std::string_view propertyName);

  // Inner size in pixels (the control's scale mode).
  LONG ScaleWidth() const;
  LONG ScaleHeight() const;
  OLE_COLOR BackColor() const { return m_BackColor; }
  void SetBackColor(OLE_COLOR color);
  // The container-level enabled state of the control window.
  bool Enabled() const;
  void SetEnabled(bool enabled);
  // Whether a mouse press gives the control the keyboard focus (on by default).
  bool CanGetFocus() const { return m_CanGetFocus; }
  void SetCanGetFocus(bool canGetFocus) { m_CanGetFocus = canGetFocus; }
  // Repaints now.
  void Refresh();

 protected:
  // Holds the control alive while its own code runs on (null when nothing shares it).
  std::shared_ptr<UserControl> KeepAlive() { return weak_from_this().lock(); }
  virtual void Initialize() {}
  virtual void InitProperties() {}
  virtual void ReadProperties(PropertyBag& /*bag*/) {}
  virtual void WriteProperties(PropertyBag& /*bag*/) {}
  virtual void Resize() {}
  virtual void Show() {}
  virtual void Hide() {}
  virtual void Paint() {}
  virtual void Terminate() {}
  virtual void MouseDown(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
  virtual void MouseMove(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
  virtual void MouseUp(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
  virtual void DblClick() {}
  virtual void KeyDown(std::int16_t /*keyCode*/, std::int16_t /*shift*/) {}
  virtual void KeyUp(std::int16_t /*keyCode*/, std::int16_t /*shift*/) {}
  virtual void KeyPress(std::int16_t /*keyAscii*/) {}
  virtual void GotFocus() {}
  virtual void LostFocus() {}

 private:
  friend class Form;
  friend class ExtenderObject;
  friend class AmbientProperties;
  friend class UserControlWindow;

  // Steps the container runs.
  void CreateControlWindow(Form& form, HWND parent, std::string name, const RECT& pixels);
  void DestroyControlWindow();
  bool IsOwnControlWindow() const;
  bool HasVisibleStyle() const;
  void RunInitialize() { Initialize(); }
  void RunInitProperties() { InitProperties(); }
  void RunReadProperties(PropertyBag& bag) { ReadProperties(bag); }
  void RunWriteProperties(PropertyBag& bag) { WriteProperties(bag); }
  void RunTerminate() { Terminate(); }
  void BeginSited();
  void ShowControl(bool visible);

  Form* m_Form = nullptr;
  HWND m_hWnd = nullptr;
  HDC m_hDC = nullptr;
  std::string m_Name;
  bool m_Sited = false;  // Resize events flow once the properties are in
  bool m_CanGetFocus = true;
  OLE_COLOR m_BackColor;
  AmbientProperties m_Ambient{*this};
  ExtenderObject m_Extender{*this};
};
