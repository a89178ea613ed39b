#include "app/MainHost.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProgressBar>
#include <QUrl>

#include "app/Form1.h"
#include "app/SettingsEditorLink.h"

namespace velvara::app {

namespace {

// What the desktop opens for an address, as the shell's "open" takes it: a
// web address (http or https in any letter case, or one that begins "www.")
// as that page, anything else as a local file, whose name may hold "#" or "?".
QUrl documentUrl(const std::string& address) {
  const QString text = QString::fromStdString(address);
  if (text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
      text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)) {
    return QUrl(text);
  }
  if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) return QUrl(QLatin1String("http://") + text);
  return QUrl::fromLocalFile(text);
}

}  // namespace

MainHost::MainHost(Form1& window, core::Prompts& prompts) : window_(window), prompts_(prompts) {}

const i18n::StringService& MainHost::strings() const { return window_.strings(); }

core::MessageAnswer MainHost::showMessage(const core::Message& message) { return prompts_.showMessage(message); }

std::optional<std::string> MainHost::askFileName(const core::FileDialogRequest& request) {
  return prompts_.askFileName(request);
}

std::optional<std::vector<std::string>> MainHost::askFileNames(const core::FileDialogRequest& request) {
  return prompts_.askFileNames(request);
}

std::optional<std::string> MainHost::askText(const core::InputBoxRequest& request) { return prompts_.askText(request); }

std::optional<std::string> MainHost::askFolder(const core::FolderDialogRequest& request) {
  return prompts_.askFolder(request);
}

std::optional<std::uint32_t> MainHost::askColor(std::uint32_t initial, const std::string& title) {
  return prompts_.askColor(initial, title);
}

std::optional<core::FontChoice> MainHost::askFont(const core::FontChoice& initial) { return prompts_.askFont(initial); }

void MainHost::beep() { prompts_.beep(); }

void MainHost::setCaption(const std::string& caption) { window_.setWindowTitle(QString::fromStdString(caption)); }

void MainHost::restoreCaption() { window_.setMainCaption(); }

void MainHost::showBusyPanel(const std::string& caption) { window_.showBusyPanel(caption); }

void MainHost::hideBusyPanel() { window_.hideBusyPanel(); }

void MainHost::showProgress(int minimum, int maximum) {
  QProgressBar* bar = window_.controls().prgBar;
  bar->setRange(minimum, maximum);
  bar->setValue(minimum);
  bar->raise();
  bar->show();
}

void MainHost::setProgress(int value) { window_.controls().prgBar->setValue(value); }

void MainHost::hideProgress() { window_.controls().prgBar->hide(); }

void MainHost::setMainWindowEnabled(bool enabled) { window_.setEnabled(enabled); }

void MainHost::processEvents() { QCoreApplication::processEvents(); }

void MainHost::openDocument(const std::string& path) { QDesktopServices::openUrl(documentUrl(path)); }

void MainHost::settingsGetValues() {
  if (settingsEditor_ != nullptr) settingsEditor_->getValues();
}

void MainHost::settingsSetValues() {
  if (settingsEditor_ != nullptr) settingsEditor_->setValues();
}

}  // namespace velvara::app
