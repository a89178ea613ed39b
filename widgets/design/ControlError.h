#pragma once
// An error a control raises to its caller: the runtime's error number and
// its description.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace velvara::widgets {

// A design-time property was written while the program runs.
inline constexpr std::int32_t kErrSetNotSupportedAtRuntime = 382;
// A design-time property was read while the program runs.
inline constexpr std::int32_t kErrGetNotSupportedAtRuntime = 393;

class ControlError : public std::runtime_error {
 public:
  ControlError(std::int32_t number, const std::string& description)
      : std::runtime_error(description), number_(number) {}

  std::int32_t number() const { return number_; }

 private:
  std::int32_t number_;
};

}  // namespace velvara::widgets
