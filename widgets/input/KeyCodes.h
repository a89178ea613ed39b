#pragma once
// Keys, modifiers and mouse buttons as the controls' events report them:
// the platform's virtual key codes (Enter 13, Up 38, Down 40, Delete 46, the
// keypad's decimal key 110...), the shift state as a mask (Shift 1, Ctrl 2,
// Alt 4) and the buttons as a mask (left 1, right 2, middle 4).
#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace velvara::widgets {

inline constexpr std::int16_t kKeyBack = 8;
inline constexpr std::int16_t kKeyReturn = 13;
inline constexpr std::int16_t kKeyUp = 38;
inline constexpr std::int16_t kKeyDown = 40;
inline constexpr std::int16_t kKeyDecimal = 110;

// The virtual key code of the event's key; 0 for a key without one.
std::int16_t virtualKeyCode(const QKeyEvent& event);

// The character code the key types: the character itself for a printable
// character, Ctrl with a letter as 1 to 26 (copy 3, paste 22, cut 24),
// Enter 13, Backspace 8; 0 when the key types nothing (arrows, Delete,
// Escape, Tab).
std::int16_t keyAscii(const QKeyEvent& event);

std::int16_t shiftMask(Qt::KeyboardModifiers modifiers);
std::int16_t buttonMask(Qt::MouseButtons buttons);

}  // namespace velvara::widgets
