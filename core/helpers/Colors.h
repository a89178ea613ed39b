#pragma once
// Colours as the platform value (red + 256 * green + 65536 * blue) and as
// "#RRGGBB" text.
#include <cstdint>
#include <string>

namespace velvara::core {

std::string colorToHtml(std::int32_t color);
std::int32_t htmlToColor(const std::string& text);

}  // namespace velvara::core
