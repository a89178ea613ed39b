#include "widgets/prompt/QtPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "core/model/ProductInfo.h"
#include "platform/windowing/DialogOwner.h"
#include "platform/windowing/WindowPlacement.h"
#include "platform/windowing/WindowTitle.h"
#include "widgets/input/AnyLength.h"

namespace velvara::widgets {

namespace {

QString toQt(const std::string& text) { return QString::fromStdString(text); }

QString titleOf(const std::optional<std::string>& title) {
  return toQt(title ? *title : std::string(core::kProgramName));
}

QMessageBox::Icon iconOf(core::MessageIcon icon) {
  switch (icon) {
    case core::MessageIcon::Information:
      return QMessageBox::Information;
    case core::MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case core::MessageIcon::Question:
      return QMessageBox::Question;
    case core::MessageIcon::Critical:
      return QMessageBox::Critical;
    case core::MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(core::MessageButtons buttons) {
  switch (buttons) {
    case core::MessageButtons::Ok:
      break;
    case core::MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case core::MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case core::MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

core::MessageAnswer answerOf(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return core::MessageAnswer::Yes;
    case QMessageBox::No:
      return core::MessageAnswer::No;
    case QMessageBox::Cancel:
      return core::MessageAnswer::Cancel;
    default:
      return core::MessageAnswer::Ok;
  }
}

// The dialog's filter list: one "description (patterns)" entry per pair.
QString filterOf(const core::FileDialogRequest& request) {
  QStringList filters;
  for (const auto& filter : request.nameFilters) filters << toQt(filter);
  return filters.join(QStringLiteral(";;"));
}

QString startOf(const core::FileDialogRequest& request) {
  return toQt(request.proposedPath.empty() ? request.startFolder : request.proposedPath);
}

// The files or folder chosen in the dialog; nothing when it was cancelled.
QStringList chosenFiles(QFileDialog& dialog) {
  windowing::openOnOwnersScreen(dialog);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

}  // namespace

core::MessageAnswer QtPrompts::showMessage(const core::Message& message) {
  QMessageBox box(iconOf(message.icon), QString(), toQt(message.text), buttonsOf(message.buttons),
                  windowing::dialogOwner());
  windowing::setShownTitle(box, titleOf(message.title));
  windowing::openOnOwnersScreen(box);
  // The first button is the default and Escape gives Cancel, or No where
  // there is no Cancel, as in the platform's message boxes.
  switch (message.buttons) {
    case core::MessageButtons::Ok:
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
    case core::MessageButtons::OkCancel:
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case core::MessageButtons::YesNo:
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::No);
      break;
    case core::MessageButtons::YesNoCancel:
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  const int button = box.exec();
  return answerOf(button);
}

std::optional<std::string> QtPrompts::askFileName(const core::FileDialogRequest& request) {
  QFileDialog dialog(windowing::dialogOwner(), toQt(request.title), startOf(request), filterOf(request));
  dialog.setAcceptMode(request.isSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.isSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList paths = chosenFiles(dialog);
  if (paths.isEmpty() || paths.front().isEmpty()) return std::nullopt;
  return paths.front().toStdString();
}

std::optional<std::vector<std::string>> QtPrompts::askFileNames(const core::FileDialogRequest& request) {
  QFileDialog dialog(windowing::dialogOwner(), toQt(request.title), startOf(request), filterOf(request));
  dialog.setFileMode(QFileDialog::ExistingFiles);
  const QStringList paths = chosenFiles(dialog);
  if (paths.isEmpty()) return std::nullopt;
  std::vector<std::string> chosen;
  chosen.reserve(paths.size());
  for (const auto& path : paths) chosen.push_back(path.toStdString());
  return chosen;
}

std::optional<std::string> QtPrompts::askText(const core::InputBoxRequest& request) {
  QInputDialog dialog(windowing::dialogOwner());
  windowing::setShownTitle(dialog, titleOf(request.title));
  dialog.setLabelText(toQt(request.prompt));
  dialog.setInputMode(QInputDialog::TextInput);
  takeAnyLength(*dialog.findChild<QLineEdit*>());
  dialog.setTextValue(toQt(request.defaultText));
  windowing::openOnOwnersScreen(dialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

std::optional<std::string> QtPrompts::askFolder(const core::FolderDialogRequest& request) {
  QFileDialog dialog(windowing::dialogOwner(), toQt(request.title), toQt(request.startFolder));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  const QStringList folders = chosenFiles(dialog);
  if (folders.isEmpty() || folders.front().isEmpty()) return std::nullopt;
  return folders.front().toStdString();
}

std::optional<std::uint32_t> QtPrompts::askColor(std::uint32_t initial, const std::string& title) {
  QColorDialog dialog(windowing::dialogOwner());
  // Without a title of its own the dialog keeps the platform's.
  if (!title.empty()) dialog.setWindowTitle(toQt(title));
  dialog.setCurrentColor(QColor(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF));
  windowing::openOnOwnersScreen(dialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QColor color = dialog.selectedColor();
  if (!color.isValid()) return std::nullopt;
  return static_cast<std::uint32_t>(color.red()) | static_cast<std::uint32_t>(color.green()) << 8 |
         static_cast<std::uint32_t>(color.blue()) << 16;
}

std::optional<core::FontChoice> QtPrompts::askFont(const core::FontChoice& initial) {
  QFont start(toQt(initial.name));
  if (initial.size > 0) start.setPointSizeF(initial.size);
  start.setBold(initial.bold);
  start.setItalic(initial.italic);
  start.setUnderline(initial.underline);
  start.setStrikeOut(initial.strikeout);
  QFontDialog dialog(windowing::dialogOwner());
  dialog.setCurrentFont(start);
  windowing::openOnOwnersScreen(dialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QFont font = dialog.selectedFont();
  return core::FontChoice{
      font.family().toStdString(), font.pointSizeF(), font.bold(), font.italic(), font.underline(), font.strikeOut()};
}

void QtPrompts::beep() { QApplication::beep(); }

}  // namespace velvara::widgets
