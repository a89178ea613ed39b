#pragma once
// Some controls take the keyboard focus when the pointer merely passes over
// them, so that keys and the wheel act where the pointer is. The pointer
// passing by is no attempt to leave the control that has the focus: a
// control that holds the focus until its input is settled keeps it, without
// a signal. A click is such an attempt; that control answers it itself.
#include <QWidget>

namespace velvara::widgets {

// A control that may hold the keyboard focus.
class FocusHolder {
 public:
  // True while the focus must stay here (a number that would be refused).
  virtual bool holdsFocus() const = 0;

 protected:
  ~FocusHolder() = default;
};

// Gives widget the focus as the pointer passing over it does.
void takeFocusOnHover(QWidget& widget);

}  // namespace velvara::widgets
