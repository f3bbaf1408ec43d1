#include "platform/voxSubClsSvr.h"

#include <algorithm>

voxSubClsSvr& voxSubClsSvr::Instance() {
  static voxSubClsSvr server;
  return server;
}

void voxSubClsSvr::AttachWindowMessage(ISubclass* oSubclass, HWND hWnd, UINT iMsg) {
  if (oSubclass == nullptr || !IsWindow(hWnd)) return;
  auto [it, added] = m_Windows.try_emplace(hWnd);
  WindowEntry& entry = it->second;
  if (added) entry.lOriginalProc = SetWindowLongA(hWnd, GWL_WNDPROC, LongFromWndProc(&SubclassProc));
  std::vector<Client>& clients = entry.messages[iMsg];
  auto client = std::find_if(clients.begin(), clients.end(), [&](const Client& c) { return c.object == oSubclass; });
  if (client != clients.end())
    ++client->attachCount;
  else
    clients.push_back({oSubclass, 1});
}

void voxSubClsSvr::DetachWindowMessage(ISubclass* oSubclass, HWND hWnd, UINT iMsg) {
  auto window = m_Windows.find(hWnd);
  if (window == m_Windows.end()) return;
  auto message = window->second.messages.find(iMsg);
  if (message == window->second.messages.end()) return;
  std::vector<Client>& clients = message->second;
  auto client = std::find_if(clients.begin(), clients.end(), [&](const Client& c) { return c.object == oSubclass; });
  if (client == clients.end()) return;
  if (--client->attachCount > 0) return;
  clients.erase(client);
  if (!clients.empty()) return;
  window->second.messages.erase(message);
  if (window->second.messages.empty()) TryRestore(hWnd);
}

std::size_t voxSubClsSvr::AttachmentCount() const {
  std::size_t count = 0;
  for (const auto& [hWnd, entry] : m_Windows)
    for (const auto& [iMsg, clients] : entry.messages)
      for (const Client& client : clients) count += static_cast<std::size_t>(client.attachCount);
  return count;
}

bool voxSubClsSvr::IsSubclassed(HWND hWnd) const { return m_Windows.contains(hWnd); }

bool voxSubClsSvr::TryRestore(HWND hWnd) {
  auto window = m_Windows.find(hWnd);
  if (GetWindowLongA(hWnd, GWL_WNDPROC) != LongFromWndProc(&SubclassProc)) return false;
  SetWindowLongA(hWnd, GWL_WNDPROC, window->second.lOriginalProc);
  m_Windows.erase(window);
  return true;
}

bool voxSubClsSvr::IsAttached(HWND hWnd, UINT iMsg, const ISubclass* oSubclass) const {
  auto window = m_Windows.find(hWnd);
  if (window == m_Windows.end()) return false;
  auto message = window->second.messages.find(iMsg);
  if (message == window->second.messages.end()) return false;
  return std::any_of(message->second.begin(), message->second.end(),
                     [&](const Client& c) { return c.object == oSubclass; });
}

LRESULT voxSubClsSvr::SubclassProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  return Instance().Dispatch(hWnd, iMsg, wParam, lParam);
}

// Objects attached to the message run in attachment order: pre-processing and consuming ones
// before the window's own procedure, post-processing ones after it. Objects may attach or
// detach (even the last message of the window) while a message is being delivered, so the
// original procedure and the object list are taken first and each object is checked again
// before it is called.
LRESULT voxSubClsSvr::Dispatch(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  auto window = m_Windows.find(hWnd);
  if (window == m_Windows.end()) return DefWindowProcA(hWnd, iMsg, wParam, lParam);
  const LONG lOriginalProc = window->second.lOriginalProc;
  if (window->second.messages.empty() && TryRestore(hWnd))
    return CallWindowProcA(lOriginalProc, hWnd, iMsg, wParam, lParam);

  std::vector<ISubclass*> objects;
  if (auto message = window->second.messages.find(iMsg); message != window->second.messages.end())
    for (const Client& client : message->second) objects.push_back(client.object);

  LRESULT result = 0;
  bool bConsumed = false;
  for (ISubclass* object : objects) {
    if (!IsAttached(hWnd, iMsg, object)) continue;
    switch (object->MsgResponse()) {
      case emrConsume:
        result = object->WindowProc(hWnd, iMsg, wParam, lParam);
        bConsumed = true;
        break;
      case emrPreprocess:
        object->WindowProc(hWnd, iMsg, wParam, lParam);
        break;
      case emrPostProcess:
        break;
    }
  }
  if (!bConsumed) result = CallWindowProcA(lOriginalProc, hWnd, iMsg, wParam, lParam);
  for (ISubclass* object : objects)
    if (IsAttached(hWnd, iMsg, object) && object->MsgResponse() == emrPostProcess)
      result = object->WindowProc(hWnd, iMsg, wParam, lParam);

  // A destroyed window's handle may be reused; nothing of it may stay behind.
  if (iMsg == WM_NCDESTROY) m_Windows.erase(hWnd);
  return result;
}
