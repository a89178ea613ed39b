#pragma once
// Every question a window puts to the user: message boxes, input boxes, the
// file, folder, colour and font dialogs, and the beep. Windows never open a
// dialog themselves; they get one Prompts object, which the program answers
// with Qt's dialogs and tests answer from a script. The core's Host is a
// Prompts too, so one set of request types and one fake serve both.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

struct InputBoxRequest {
  std::string prompt;
  // Nothing: the program's default title.
  std::optional<std::string> title;
  std::string defaultText;
};

struct FolderDialogRequest {
  std::string title;
  // The folder the dialog opens on; "" for the platform's choice.
  std::string startFolder;
};

// A font as the font dialogs show it. Sizes are in points.
struct FontChoice {
  std::string name;
  double size = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
};

class Prompts {
 public:
  virtual ~Prompts() = default;

  virtual MessageAnswer showMessage(const Message& message) = 0;

  // The chosen file's full path; nothing when the user cancelled.
  virtual std::optional<std::string> askFileName(const FileDialogRequest& request) = 0;
  // An open dialog that lets the user choose several files: their full paths
  // in the order the dialog gives them; nothing when the user cancelled.
  virtual std::optional<std::vector<std::string>> askFileNames(const FileDialogRequest& request) = 0;

  // The entered text; nothing when the user cancelled.
  virtual std::optional<std::string> askText(const InputBoxRequest& request) = 0;

  // The chosen folder; nothing when the user cancelled.
  virtual std::optional<std::string> askFolder(const FolderDialogRequest& request) = 0;

  // The platform's colour dialog, opened on initial. Colours are platform
  // colour values: red + 256 * green + 65536 * blue.
  virtual std::optional<std::uint32_t> askColor(std::uint32_t initial, const std::string& title) = 0;

  // The platform's font dialog, opened on initial.
  virtual std::optional<FontChoice> askFont(const FontChoice& initial) = 0;

  virtual void beep() = 0;
};

}  // namespace velvara::core
