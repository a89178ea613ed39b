#include "widgets/numericbox/UpDownSpinner.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace velvara::widgets {

UpDownSpinner::UpDownSpinner(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

QSize UpDownSpinner::sizeHint() const { return {15, 20}; }

void UpDownSpinner::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int half = height() / 2;
  const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
  const QStyle::PrimitiveElement arrows[2] = {QStyle::PE_IndicatorSpinUp, QStyle::PE_IndicatorSpinDown};
  for (int i = 0; i < 2; ++i) {
    QStyleOptionButton button;
    button.initFrom(this);
    button.rect = halves[i];
    button.state |= pressedHalf_ == i ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = halves[i].adjusted(2, 1, -2, -1);
    style()->drawPrimitive(arrows[i], &arrow, &painter, this);
  }
}

void UpDownSpinner::mousePressEvent(QMouseEvent* event) {
  const int y = static_cast<int>(event->position().y());
  pressedHalf_ = y <= height() / 2 ? 0 : 1;
  update();
  if (onPressed) onPressed(y, height());
}

void UpDownSpinner::mouseReleaseEvent(QMouseEvent*) {
  pressedHalf_ = -1;
  update();
  if (onReleased) onReleased();
}

}  // namespace velvara::widgets
