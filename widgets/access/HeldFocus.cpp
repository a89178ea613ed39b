#include "widgets/access/HeldFocus.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QWidget>

namespace velvara::widgets {
namespace {

constexpr char kMark[] = "velvaraFocusOnlyWhileHeld";

class AccessibleHeldFocus : public QAccessibleWidget {
 public:
  explicit AccessibleHeldFocus(QWidget* widget) : QAccessibleWidget(widget) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.focused = QApplication::focusWidget() == widget();
    return state;
  }
};

QAccessibleInterface* heldFocusInterface(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget && widget->property(kMark).toBool()) return new AccessibleHeldFocus(widget);
  return nullptr;
}

}  // namespace

void reportFocusOnlyWhileHeld(QWidget& widget) {
  static const bool installed = [] {
    QAccessible::installFactory(heldFocusInterface);
    return true;
  }();
  (void)installed;
  widget.setProperty(kMark, true);
}

}  // namespace velvara::widgets
