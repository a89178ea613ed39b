#pragma once
// The numeric box's up-down spinner: an upper and a lower arrow half. It only
// reports presses (with the vertical position and the spinner's height) and
// releases; the box decides what a press does.
#include <QWidget>
#include <functional>

namespace velvara::widgets {

class UpDownSpinner : public QWidget {
  Q_OBJECT

 public:
  explicit UpDownSpinner(QWidget* parent = nullptr);

  std::function<void(int y, int height)> onPressed;
  std::function<void()> onReleased;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // -1 while no button is held, else 0 for the upper and 1 for the lower half.
  int pressedHalf_ = -1;
};

}  // namespace velvara::widgets
