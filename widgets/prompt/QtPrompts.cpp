#include "widgets/prompt/QtPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "core/model/ProductInfo.h"

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

}  // namespace

core::MessageAnswer QtPrompts::showMessage(const core::Message& message) {
  QMessageBox box(iconOf(message.icon), titleOf(message.title), toQt(message.text), buttonsOf(message.buttons),
                  QApplication::activeWindow());
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
  QWidget* parent = QApplication::activeWindow();
  const QString path =
      request.isSave ? QFileDialog::getSaveFileName(parent, toQt(request.title), startOf(request), filterOf(request))
                     : QFileDialog::getOpenFileName(parent, toQt(request.title), startOf(request), filterOf(request));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::vector<std::string>> QtPrompts::askFileNames(const core::FileDialogRequest& request) {
  const QStringList paths = QFileDialog::getOpenFileNames(QApplication::activeWindow(), toQt(request.title),
                                                          startOf(request), filterOf(request));
  if (paths.isEmpty()) return std::nullopt;
  std::vector<std::string> chosen;
  chosen.reserve(paths.size());
  for (const auto& path : paths) chosen.push_back(path.toStdString());
  return chosen;
}

std::optional<std::string> QtPrompts::askText(const core::InputBoxRequest& request) {
  bool ok = false;
  const QString text = QInputDialog::getText(QApplication::activeWindow(), titleOf(request.title), toQt(request.prompt),
                                             QLineEdit::Normal, toQt(request.defaultText), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

std::optional<std::string> QtPrompts::askFolder(const core::FolderDialogRequest& request) {
  const QString folder =
      QFileDialog::getExistingDirectory(QApplication::activeWindow(), toQt(request.title), toQt(request.startFolder));
  if (folder.isEmpty()) return std::nullopt;
  return folder.toStdString();
}

std::optional<std::uint32_t> QtPrompts::askColor(std::uint32_t initial, const std::string& title) {
  const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
  const QColor color = QColorDialog::getColor(start, QApplication::activeWindow(), toQt(title));
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
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, start, QApplication::activeWindow());
  if (!ok) return std::nullopt;
  return core::FontChoice{
      font.family().toStdString(), font.pointSizeF(), font.bold(), font.italic(), font.underline(), font.strikeOut()};
}

void QtPrompts::beep() { QApplication::beep(); }

}  // namespace velvara::widgets
