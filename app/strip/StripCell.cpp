#include "app/strip/StripCell.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "app/strip/StripSelection.h"

namespace velvara::app {
namespace {

constexpr QRgb kCanvasGrey = 0x808080;
constexpr QRgb kPictureGrey = 0xE0E0E0;
constexpr int kFrameInset = 7;
constexpr int kFrameWidth = 3;

}  // namespace

int buttonValue(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return kLeftButton;
    case Qt::RightButton:
      return kRightButton;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

int shiftValue(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? kShiftMask : 0) | (modifiers & Qt::ControlModifier ? kCtrlMask : 0) |
         (modifiers & Qt::AltModifier ? kAltMask : 0);
}

StripCell::StripCell(const core::ImageList& images, std::int32_t index, QWidget* parent)
    : QWidget(parent), images_(images), index_(index) {
  setObjectName(QString("usSlide1_%1").arg(index));
  setAccessibleName(objectName());
  setFocusPolicy(Qt::ClickFocus);
  setAcceptDrops(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The strip gives the focus to the cell under the pointer.
  setMouseTracking(true);
}

void StripCell::setSlideSize(int width, int height) {
  if (size() != QSize(width, height)) resize(width, height);
}

void StripCell::setSlideSelected(bool selected) {
  if (selected_ == selected) return;
  selected_ = selected;
  update();
}

void StripCell::setPicHeightPercentOfWidth(double ratio) {
  ratio_ = ratio == 0 ? 1.0 : ratio;
  update();
}

void StripCell::showPreview() {
  showsPreview_ = true;
  update();
}

void StripCell::clearPicture() {
  showsPreview_ = false;
  setToolTip(QString());
  update();
}

QRectF StripCell::pictureRect() const {
  const double w = width();
  const double h = height();
  if (!showsPreview_) return QRectF(12, 12, w - 26, h - 26);
  if (ratio_ <= 1) {
    double boxHeight = (w - 19) * ratio_;
    return QRectF(9, (h - boxHeight) / 2, w - 19, boxHeight);
  }
  double boxWidth = (h - 19) / ratio_;
  return QRectF((w - boxWidth) / 2, 9, boxWidth, h - 19);
}

void StripCell::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(kCanvasGrey));
  QRectF box = pictureRect();
  painter.fillRect(box, QColor(kPictureGrey));
  const bool cached = index_ < images_.count() && images_.item(index_).thumbnailCached;
  if (showsPreview_ && cached) {
    const imagelib::Bitmap& bitmap = images_.bitmap(index_);
    if (bitmap.hasData() && bitmap.bytesPerPixel == 3) {
      // The rows are bottom-up: paint them mirrored instead of copying them.
      QImage rows(bitmap.pixels.data(), bitmap.width, bitmap.height, bitmap.bytesPerLine, QImage::Format_BGR888);
      painter.save();
      painter.translate(box.left(), box.bottom());
      painter.scale(1, -1);
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawImage(QRectF(0, 0, box.width(), box.height()), rows);
      painter.restore();
    }
  } else if (!showsPreview_) {
    // The placeholder: a crossed-out picture box.
    painter.setPen(QPen(QColor(0x909090), 2));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
  }
  painter.setPen(QPen(selected_ ? QColor(Qt::red) : QColor(Qt::white), kFrameWidth));
  const double half = kFrameWidth / 2.0;
  painter.drawRect(QRectF(kFrameInset + half, kFrameInset + half, width() - 2 * kFrameInset - kFrameWidth,
                          height() - 2 * kFrameInset - kFrameWidth));
}

void StripCell::mousePressEvent(QMouseEvent* event) {
  emit mouseDown(index_, buttonValue(event->button()), shiftValue(event->modifiers()), event->position().x(),
                 event->position().y());
}

void StripCell::mouseMoveEvent(QMouseEvent* event) {
  int button = event->buttons() & Qt::LeftButton ? kLeftButton : (event->buttons() & Qt::RightButton ? 2 : 0);
  emit mouseMove(index_, button, shiftValue(event->modifiers()), event->position().x(), event->position().y());
}

void StripCell::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseUp(index_, buttonValue(event->button()), shiftValue(event->modifiers()), event->position().x(),
               event->position().y());
}

}  // namespace velvara::app
