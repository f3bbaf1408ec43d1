// What the fuzz targets share: one headless desktop for the process, a host form with one
// control, and the checks that stop a run at a finding (an error the rules do not allow, an
// exception that is not an automation error, a leaked window or GDI object).
#pragma once
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>

#include "container/AutomationError.h"
#include "container/Form.h"
#include "core/MirelMenuBar20.h"
#include "win32/desktop.h"
#include "win32/objcount.h"

namespace fuzz_host {

[[noreturn]] inline void Finding(const std::string& what) {
  std::fprintf(stderr, "FINDING: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

// Runs `call`; an automation error whose number is in `allowed` is what the rules say and
// passes, anything else is a finding. Returns whether the call succeeded.
template <class Call>
bool Allowing(std::initializer_list<std::int32_t> allowed, const char* what, Call&& call) {
  try {
    call();
    return true;
  } catch (const AutomationError& error) {
    if (std::find(allowed.begin(), allowed.end(), error.Number()) == allowed.end()) {
      Finding(std::string(what) + " raised " + std::to_string(error.Number()) + " " + error.Source() + ": " +
              error.Description());
    }
  } catch (const std::exception& error) {
    Finding(std::string(what) + " threw a non-automation exception: " + error.what());
  }
  return false;
}

// The live windows, DCs, bitmaps, fonts, timers and hooks when constructed must be the same
// when Check runs.
class LeakCheck {
 public:
  LeakCheck() : m_Start(win32::SnapshotLiveObjects()) {}
  void Check(const char* what) const {
    const win32::LiveObjectCounts now = win32::SnapshotLiveObjects();
    for (std::size_t kind = 0; kind < now.counts.size(); ++kind) {
      if (now.counts[kind] != m_Start.counts[kind]) {
        Finding(std::string(what) + ": live objects of kind " + std::to_string(kind) + " went from " +
                std::to_string(m_Start.counts[kind]) + " to " + std::to_string(now.counts[kind]));
      }
    }
  }

 private:
  win32::LiveObjectCounts m_Start;
};

inline constexpr float kBarWidthTwips = 9000;
inline constexpr float kBarHeightTwips = 1200;
inline const ControlPlacement kPlacement{
    .name = "MirelMenuBar201", .left = 0, .top = 0, .width = kBarWidthTwips, .height = kBarHeightTwips};

// One input's host: a shown form with a new control, handed to `use`, then unloaded; the
// buttons are released and every window and GDI object must be gone again.
template <class Use>
void WithFreshControl(Use&& use) {
  const LeakCheck leaks;
  {
    Form form;
    auto bar = form.AddControl<MirelMenuBar20>(kPlacement);
    form.Show();
    use(*bar);
    Allowing({}, "unloading", [&] { form.Unload(); });
  }
  win32::TheDesktop().MouseUp(win32::MouseButton::Left);
  win32::TheDesktop().MouseUp(win32::MouseButton::Right);
  leaks.Check("after unloading");
}

}  // namespace fuzz_host

// The desktop starts afresh once per process (each fuzz target includes this header once).
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  win32::TheDesktop().Reset();
  return 0;
}
