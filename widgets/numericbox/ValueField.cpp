#include "widgets/numericbox/ValueField.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

#include "widgets/input/KeyCodes.h"
#include "widgets/numericbox/usNumericBox.h"

namespace velvara::widgets {

namespace {

// The control that a mouse press on widget gives the focus to, as the
// application decides it: the first of the widget and its parents within its
// window that takes the focus by a click (or the control it hands its focus
// on to); nullptr when the press moves no focus.
QWidget* clickFocusTarget(QWidget* widget) {
  for (QWidget* control = widget; control != nullptr; control = control->parentWidget()) {
    if (control->isEnabled() && (control->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
      while (control->focusProxy() != nullptr) control = control->focusProxy();
      return control;
    }
    if (control->isWindow()) break;
  }
  return nullptr;
}

}  // namespace

ValueField::ValueField(usNumericBox& box, QWidget* parent) : QLineEdit(parent), box_(box) {
  setFrame(false);
  setObjectName("txtValue");
}

bool ValueField::holdsFocus() const { return !box_.acceptsTypedText(); }

bool ValueField::eventFilter(QObject* watched, QEvent* event) {
  // Presses reach the window first, before the application moves the focus
  // to the control under the mouse.
  if (watched != static_cast<QObject*>(window()->windowHandle())) return false;
  const QEvent::Type type = event->type();
  if (type == QEvent::MouseButtonRelease && refusedPress_) {
    refusedPress_ = false;
    return true;
  }
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  // The second press of a double click belongs to the click that began it:
  // after a refused click the field shows an accepted number again, which
  // would let the second press through.
  const bool secondPress =
      type == QEvent::MouseButtonDblClick || mouse->flags().testFlag(Qt::MouseEventCreatedDoubleClick);
  if (secondPress && refusedClick_) {
    refusedPress_ = true;
    return true;
  }
  refusedClick_ = false;
  if (!hasFocus()) return false;
  QWidget* pressed = window()->childAt(mouse->position().toPoint());
  QWidget* target = clickFocusTarget(pressed != nullptr ? pressed : window());
  if (target == nullptr || target == this || box_.validateBeforeLeaving()) return false;
  refusedPress_ = true;
  refusedClick_ = true;
  return true;
}

void ValueField::keyPressEvent(QKeyEvent* event) { box_.fieldKeyPressed(*event); }

void ValueField::keyReleaseEvent(QKeyEvent* event) {
  box_.fieldKeyReleased(*event);
  QLineEdit::keyReleaseEvent(event);
}

void ValueField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  qApp->installEventFilter(this);
  box_.fieldFocusGained();
}

void ValueField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  qApp->removeEventFilter(this);
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
