#include "widgets/slide/SlidePicture.h"

#include <QPainter>
#include <algorithm>

#include "core/imaging/BitmapAdapter.h"
#include "widgets/design/PlatformColor.h"

namespace velvara::widgets {

SlidePicture::SlidePicture(QWidget* parent) : QWidget(parent) { setObjectName("Picture1"); }

void SlidePicture::setBackColor(std::uint32_t color) {
  backColor_ = color;
  update();
}

void SlidePicture::setPicture(const QImage& picture) {
  picture_ = picture;
  painted_ = QImage();
  update();
}

void SlidePicture::paintBitmap(const imagelib::Bitmap& bmp) {
  const core::BitmapRows rows = core::rowsOf(bmp);
  if (!rows.pixels || rows.width <= 0 || rows.height <= 0) return;
  // The image reads the bitmap's own memory, bottom row first.
  QImage stored;
  if (rows.bytesPerPixel == 3) {
    stored = QImage(rows.pixels, rows.width, rows.height, rows.bytesPerLine, QImage::Format_BGR888);
  } else if (rows.bytesPerPixel == 1) {
    stored = QImage(rows.pixels, rows.width, rows.height, rows.bytesPerLine, QImage::Format_Indexed8);
    QList<QRgb> colors(256);
    for (int i = 0; i < 256; ++i) {
      colors[i] =
          bmp.colorMap ? qRgb(bmp.colorMap->red[i], bmp.colorMap->green[i], bmp.colorMap->blue[i]) : qRgb(i, i, i);
    }
    stored.setColorTable(colors);
  } else {
    return;
  }
  const QSize needed(std::max(painted_.width(), rows.width), std::max(painted_.height(), rows.height));
  if (painted_.size() != needed) {
    QImage grown(needed, QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    QPainter(&grown).drawImage(0, 0, painted_);
    painted_ = std::move(grown);
  }
  QPainter painter(&painted_);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.translate(0, rows.height);
  painter.scale(1, -1);
  painter.drawImage(0, 0, stored);
  update();
}

void SlidePicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), toQColor(backColor_));
  if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
  if (!painted_.isNull()) painter.drawImage(0, 0, painted_);
}

}  // namespace velvara::widgets
