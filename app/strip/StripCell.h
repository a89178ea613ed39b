#pragma once
// One cell of the thumbnail strip: a grey surface, the preview of one image
// painted straight from the project's preview slot, and a frame that is red
// while the cell is selected. Mouse events reach the strip in the cell's own
// pixels with the button and modifier masks of the strip's handlers.
#include <QWidget>
#include <cstdint>

#include "core/model/ImageList.h"

namespace velvara::app {

class StripCell : public QWidget {
  Q_OBJECT

 public:
  StripCell(const core::ImageList& images, std::int32_t index, QWidget* parent);

  std::int32_t index() const { return index_; }

  void setSlideSize(int width, int height);
  bool slideSelected() const { return selected_; }
  void setSlideSelected(bool selected);
  // Height divided by width of the picture; 0 reads as 1.
  void setPicHeightPercentOfWidth(double ratio);
  void setTooltip(const QString& text) { setToolTip(text); }
  // Paints the preview slot of the cell's image from now on.
  void showPreview();
  // The placeholder instead of a preview.
  void clearPicture();

 signals:
  void mouseDown(int index, int button, int shift, double x, double y);
  void mouseMove(int index, int button, int shift, double x, double y);
  void mouseUp(int index, int button, int shift, double x, double y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // A cell reports no double-click, and the second press of one is no press.
  void mouseDoubleClickEvent(QMouseEvent*) override {}

 private:
  QRectF pictureRect() const;

  const core::ImageList& images_;
  std::int32_t index_;
  bool selected_ = false;
  bool showsPreview_ = false;
  double ratio_ = 1.0;
};

// The strip's masks for a mouse button and the keyboard modifiers.
int buttonValue(Qt::MouseButton button);
int shiftValue(Qt::KeyboardModifiers modifiers);

}  // namespace velvara::app
