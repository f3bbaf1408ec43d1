// A fresh headless desktop for every test, with the resolution the test asks for.
#pragma once
#include <gtest/gtest.h>

#include "support/MessageLog.h"

#include <sstream>
#include <string>
#include <vector>

#include "win32/desktop.h"

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetDesktop(win32::kDefaultDpi); }
  void ResetDesktop(int dpi) {
    win32::DesktopOptions options;
    options.dpi = dpi;
    win32::TheDesktop().Reset(options);
  }
  win32::Desktop& Desktop() { return win32::TheDesktop(); }
};

// Compares two event tables and prints both in full when they differ.
inline constexpr auto& SameTable = mirel_test::SameSequence;
