#include "widgets/slide/SlideFrame.h"

#include <QPainter>

#include "widgets/design/PlatformColor.h"

namespace velvara::widgets {

SlideFrame::SlideFrame(QWidget* parent) : QWidget(parent) {
  setObjectName("Shape1");
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SlideFrame::setBorderColor(std::uint32_t color) {
  borderColor_ = color;
  update();
}

void SlideFrame::setBorderWidth(std::int16_t width) {
  borderWidth_ = width;
  update();
}

void SlideFrame::paintEvent(QPaintEvent*) {
  if (borderWidth_ <= 0) return;
  QPainter painter(this);
  const QColor color = toQColor(borderColor_);
  const int w = borderWidth_;
  painter.fillRect(0, 0, width(), w, color);
  painter.fillRect(0, height() - w, width(), w, color);
  painter.fillRect(0, 0, w, height(), color);
  painter.fillRect(width() - w, 0, w, height(), color);
}

}  // namespace velvara::widgets
