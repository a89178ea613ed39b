#include "platform/windowing/DialogOwner.h"

#include <QApplication>
#include <QWidget>

namespace velvara::windowing {

QWidget* dialogOwner(const QWidget* shown) {
  QWidget* active = QApplication::activeWindow();
  if (active && active != shown) return active;
  QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal != shown) return modal;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != shown && window->isVisible() && window->windowType() == Qt::Window) return window;
  }
  return nullptr;
}

}  // namespace velvara::windowing
