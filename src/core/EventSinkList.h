// The sinks connected to the control's events. Raising walks a snapshot of the list and skips
// any sink disconnected meanwhile, so a handler may disconnect itself or another sink safely.
// A handler that throws: the control first puts itself right (OnHandlerFailed), then the
// exception goes on to the host unchanged; events the recovery would raise are not raised.
#pragma once
#include <algorithm>
#include <functional>
#include <vector>

#include "container/HostExceptions.h"
#include "core/MirelMenuBar20Events.h"

class EventSinkList {
 public:
  void Connect(__MirelMenuBar20* sink) {
    if (sink != nullptr && !IsConnected(sink)) m_Sinks.push_back(sink);
  }
  void Disconnect(__MirelMenuBar20* sink) { std::erase(m_Sinks, sink); }
  bool IsConnected(const __MirelMenuBar20* sink) const {
    return std::find(m_Sinks.begin(), m_Sinks.end(), sink) != m_Sinks.end();
  }
  void DisconnectAll() { m_Sinks.clear(); }

  // Calls raise(sink) for every connected sink, in connection order.
  template <class RaiseFn>
  void Raise(RaiseFn&& raise) const {
    if (m_bRecovering) return;
    const std::vector<__MirelMenuBar20*> snapshot = m_Sinks;
    try {
      for (__MirelMenuBar20* sink : snapshot) {
        if (IsConnected(sink)) raise(*sink);
      }
    } catch (...) {
      host_exceptions::MarkCurrentAsHosts();
      Recover();
      throw;
    }
  }

  std::function<void()> OnHandlerFailed;

 private:
  void Recover() const {
    if (!OnHandlerFailed || m_bRecovering) return;
    m_bRecovering = true;
    try {
      OnHandlerFailed();
    } catch (...) {  // the host's exception is the one that goes on
    }
    m_bRecovering = false;
  }

  std::vector<__MirelMenuBar20*> m_Sinks;
  mutable bool m_bRecovering = false;
};
