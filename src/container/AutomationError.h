// The error a host sees when an automation call fails: number, source and description,
// as the container's standard error information carries them.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

class AutomationError : public std::runtime_error {
 public:
  AutomationError(std::int32_t number, std::string source, std::string description)
      : std::runtime_error(description), m_Number(number), m_Source(std::move(source)),
        m_Description(std::move(description)) {}

  std::int32_t Number() const { return m_Number; }
  const std::string& Source() const { return m_Source; }
  const std::string& Description() const { return m_Description; }

 private:
  std::int32_t m_Number;
  std::string m_Source;
  std::string m_Description;
};

// Errors of the automation runtime itself (source "VBRuntime", as the runtime reports them).
namespace runtime_error_number {
inline constexpr std::int32_t Overflow = 6;
inline constexpr std::int32_t SubscriptOutOfRange = 9;
inline constexpr std::int32_t TypeMismatch = 13;
}  // namespace runtime_error_number

[[noreturn]] void RaiseRuntimeError(std::int32_t number);
