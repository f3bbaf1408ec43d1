// A menu-bar control placed on a run-time form, as a host creates it, and the error a host
// sees when an automation call fails.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "support/BarOnForm.h"

namespace menu_test {

using HostError = mirel_test::RaisedError;
inline HostError ErrorOf(const std::function<void()>& call) { return mirel_test::ErrorFrom(call); }
using mirel_test::kHeaderMissing;
using mirel_test::kHeaderMissingOnLet;
using mirel_test::KeyInUse;
using mirel_test::kNoError;
using mirel_test::kOverflow;
using mirel_test::kSubscriptOutOfRange;
using mirel_test::TypeMismatch;
using mirel_test::Unloaded;

class MenuBarOnForm : public mirel_test::BarOnForm {
 protected:
  void SetUp() override {
    BarOnForm::SetUp();
    MakeBar({.barHeightTwips = 1200});
  }
  std::shared_ptr<cMenus> Menus() { return m_Bar->Menus(); }
};

}  // namespace menu_test
