#pragma once
// Answers a modal window that the code under test is about to open: once the
// window is the active modal widget (the event loop of its exec() runs), act
// is called with it, so the test can check and press what it shows. With an
// object name, only a modal window of that name counts, so that a test can
// answer a window that opens over another.
#include <QString>
#include <functional>

class QWidget;

namespace velvara::testing {

void whenModalOpens(std::function<void(QWidget& modal)> act, const QString& objectName = {});

}  // namespace velvara::testing
