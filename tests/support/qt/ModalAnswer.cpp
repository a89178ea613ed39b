#include "tests/support/qt/ModalAnswer.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace velvara::testing {

void whenModalOpens(std::function<void(QWidget& modal)> act, const QString& objectName) {
  // Each pending timer holds the poll; the poll itself only refers to it, so
  // it is gone once it has answered.
  auto poll = std::make_shared<std::function<void()>>();
  std::weak_ptr<std::function<void()>> self = poll;
  *poll = [act = std::move(act), objectName, self] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || (!objectName.isEmpty() && modal->objectName() != objectName)) {
      QTimer::singleShot(5, [next = self.lock()] { (*next)(); });
      return;
    }
    act(*modal);
  };
  QTimer::singleShot(0, [poll] { (*poll)(); });
}

}  // namespace velvara::testing
