#include "platform/windowing/WindowTitle.h"

#include <QWidget>

namespace velvara::windowing {

void setShownTitle(QWidget& window, const QString& title) {
  window.setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : title);
}

}  // namespace velvara::windowing
