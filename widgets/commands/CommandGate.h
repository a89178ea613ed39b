#pragma once
// One command of a window at a time. A command that asks the user something
// runs the event loop of its dialog or message inside itself, and a command
// that works with its window disabled lets the event loop run while it works;
// a second command started from that loop would work on what the first one
// holds, and may destroy it under it. A modal window keeps the mouse and the
// keys away and a disabled window its buttons, but not a screen reader: Qt
// carries out the accessible action of a menu item whatever blocks or
// disables its window, and of a button whatever blocks it. Every command of
// the window therefore runs through its gate, which refuses one that arrives
// while another runs, with a beep.
#include <functional>

#include "core/host/Prompts.h"

class QAbstractButton;
class QAction;
class QObject;

namespace velvara::widgets {

class CommandGate {
 public:
  // prompts: where the beep goes.
  explicit CommandGate(core::Prompts& prompts) : prompts_(prompts) {}
  CommandGate(const CommandGate&) = delete;
  CommandGate& operator=(const CommandGate&) = delete;

  // Runs command, unless another one is running: then only beeps. True when
  // it ran.
  bool run(const std::function<void()>& command);
  bool running() const { return running_; }

  // The command of a menu item or a button, run through the gate for as long
  // as context lives.
  void connect(QAction* item, QObject* context, std::function<void()> command);
  void connect(QAbstractButton* button, QObject* context, std::function<void()> command);

 private:
  core::Prompts& prompts_;
  bool running_ = false;
};

}  // namespace velvara::widgets
