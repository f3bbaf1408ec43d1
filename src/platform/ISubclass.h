// The callback interface of the subclassing server: an object attached to some messages of a
// window sees them in WindowProc. MsgResponse says how the server combines the object with
// the window's own procedure for a message.
#pragma once
#include <cstdint>

#include "win32/types.h"

// Values of ISubclass::MsgResponse.
enum EMsgResponse : std::int32_t {
  // The object's result is the message's result; the window's own procedure does not run.
  emrConsume = 0,
  // The window's own procedure runs first; the object sees the message after it and its
  // result replaces the window's.
  emrPostProcess = 1,
  // The object sees the message first; then the window's own procedure runs and its result
  // is the message's result.
  emrPreprocess = 2,
};

class ISubclass {
 public:
  virtual ~ISubclass() = default;

  virtual EMsgResponse MsgResponse() const = 0;
  virtual void MsgResponse(EMsgResponse eResponse) = 0;
  virtual LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) = 0;

 protected:
  ISubclass() = default;
  ISubclass(const ISubclass&) = default;
  ISubclass& operator=(const ISubclass&) = default;
};
