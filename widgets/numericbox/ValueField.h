#pragma once
// The numeric box's text field: a line edit whose keys, focus changes and
// mouse events go to the box first, so that the box filters what is typed
// and commits on leaving.
#include <QLineEdit>

#include "widgets/input/HoverFocus.h"

namespace velvara::widgets {

class usNumericBox;

class ValueField : public QLineEdit, public FocusHolder {
  Q_OBJECT

 public:
  ValueField(usNumericBox& box, QWidget* parent);

  // While the typed number would be refused, the pointer passing over a
  // control takes the focus from here no more than a click does.
  bool holdsFocus() const override;

  // Hands the key to the line edit itself, past the box's filter.
  void typeKey(QKeyEvent& event) { QLineEdit::keyPressEvent(&event); }

  // Runs move, a focus change that the box has already validated, so that
  // the field's focus loss does not validate it again.
  template <typename Move>
  void leaveValidated(Move&& move) {
    leavingValidated_ = true;
    move();
    leavingValidated_ = false;
  }

 protected:
  // While the field has the focus: a mouse press on another control of its
  // window that would take the focus is validated first, and when the number
  // is refused the press, and the release that ends it, never reach that
  // control, so the focus stays here and the control does nothing. A double
  // click is refused as one click.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  usNumericBox& box_;
  bool leavingValidated_ = false;
  // A press was refused: the release that ends it is swallowed too.
  bool refusedPress_ = false;
  // The latest click was refused: a double click it begins is refused whole.
  bool refusedClick_ = false;
};

}  // namespace velvara::widgets
