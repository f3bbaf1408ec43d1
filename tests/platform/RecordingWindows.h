// Test windows whose procedures write every message they receive to a shared log, so that
// tests compare the order in which windows, subclass objects and hook clients saw things.
#pragma once
#include <string>
#include <vector>

#include "win32/windows.h"

namespace platform_test {

using Log = std::vector<std::string>;

// The shared log; cleared by ResetDesktop.
Log& TheLog();
// Resets the desktop and the log and registers the recording window class.
void ResetDesktop();
// A visible top-level window; its log name is its caption.
HWND CreateRecordingWindow(const char* name, int x, int y, int width = 200, int height = 150);
// A visible child window of parent; its log name is its caption.
HWND CreateRecordingChild(const char* name, HWND parent, int x, int y, int width = 60, int height = 40);

// "WM_ACTIVATE", "WM_KEYDOWN", ... for the messages tests look at, else the number.
std::string MessageName(UINT iMsg);
// The log entries whose message part is one of the given names, in order.
Log Only(const Log& log, const std::vector<std::string>& messageNames);

// Compares two sequences and, when they differ, prints both in full, one entry a line.
void ExpectSequence(const Log& expected, const Log& actual);

}  // namespace platform_test
