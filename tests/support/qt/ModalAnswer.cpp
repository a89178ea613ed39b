#include "tests/support/qt/ModalAnswer.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace velvara::testing {

void whenModalOpens(std::function<void(QWidget& modal)> act) {
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [act = std::move(act), poll]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
      QTimer::singleShot(5, [poll] { (*poll)(); });
      return;
    }
    act(*modal);
    // The chain ends here: the copy held by the lambda goes with it.
    *poll = nullptr;
  };
  QTimer::singleShot(0, [poll] { (*poll)(); });
}

}  // namespace velvara::testing
