#pragma once
// The 10 bytes at the start of every settings and project file.
#include <array>
#include <cstdint>
#include <span>

namespace velvara::core {

using FileHeader = std::array<std::uint8_t, 10>;

// "VLR104" and four zero bytes: what this program writes.
inline constexpr FileHeader kFileHeader{'V', 'L', 'R', '1', '0', '4', 0, 0, 0, 0};
// "VLR100" and four zero bytes: old project files.
inline constexpr FileHeader kOldProjectHeader{'V', 'L', 'R', '1', '0', '0', 0, 0, 0, 0};

// Each is False for a span shorter than 10 bytes.
bool isOldProjectHeader(std::span<const std::uint8_t> bytes);
bool isCurrentFileHeader(std::span<const std::uint8_t> bytes);

}  // namespace velvara::core
