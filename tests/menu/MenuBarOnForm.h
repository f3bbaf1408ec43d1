// A menu-bar control placed on a run-time form, as a host creates it, and the error a host
// sees when an automation call fails.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "container/Form.h"
#include "core/MirelMenuBar20.h"

namespace menu_test {

// Number, source and description of a failed call; all empty when the call succeeded.
struct HostError {
  std::int32_t number = 0;
  std::string source;
  std::string description;
  bool operator==(const HostError&) const = default;
};
void PrintTo(const HostError& error, std::ostream* out);

HostError ErrorOf(const std::function<void()>& call);

inline constexpr std::int32_t kObjectErrorBase = static_cast<std::int32_t>(0x80040000u);
inline const HostError kNoError{};
inline const HostError kHeaderMissing{kObjectErrorBase + 25003, "voxMirelMBar20.MirelMenuBar20",
                                      "Header does not exist."};
inline const HostError kHeaderMissingOnLet{kObjectErrorBase + 25003, "voxMirelMBar20.MirelMenuBar",
                                           "Header does not exist."};
inline const HostError kSubscriptOutOfRange{9, "VBRuntime", "Subscript out of range"};
inline const HostError kOverflow{6, "VBRuntime", "Overflow"};
HostError TypeMismatch(const std::string& collection);
HostError KeyInUse(const std::string& collection);
HostError Unloaded(const std::string& source);

class MenuBarOnForm : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::shared_ptr<cMenus> Menus() { return m_Bar->Menus(); }
  // Adds a primary, enabled menu with the given key.
  std::shared_ptr<cMenu> AddMenu(const std::string& sKey);

  std::unique_ptr<Form> m_Form;
  std::shared_ptr<MirelMenuBar20> m_Bar;
};

}  // namespace menu_test
