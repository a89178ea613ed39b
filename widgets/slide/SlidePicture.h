#pragma once
// The inner picture box of a thumbnail cell: a background colour, a picture
// shown at its top-left corner, and what the cell's owner painted into it.
#include <QImage>
#include <QWidget>
#include <cstdint>

#include "platform/imagelib/Bitmap.h"

namespace velvara::widgets {

class SlidePicture : public QWidget {
  Q_OBJECT

 public:
  explicit SlidePicture(QWidget* parent = nullptr);

  std::uint32_t backColor() const { return backColor_; }
  void setBackColor(std::uint32_t color);
  // Kept for the owner's drawing; the box itself fills with backColor.
  std::uint32_t fillColor() const { return fillColor_; }
  void setFillColor(std::uint32_t color) { fillColor_ = color; }

  const QImage& picture() const { return picture_; }
  // Shows picture in place of the earlier picture and of anything painted.
  void setPicture(const QImage& picture);

  // Paints the bitmap 1:1 at the box's top-left corner, as a window paints
  // into its device context: the bitmap's rows are read where they lie
  // (bottom-up blue-green-red or 8-bit with a colour map, no conversion
  // first), drawn once into the box's own drawing surface, and shown from
  // there on every repaint, so the bitmap may be released afterwards. A
  // bitmap without pixels, or of another depth, paints nothing.
  void paintBitmap(const imagelib::Bitmap& bmp);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::uint32_t backColor_ = 0xFFFFFF;
  std::uint32_t fillColor_ = 0;
  QImage picture_;
  QImage painted_;
};

}  // namespace velvara::widgets
