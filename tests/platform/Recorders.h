// A stand-in for the control's objects in the platform tests: it sees the messages it is
// attached to and the keys the hook offers it, and writes each to the active message log as
// "<name> [window] <message>" or "<name> key|ctrl-key <key> up|down [alt] [shift]".
#pragma once
#include <functional>
#include <string>

#include "platform/IKeyboardHookClient.h"
#include "platform/ISubclass.h"
#include "support/MessageLog.h"

namespace mirel_test {

inline constexpr LRESULT kObjectResult = 42;

class RecordingObject : public ISubclass, public IKeyboardHookClient {
 public:
  // `swallowedKey` is the one key it reports as handled.
  explicit RecordingObject(std::string name, int swallowedKey = 0, EMsgResponse eResponse = emrPreprocess)
      : m_sName(std::move(name)), m_iSwallowedKey(swallowedKey), m_eResponse(eResponse) {}

  EMsgResponse MsgResponse() const override { return m_eResponse; }
  void MsgResponse(EMsgResponse eResponse) override { m_eResponse = eResponse; }
  LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM, LPARAM) override {
    char window[64] = {};
    if (m_bNameWindows) GetWindowTextA(hWnd, window, sizeof window);
    MessageLog::Active()->Add(m_sName + (m_bNameWindows ? " " + std::string(window) : "") + " " + MessageName(iMsg));
    if (m_OnMessage) m_OnMessage(hWnd, iMsg);
    return kObjectResult;
  }
  void HookCtrlKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled) override {
    Record("ctrl-key", iVirtKey, bKeyUp, bAlt, bShift, bHandled);
  }
  void HookKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled) override {
    Record("key", iVirtKey, bKeyUp, bAlt, bShift, bHandled);
  }

  bool m_bNameWindows = false;  // messages logged with the window's caption
  std::function<void(HWND, UINT)> m_OnMessage;

 private:
  void Record(const char* what, std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled) {
    const std::string key = iVirtKey == VK_ESCAPE ? "Esc"
                            : iVirtKey == VK_DOWN ? "Down"
                            : iVirtKey == VK_F1 + 1 ? "F2"
                                                   : std::string(1, static_cast<char>(iVirtKey));
    MessageLog::Active()->Add(m_sName + " " + what + " " + key + (bKeyUp ? " up" : " down") + (bAlt ? " alt" : "") +
                              (bShift ? " shift" : ""));
    bHandled = iVirtKey == m_iSwallowedKey;
  }

  std::string m_sName;
  int m_iSwallowedKey;
  EMsgResponse m_eResponse;
};

}  // namespace mirel_test
