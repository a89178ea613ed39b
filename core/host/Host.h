#pragma once
// Everything the core needs from whoever runs it: messages and questions,
// the main window's caption and progress bar, the event loop, the shell and
// the settings editor. The main window implements it with Qt; tests with a
// scripted fake that records every call.
#include <optional>
#include <string>
#include <vector>

namespace velvara::i18n {
class StringService;
}

namespace velvara::core {

enum class MessageIcon { None, Information, Exclamation, Question, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
  // Nothing: the program's default title ("Velvara"). An empty text is an
  // empty title.
  std::optional<std::string> title;
  std::string text;
};

// One open or save question. filter is in the form
// "description|patterns|description|patterns..."; patterns are joined by ";".
struct FileDialogRequest {
  std::string startFolder;
  std::string proposedPath;
  std::string title;
  std::string filter;
  bool mustExist = false;
  // A save question also asks before overwriting a file and hides the
  // read-only choice.
  bool isSave = false;
  // The same filter as the platform's dialog takes it, one entry per pair:
  // "description (pattern pattern)".
  std::vector<std::string> nameFilters;
};

class Host {
 public:
  virtual ~Host() = default;

  virtual const i18n::StringService& strings() const = 0;

  virtual MessageAnswer showMessage(const Message& message) = 0;

  // The chosen file's full path; nothing when the user cancelled.
  virtual std::optional<std::string> askFileName(const FileDialogRequest& request) = 0;

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
