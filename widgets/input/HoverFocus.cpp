#include "widgets/input/HoverFocus.h"

#include <QApplication>

namespace velvara::widgets {

void takeFocusOnHover(QWidget& widget) {
  const auto* holder = dynamic_cast<const FocusHolder*>(QApplication::focusWidget());
  if (holder != nullptr && holder->holdsFocus()) return;
  widget.setFocus();
}

}  // namespace velvara::widgets
