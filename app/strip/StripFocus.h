#pragma once
// Where the strip's keyboard focus rests: on the current cell's widget, where
// the keys act, or on the canvas while the current cell has no widget (none
// is current, or it is out of view). Every other cell widget, and the window
// the canvas lies in, hand the focus on to the canvas, and the canvas to the
// current cell; so the pointer passing over a cell, a click on one and Tab
// all give the focus to the same widget, and a screen reader hears it reach
// the current cell and no other.
#include <vector>

class QWidget;

namespace velvara::app {

class StripFocus {
 public:
  StripFocus(QWidget& window, QWidget& canvas);

  // current is the current cell's widget, or null; cells are all the cell
  // widgets. While the keyboard is in the strip, the focus moves along.
  void restOn(QWidget* current, const std::vector<QWidget*>& cells);

 private:
  bool keyboardInStrip() const;

  QWidget& window_;
  QWidget& canvas_;
};

}  // namespace velvara::app
