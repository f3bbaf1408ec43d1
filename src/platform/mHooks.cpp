#include "platform/mHooks.h"

#include <algorithm>
#include <vector>

#include "win32/kernel.h"
#include "win32/windows.h"

namespace mHooks {
namespace {

constexpr LPARAM kKeyUpBit = LPARAM{1} << 31;
constexpr LPARAM kAltBit = LPARAM{1} << 29;
constexpr SHORT kKeyDownState = static_cast<SHORT>(0x8000);
constexpr LRESULT kKeySwallowed = 1;

struct HookClient {
  HWND hWnd;
  eHookClientKind eKind;
  ClientResolver resolve;
};

std::vector<HookClient> g_Clients;  // registration order
HHOOK g_hHook = nullptr;

bool IsKeyDown(int iVirtKey) { return (GetAsyncKeyState(iVirtKey) & kKeyDownState) != 0; }

bool IsRegistered(HWND hWnd) {
  return std::any_of(g_Clients.begin(), g_Clients.end(), [hWnd](const HookClient& c) { return c.hWnd == hWnd; });
}

// The client's object, or null when its window or its property is gone.
IKeyboardHookClient* ClientObject(const HookClient& client) {
  if (!IsWindow(client.hWnd)) return nullptr;
  void* objectPtr = GetPropA(client.hWnd, ObjectPropertyName(client.eKind));
  return objectPtr != nullptr ? client.resolve(objectPtr) : nullptr;
}

// Offers the key to the clients registered when it arrived, in registration order; a client
// unregistered by an earlier handler is skipped. True when one of them handled it.
bool OfferKey(bool bCtrl, std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift) {
  const std::vector<HookClient> clients = g_Clients;
  for (const HookClient& client : clients) {
    if (bCtrl && client.eKind != hckMenuBar) continue;
    if (!IsRegistered(client.hWnd)) continue;
    IKeyboardHookClient* object = ClientObject(client);
    if (object == nullptr) continue;
    bool bHandled = false;
    if (bCtrl)
      object->HookCtrlKey(iVirtKey, bKeyUp, bAlt, bShift, bHandled);
    else
      object->HookKey(iVirtKey, bKeyUp, bAlt, bShift, bHandled);
    if (bHandled) return true;
  }
  return false;
}

LRESULT KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam) {
  if (nCode == HC_ACTION && !g_Clients.empty()) {
    const bool bKeyUp = (lParam & kKeyUpBit) != 0;
    const bool bAlt = (lParam & kAltBit) != 0;
    const bool bCtrl = IsKeyDown(VK_CONTROL);
    const bool bShift = IsKeyDown(VK_SHIFT);
    if (OfferKey(bCtrl, static_cast<std::int16_t>(wParam), bKeyUp, bAlt, bShift)) return kKeySwallowed;
  }
  return CallNextHookEx(g_hHook, nCode, wParam, lParam);
}

}  // namespace

const char* ObjectPropertyName(eHookClientKind eKind) {
  switch (eKind) {
    case hckMenuBar: return "MirelMenuBar20:ObjectPtr";
    case hckReBar: return "MirelReBar:ObjectPtr";
    case hckMenuWindow: return "MirelMenuForm:ObjectPtr";
    case hckDropPanel: return "DropPanel:ObjectPtr";
  }
  return "";
}

void AddHookClient(HWND hWnd, eHookClientKind eKind, ClientResolver resolve) {
  if (IsRegistered(hWnd)) return;
  g_Clients.push_back({hWnd, eKind, resolve});
  if (g_hHook == nullptr) g_hHook = SetWindowsHookExA(WH_KEYBOARD, &KeyboardProc, nullptr, GetCurrentThreadId());
}

void RemoveHookClient(HWND hWnd) {
  std::erase_if(g_Clients, [hWnd](const HookClient& c) { return c.hWnd == hWnd; });
  if (g_Clients.empty() && g_hHook != nullptr) {
    UnhookWindowsHookEx(g_hHook);
    g_hHook = nullptr;
  }
}

std::size_t HookClientCount() { return g_Clients.size(); }

bool IsHookInstalled() { return g_hHook != nullptr; }

}  // namespace mHooks
