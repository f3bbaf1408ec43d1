// Umbrella header of the Win32-compatible layer: everything a control's code calls.
#pragma once
#include "win32/types.h"
#include "win32/gdi.h"
#include "win32/user.h"
