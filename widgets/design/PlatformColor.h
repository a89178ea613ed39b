#pragma once
// Platform colour values (red + 256 * green + 65536 * blue) as the controls
// store them, and the system colours (0x80000000 + index) that stand for the
// user's desktop scheme.
#include <QColor>
#include <cstdint>

namespace velvara::widgets {

// The system colour of window backgrounds and of window text.
inline constexpr std::uint32_t kSystemWindowBackground = 0x80000005u;
inline constexpr std::uint32_t kSystemWindowText = 0x80000008u;

// A system colour is taken from the application's palette; any other value
// from its low three bytes.
QColor toQColor(std::uint32_t platformColor);

std::uint32_t toPlatformColor(const QColor& color);

}  // namespace velvara::widgets
