#pragma once
// A label that reads as a web link and reports a click (or Enter or Space
// while it has the focus) by clicked().
#include <QLabel>

namespace velvara::widgets {

class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace velvara::widgets
