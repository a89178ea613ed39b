#include "widgets/input/KeyCodes.h"

#include <QKeyEvent>

namespace velvara::widgets {

std::int16_t virtualKeyCode(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<std::int16_t>(96 + key - Qt::Key_0);
  if (keypad && (key == Qt::Key_Period || key == Qt::Key_Comma)) return kKeyDecimal;
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
    return static_cast<std::int16_t>(key);
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<std::int16_t>(112 + key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace:
      return kKeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kKeyReturn;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return kKeyUp;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return kKeyDown;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    case Qt::Key_Minus:
      return keypad ? 109 : 189;
    case Qt::Key_Plus:
      return keypad ? 107 : 187;
    case Qt::Key_Period:
      return 190;
    case Qt::Key_Comma:
      return 188;
    default:
      return 0;
  }
}

std::int16_t keyAscii(const QKeyEvent& event) {
  const int key = event.key();
  if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
    return static_cast<std::int16_t>(key - Qt::Key_A + 1);
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return kKeyReturn;
  if (key == Qt::Key_Backspace) return kKeyBack;
  const QString text = event.text();
  if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() != 127) {
    // A character beyond 16 signed bits is still a character; "?" stands for it.
    return text[0].unicode() < 0x8000 ? static_cast<std::int16_t>(text[0].unicode()) : std::int16_t{'?'};
  }
  return 0;
}

std::int16_t shiftMask(Qt::KeyboardModifiers modifiers) {
  return static_cast<std::int16_t>(((modifiers & Qt::ShiftModifier) ? 1 : 0) |
                                   ((modifiers & Qt::ControlModifier) ? 2 : 0) |
                                   ((modifiers & Qt::AltModifier) ? 4 : 0));
}

std::int16_t buttonMask(Qt::MouseButtons buttons) {
  return static_cast<std::int16_t>(((buttons & Qt::LeftButton) ? 1 : 0) | ((buttons & Qt::RightButton) ? 2 : 0) |
                                   ((buttons & Qt::MiddleButton) ? 4 : 0));
}

}  // namespace velvara::widgets
