#pragma once
// An error raised by the registry accessor: its number, its description and
// its source, as the caller reports or compares them.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace velvara::widgets {

// The accessor's failures (creating, writing, deleting, opening for delete).
inline constexpr std::int32_t kErrRegistry = 26001;
// A value write that the registry refused.
inline constexpr std::int32_t kErrRegistrySetValue = static_cast<std::int32_t>(0x80040000u + 27049u);
// A failure while listing sub-keys.
inline constexpr std::int32_t kErrRegistryEnumerate = static_cast<std::int32_t>(0x80040000u + 27050u);

// What the language runtime gives an error raised without a description.
inline constexpr const char* kDefaultErrorDescription = "Application-defined or object-defined error";

class RegistryError : public std::runtime_error {
 public:
  RegistryError(std::int32_t number, std::string description, std::string source)
      : std::runtime_error(description),
        number_(number),
        description_(std::move(description)),
        source_(std::move(source)) {}

  std::int32_t number() const { return number_; }
  const std::string& description() const { return description_; }
  const std::string& source() const { return source_; }

 private:
  std::int32_t number_;
  std::string description_;
  std::string source_;
};

}  // namespace velvara::widgets
