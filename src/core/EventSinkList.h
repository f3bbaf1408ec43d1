// The sinks connected to the control's events. Raising walks a snapshot of the list and skips
// any sink disconnected meanwhile, so a handler may disconnect itself or another sink safely.
#pragma once
#include <algorithm>
#include <vector>

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
    const std::vector<__MirelMenuBar20*> snapshot = m_Sinks;
    for (__MirelMenuBar20* sink : snapshot) {
      if (IsConnected(sink)) raise(*sink);
    }
  }

 private:
  std::vector<__MirelMenuBar20*> m_Sinks;
};
