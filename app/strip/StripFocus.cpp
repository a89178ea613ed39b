#include "app/strip/StripFocus.h"

#include <QApplication>
#include <QWidget>

#include "widgets/access/HeldFocus.h"

namespace velvara::app {

StripFocus::StripFocus(QWidget& window, QWidget& canvas) : window_(window), canvas_(canvas) {
  window_.setFocusPolicy(Qt::ClickFocus);
  // Tab reaches the strip also while no cell is current.
  canvas_.setFocusPolicy(Qt::StrongFocus);
  window_.setFocusProxy(&canvas_);
  // The keys go to one widget: a screen reader reads no other as focused.
  widgets::reportFocusOnlyWhileHeld(window_);
  widgets::reportFocusOnlyWhileHeld(canvas_);
}

void StripFocus::restOn(QWidget* current, const std::vector<QWidget*>& cells) {
  // The current cell first, so that no step makes a circle of hand-ons.
  if (current) current->setFocusProxy(nullptr);
  canvas_.setFocusProxy(current);
  for (QWidget* cell : cells)
    if (cell != current) cell->setFocusProxy(&canvas_);
  QWidget* holder = current ? current : &canvas_;
  if (keyboardInStrip() && QApplication::focusWidget() != holder) holder->setFocus(Qt::OtherFocusReason);
}

bool StripFocus::keyboardInStrip() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus && (focus == &window_ || canvas_.isAncestorOf(focus));
}

}  // namespace velvara::app
