#pragma once
// Everything the core needs from whoever runs it: the prompts of every window,
// the main window's caption and progress bar, the event loop, the shell and
// the settings editor. The main window implements it with Qt; tests with a
// scripted fake that records every call.
#include <string>

#include "core/host/Prompts.h"

namespace velvara::i18n {
class StringService;
}

namespace velvara::core {

class Host : public Prompts {
 public:
  virtual const i18n::StringService& strings() const = 0;

  // The main window's caption serves as the status line during long work;
  // restoreCaption puts the normal caption back.
  virtual void setCaption(const std::string& caption) = 0;
  virtual void restoreCaption() = 0;

  virtual void showBusyPanel(const std::string& caption) = 0;
  virtual void hideBusyPanel() = 0;

  virtual void showProgress(int minimum, int maximum) = 0;
  virtual void setProgress(int value) = 0;
  virtual void hideProgress() = 0;

  virtual void setMainWindowEnabled(bool enabled) = 0;

  // Lets the user interface repaint and take input during long work.
  virtual void processEvents() = 0;

  // Opens a document (the first gallery page) with the shell.
  virtual void openDocument(const std::string& path) = 0;

  // The settings editor holds the values being edited: getValues writes them
  // into the record, setValues shows the record again.
  virtual void settingsGetValues() = 0;
  virtual void settingsSetValues() = 0;
};

}  // namespace velvara::core
