#include "widgets/commands/CommandGate.h"

#include <QAbstractButton>
#include <QAction>

namespace velvara::widgets {

bool CommandGate::run(const std::function<void()>& command) {
  if (running_) {
    prompts_.beep();
    return false;
  }
  struct Running {
    bool& flag;
    explicit Running(bool& running) : flag(running) { flag = true; }
    ~Running() { flag = false; }
  } running(running_);
  command();
  return true;
}

void CommandGate::connect(QAction* item, QObject* context, std::function<void()> command) {
  QObject::connect(item, &QAction::triggered, context, [this, command = std::move(command)] { run(command); });
}

void CommandGate::connect(QAbstractButton* button, QObject* context, std::function<void()> command) {
  QObject::connect(button, &QAbstractButton::clicked, context, [this, command = std::move(command)] { run(command); });
}

}  // namespace velvara::widgets
