#pragma once
// Answers a modal window that the code under test is about to open: once the
// window is the active modal widget (the event loop of its exec() runs), act
// is called with it, so the test can check and press what it shows.
#include <functional>

class QWidget;

namespace velvara::testing {

void whenModalOpens(std::function<void(QWidget& modal)> act);

}  // namespace velvara::testing
