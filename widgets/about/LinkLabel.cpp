#include "widgets/about/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace velvara::widgets {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  QPalette colors = palette();
  colors.setColor(QPalette::WindowText, colors.color(QPalette::Link));
  setPalette(colors);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
    emit clicked();
    return;
  }
  QLabel::keyPressEvent(event);
}

}  // namespace velvara::widgets
