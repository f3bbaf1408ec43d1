// Exceptions and the message loop. An exception thrown by a host's event handler goes on to
// the host's own call into the message loop unchanged; one from the library's own code
// never leaves a window procedure or a timer callback: it ends the message it came from.
#pragma once
#include <exception>

#include "win32/types.h"

namespace host_exceptions {

// The host's exception now on its way out (nothing when the library's own code threw).
inline thread_local std::exception_ptr tInFlight;

// Called while a host handler's exception is being handled, just before it is thrown on.
inline void MarkCurrentAsHosts() { tInFlight = std::current_exception(); }

// Runs a window procedure's body: the host's exception passes, the library's own ends here
// and the message gets `fallback`.
template <class Body>
LRESULT Contain(Body&& body, LRESULT fallback = 0) {
  try {
    return body();
  } catch (...) {
    if (tInFlight && std::current_exception() == tInFlight) throw;
    return fallback;
  }
}

}  // namespace host_exceptions
