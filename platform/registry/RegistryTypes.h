#pragma once
// The vocabulary of the current user's registry: root keys, value types and
// the result numbers that every store operation answers with.
#include <cstdint>
#include <string>
#include <vector>

namespace velvara::registry {

// Predefined root keys, numbered as the handles a caller names them by.
inline constexpr std::uint32_t kHkeyClassesRoot = 0x80000000u;
inline constexpr std::uint32_t kHkeyCurrentUser = 0x80000001u;

// Value types; the store keeps any type number with its bytes unchanged.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegDwordBigEndian = 5;
inline constexpr std::uint32_t kRegMultiSz = 7;

// Results: 0 is success, everything else names the failure.
inline constexpr long kSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorInvalidData = 13;
inline constexpr long kErrorInvalidParameter = 87;
inline constexpr long kErrorBadDb = 1009;
inline constexpr long kErrorIoFailed = 1016;

struct StoredValue {
  std::string name;
  std::uint32_t type = kRegNone;
  std::vector<std::uint8_t> data;
};

}  // namespace velvara::registry
