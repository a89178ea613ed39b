#include "widgets/slide/SlideAccessible.h"

#include <QAccessibleWidget>
#include <QApplication>

#include "widgets/slide/usSlide.h"

namespace velvara::widgets {
namespace {

// The cells lie on a canvas inside the window that shows it: the keyboard is
// in their list while either has the focus or a cell has.
bool keyboardInList(const usSlide& cell) {
  const QWidget* canvas = cell.parentWidget();
  const QWidget* focus = QApplication::focusWidget();
  if (!canvas || !focus) return false;
  return focus == canvas || focus == canvas->parentWidget() || canvas->isAncestorOf(focus);
}

class AccessibleSlide : public QAccessibleWidget {
 public:
  explicit AccessibleSlide(usSlide* cell) : QAccessibleWidget(cell, QAccessible::ListItem) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    const auto& cell = static_cast<const usSlide&>(*widget());
    state.selectable = true;
    state.selected = cell.slideSelected();
    state.focusable = true;
    // The picture box takes the keys while the pointer is over the cell, but
    // the keys act on the current cell.
    state.focused = cell.current() && keyboardInList(cell);
    return state;
  }

  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

QAccessibleInterface* slideInterface(const QString&, QObject* object) {
  if (auto* cell = qobject_cast<usSlide*>(object)) return new AccessibleSlide(cell);
  return nullptr;
}

}  // namespace

void installSlideAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(slideInterface);
    return true;
  }();
  (void)installed;
}

void announceCurrent(usSlide& cell) {
  if (!keyboardInList(cell)) return;
  QAccessibleEvent event(&cell, QAccessible::Focus);
  QAccessible::updateAccessibility(&event);
}

}  // namespace velvara::widgets
