// What the thread keyboard hook calls on its clients: the menu-bar controls (kind 0), the
// band surfaces (kind 1), the menu windows (kind 2) and the drop panel (kind 3). A client
// sets bHandled to swallow the key; the focus window then never sees it.
#pragma once
#include <cstdint>

class IKeyboardHookClient {
 public:
  virtual ~IKeyboardHookClient() = default;

  // A key while Ctrl is held. Only menu-bar controls receive it (hot-key matching); the
  // other kinds never see keys pressed with Ctrl.
  virtual void HookCtrlKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled);
  // Any other key, offered to every client in registration order until one handles it.
  virtual void HookKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled) = 0;

 protected:
  IKeyboardHookClient() = default;
  IKeyboardHookClient(const IKeyboardHookClient&) = default;
  IKeyboardHookClient& operator=(const IKeyboardHookClient&) = default;
};

inline void IKeyboardHookClient::HookCtrlKey(std::int16_t, bool, bool, bool, bool&) {}
