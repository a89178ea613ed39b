#include "settings/quickhelp/LightboxPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace velvara::settings {
namespace {

void drawPointer(QPainter& painter, int number, QPoint badge, QPoint target) {
  painter.setPen(QPen(QColor("#ffcc00"), 2));
  painter.drawLine(badge, target);
  painter.setBrush(QColor("#ffcc00"));
  painter.drawEllipse(target, 3, 3);
  painter.drawEllipse(badge, 12, 12);
  painter.setPen(Qt::black);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(14);
  painter.setFont(font);
  painter.drawText(QRect(badge - QPoint(12, 12), QSize(24, 24)), Qt::AlignCenter, QString::number(number));
}

}  // namespace

QPixmap drawLightboxPicture() {
  QPixmap picture(560, 340);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);

  // The gallery page behind the overlay, darkened by it.
  painter.fillRect(picture.rect(), QColor("#7f7f7f"));
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 5; ++column) {
      painter.fillRect(QRect(30 + column * 105, 30 + row * 100, 85, 75), QColor("#aaaaaa"));
    }
  }
  painter.fillRect(picture.rect(), QColor(0, 0, 0, 200));

  // The image box with its picture.
  const QRect box(150, 40, 260, 190);
  painter.fillRect(box, Qt::white);
  const QRect photo = box.adjusted(10, 10, -10, -10);
  painter.fillRect(photo, QColor("#7fb2e5"));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor("#f5d76e"));
  painter.drawEllipse(QPoint(photo.right() - 40, photo.top() + 35), 16, 16);
  painter.setBrush(QColor("#4f8a3c"));
  QPainterPath hill;
  hill.moveTo(photo.bottomLeft() + QPoint(0, 1));
  hill.quadTo(photo.center() + QPoint(-40, -30), photo.bottomRight() + QPoint(1, -45));
  hill.lineTo(photo.bottomRight() + QPoint(1, 1));
  hill.closeSubpath();
  painter.drawPath(hill);

  // The caption area under it: the caption and the image count as text bars,
  // and the close button.
  const QRect caption(150, 230, 260, 50);
  painter.fillRect(caption, Qt::white);
  painter.fillRect(QRect(162, 240, 150, 9), QColor("#666666"));
  painter.fillRect(QRect(162, 258, 80, 7), QColor("#999999"));
  painter.setPen(QPen(QColor("#666666"), 2));
  painter.drawLine(380, 244, 392, 256);
  painter.drawLine(392, 244, 380, 256);

  drawPointer(painter, 1, {60, 300}, {100, 250});
  drawPointer(painter, 2, {480, 60}, {405, 100});
  drawPointer(painter, 3, {480, 300}, {360, 270});
  drawPointer(painter, 4, {60, 200}, {190, 244});
  return picture;
}

}  // namespace velvara::settings
