#pragma once
// Files carried inside the program: string tables, script packages, images.
// Groups and names are compared without regard to letter case.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velvara::assets {

using Bytes = std::span<const std::uint8_t>;

// The bytes of one embedded file, or nothing when the group has no such file.
std::optional<Bytes> find(std::string_view group, std::string_view name);

// The names of a group's files, in the order they were embedded.
std::vector<std::string> names(std::string_view group);

}  // namespace velvara::assets
