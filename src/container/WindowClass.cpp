#include "container/WindowClass.h"

#include "win32/windows.h"

void RegisterWindowClass(const char* className, WNDPROC proc, UINT style) {
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.lpszClassName = className;
  RegisterClassA(&wc);
}

bool IsOwnWindow(HWND hwnd, const char* propertyName, const void* owner) {
  return hwnd && IsWindow(hwnd) && GetPropA(hwnd, propertyName) == owner;
}

void DestroyOwnWindow(HWND hwnd, const char* propertyName, const void* owner) {
  if (!IsOwnWindow(hwnd, propertyName, owner)) return;
  RemovePropA(hwnd, propertyName);
  DestroyWindow(hwnd);
}

LRESULT EraseWithOleColor(HWND hwnd, HDC hdc, OLE_COLOR color) {
  RECT client{};
  GetClientRect(hwnd, &client);
  HBRUSH brush = CreateSolidBrush(TranslateOleColorOrBlack(color));
  FillRect(hdc, &client, brush);
  DeleteObject(brush);
  return TRUE;
}
