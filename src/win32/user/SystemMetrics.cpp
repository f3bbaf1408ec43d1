// System metrics and parameters of a Windows XP desktop with the Luna style at the desktop's
// screen size. The task bar takes a strip at the bottom of the screen.
#include "win32/user/UserInternals.h"

namespace {

constexpr int kTaskBarHeight = 30;
constexpr UINT kMenuShowDelay = 400;

struct Metric {
  int index;
  int value;
};
constexpr Metric kFixedMetrics[] = {
    {SM_CXVSCROLL, 17}, {SM_CYHSCROLL, 17}, {SM_CYVSCROLL, 17}, {SM_CXHSCROLL, 17},
    {SM_CYCAPTION, 26}, {SM_CXBORDER, 1},   {SM_CYBORDER, 1},   {SM_CXDLGFRAME, 3},
    {SM_CYDLGFRAME, 3}, {SM_CYVTHUMB, 17},  {SM_CXHTHUMB, 17},  {SM_CXICON, 32},
    {SM_CYICON, 32},    {SM_CXCURSOR, 32},  {SM_CYCURSOR, 32},  {SM_CYMENU, 20},
    {SM_CXFRAME, 4},    {SM_CYFRAME, 4},    {SM_CXDOUBLECLK, 4}, {SM_CYDOUBLECLK, 4},
    {SM_CXEDGE, 2},     {SM_CYEDGE, 2},     {SM_CXSMICON, 16},  {SM_CYSMICON, 16},
    {SM_CYSMCAPTION, 22}, {SM_CXMENUCHECK, 13}, {SM_CYMENUCHECK, 13},
};

int ScreenWidth() { return win32::TheDisplay().screen.width; }
int ScreenHeight() { return win32::TheDisplay().screen.height; }

}  // namespace

UINT GetDpiForSystem() { return static_cast<UINT>(win32::TheDisplay().dpiX); }

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN:
    case SM_CXFULLSCREEN: return ScreenWidth();
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return ScreenHeight();
    case SM_CYFULLSCREEN: return ScreenHeight() - kTaskBarHeight - GetSystemMetrics(SM_CYCAPTION);
    default: break;
  }
  for (const Metric& m : kFixedMetrics) {
    if (m.index == index) return m.value;
  }
  return 0;
}

BOOL SystemParametersInfoA(UINT action, UINT, void* data, UINT) {
  if (!data) return FALSE;
  switch (action) {
    case SPI_GETWORKAREA:
      *static_cast<RECT*>(data) = RECT{0, 0, ScreenWidth(), ScreenHeight() - kTaskBarHeight};
      return TRUE;
    case SPI_GETDEFAULTINPUTLANG: *static_cast<HKL*>(data) = GetKeyboardLayout(0); return TRUE;
    case SPI_GETFLATMENU: *static_cast<BOOL*>(data) = FALSE; return TRUE;
    case SPI_GETDROPSHADOW: *static_cast<BOOL*>(data) = TRUE; return TRUE;
    case SPI_GETMENUSHOWDELAY: *static_cast<UINT*>(data) = kMenuShowDelay; return TRUE;
    default: return FALSE;
  }
}
