#pragma once
// The 216 colours of the web-safe palette that the palette dialog offers.
#include <cstddef>
#include <string>
#include <vector>

namespace velvara::core {

inline constexpr std::size_t kWebColorCount = 216;

// The palette as six upper-case hex digits each, red, green, blue, without
// "#" ("0066CC"): index = 36 * red step + 6 * green step + blue step, each
// step k standing for the channel value 51 * k.
std::vector<std::string> buildWebColorTable();

}  // namespace velvara::core
