#include "widgets/numericbox/ValueField.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "widgets/input/KeyCodes.h"
#include "widgets/numericbox/usNumericBox.h"

namespace velvara::widgets {

ValueField::ValueField(usNumericBox& box, QWidget* parent) : QLineEdit(parent), box_(box) {
  setFrame(false);
  setObjectName("txtValue");
}

void ValueField::keyPressEvent(QKeyEvent* event) { box_.fieldKeyPressed(*event); }

void ValueField::keyReleaseEvent(QKeyEvent* event) {
  box_.fieldKeyReleased(*event);
  QLineEdit::keyReleaseEvent(event);
}

void ValueField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  box_.fieldFocusGained();
}

void ValueField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Another window or a popup (the field's own context menu) taking the
  // focus is no leaving of the field.
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
  if (!leavingValidated_ && !box_.validateBeforeLeaving()) {
    // The focus has already gone (a click on another control): take it back
    // once that control has finished taking it.
    QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
    return;
  }
  box_.fieldFocusLost();
}

bool ValueField::focusNextPrevChild(bool next) {
  // Tab and Shift+Tab: a refused number keeps the focus here.
  if (!box_.validateBeforeLeaving()) return true;
  bool moved = false;
  leaveValidated([&] { moved = QLineEdit::focusNextPrevChild(next); });
  return moved;
}

void ValueField::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  emit box_.mouseDown(buttonMask(event->button()), shiftMask(event->modifiers()), event->position().x(),
                      event->position().y());
}

void ValueField::mouseMoveEvent(QMouseEvent* event) {
  QLineEdit::mouseMoveEvent(event);
  emit box_.mouseMove(buttonMask(event->buttons()), shiftMask(event->modifiers()), event->position().x(),
                      event->position().y());
}

void ValueField::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  emit box_.mouseUp(buttonMask(event->button()), shiftMask(event->modifiers()), event->position().x(),
                    event->position().y());
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit box_.click();
}

void ValueField::mouseDoubleClickEvent(QMouseEvent* event) {
  QLineEdit::mouseDoubleClickEvent(event);
  emit box_.dblClick();
}

}  // namespace velvara::widgets
