// The thread keyboard hook shared by every menu-bar control, band surface and menu window of
// the thread (and the open drop panel). Clients register with their window handle and kind; the hook finds each client's
// object through the kind's window property on every key, so a client whose window or
// property is gone is simply skipped. The hook is installed with the first registration and
// removed with the last.
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/IKeyboardHookClient.h"
#include "win32/types.h"

namespace mHooks {

enum eHookClientKind : std::int16_t {
  hckMenuBar = 0,    // MirelMenuBar20, property "MirelMenuBar20:ObjectPtr"
  hckReBar = 1,      // MirelReBar, property "MirelReBar:ObjectPtr"
  hckMenuWindow = 2,  // frmMenu, property "MirelMenuForm:ObjectPtr"
  hckDropPanel = 3    // DropPanel, property "DropPanel:ObjectPtr"
};

// The window property through which clients of a kind are found.
const char* ObjectPropertyName(eHookClientKind eKind);

// Turns a window property's value (the address of the client's concrete object) into its
// key-handler interface.
using ClientResolver = IKeyboardHookClient* (*)(void* objectPtr);

template <class Client>
IKeyboardHookClient* ResolveAs(void* objectPtr) {
  return static_cast<Client*>(objectPtr);
}

// Registers a window as a client; a window already registered is ignored.
void AddHookClient(HWND hWnd, eHookClientKind eKind, ClientResolver resolve);
// Registers a window whose property holds a Client*: AddHookClient<frmMenu>(hWnd, hckMenuWindow).
template <class Client>
void AddHookClient(HWND hWnd, eHookClientKind eKind) {
  AddHookClient(hWnd, eKind, &ResolveAs<Client>);
}
// Unregisters a window; removing the last client removes the hook.
void RemoveHookClient(HWND hWnd);

std::size_t HookClientCount();
bool IsHookInstalled();

}  // namespace mHooks
