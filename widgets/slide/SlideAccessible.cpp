#include "widgets/slide/SlideAccessible.h"

#include <QAccessibleWidget>
#include <QApplication>

#include "widgets/slide/usSlide.h"

namespace velvara::widgets {
namespace {

class AccessibleSlide : public QAccessibleWidget {
 public:
  explicit AccessibleSlide(usSlide* cell) : QAccessibleWidget(cell, QAccessible::ListItem) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    const auto& cell = static_cast<const usSlide&>(*widget());
    state.selectable = true;
    state.selected = cell.slideSelected();
    state.focusable = true;
    // Not hasFocus(), which is also true of a cell whose focus goes on to
    // the one that holds it.
    state.focused = QApplication::focusWidget() == &cell;
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

}  // namespace velvara::widgets
