#include "widgets/colors/ColorLabel.h"

#include <QMouseEvent>

#include "widgets/design/PlatformColor.h"

namespace velvara::widgets {

ColorLabel::ColorLabel(QWidget* parent) : QLabel(parent) {
  setAutoFillBackground(true);
  applyColors();
}

void ColorLabel::setBackColor(std::uint32_t color) {
  backColor_ = color;
  applyColors();
}

void ColorLabel::setForeColor(std::uint32_t color) {
  foreColor_ = color;
  applyColors();
}

void ColorLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void ColorLabel::applyColors() {
  QPalette colors = palette();
  colors.setColor(QPalette::Window, toQColor(backColor_));
  colors.setColor(QPalette::WindowText, toQColor(foreColor_));
  setPalette(colors);
}

}  // namespace velvara::widgets
