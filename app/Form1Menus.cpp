// The main window's menu commands: the project and text files, the settings
// editor, removing images, the bulk edits, the link checker and About.
#include <QAction>
#include <QPushButton>
#include <functional>

#include "app/Form1.h"
#include "app/MainHost.h"
#include "app/SettingsEditorLink.h"
#include "app/strip/ThumbnailStrip.h"
#include "core/files/FileDialog.h"
#include "core/files/SettingsFile.h"
#include "core/files/TextExchange.h"
#include "widgets/about/frmAbout.h"

namespace velvara::app {

void Form1::connectMenus() {
  auto& m = menus_;
  const auto on = [this](QAction* item, std::function<void()> handler) {
    commands_.connect(item, this, std::move(handler));
  };
  on(m.mnuNewProject, [this] { mnuNewProject_Click(); });
  on(m.mnuOpenProject, [this] { mnuOpenProject_Click(); });
  on(m.mnuSaveProject, [this] { save_project(data_.project.projectFile.empty()); });
  on(m.mnuSaveAs, [this] { save_project(true); });
  on(m.mnuImport, [this] { text_import_export(true); });
  on(m.mnuExport, [this] { text_import_export(false); });
  on(m.mnuSettings, [this] { mnuSettings_Click(); });
  on(m.mnuRemoveSelected, [this] { remove_images(true); });
  on(m.mnuRemoveAll, [this] { remove_images(false); });
  const std::pair<QAction*, BulkEdit> edits[] = {
      {m.mnuClearImageTitles, BulkEdit::ClearTitles},
      {m.mnuClearImageTooltips, BulkEdit::ClearTooltips},
      {m.mnuTooltipEquCaption, BulkEdit::TooltipEqualsTitle},
      {m.mnuCaptionPrefix, BulkEdit::TitlePrefix},
      {m.mnuCaptionSuffix, BulkEdit::TitleSuffix},
      {m.mnuTooltipPrefix, BulkEdit::TooltipPrefix},
      {m.mnuTooltipSuffix, BulkEdit::TooltipSuffix},
  };
  for (const auto& [item, edit] : edits) {
    on(item, [this, item = item, edit = edit] { bulkEdit(edit, item); });
  }
  on(m.mnuLink_verify, [this] { mnuLink_verify_Click(); });
  on(m.mnuAbout, [this] { widgets::frmAbout::showModal(strings_, *host_, this); });
}

void Form1::mnuNewProject_Click() {
  data_.project.projectFile.clear();
  clearImageList();
  core::loadDefaultSettingsFile(*host_, data_.project.settings, defaultSettingsPath());
  setMainCaption();
  menus_.mnuSaveProject->setEnabled(false);
  menus_.mnuSaveAs->setEnabled(true);
  applyImageCommandsRule();
  showImageDetails(-1);
  refresh_recent_menu();
}

void Form1::mnuOpenProject_Click() {
  commitImageDetails();
  std::string folder = data_.dataFolder;
  std::string path;
  if (core::showFileDialog(*host_, folder, path, strings_.loadMlString(207), "", strings_.loadMlString(206), true,
                           false)) {
    open_project(path, true);
  }
}

void Form1::text_import_export(bool import) {
  commitImageDetails();
  if (!import && data_.project.images.empty()) return;
  std::string folder = data_.dataFolder;
  std::string path;
  const std::string filter = strings_.loadMlString(182);
  const std::string title = strings_.loadMlString(183);
  if (import) {
    if (core::showFileDialog(*host_, folder, path, title, "", filter, true, false)) {
      showBusyPanel(menus_.mnuImport->text().toStdString());
      if (core::importText(*host_, data_.project, data_.urlHistory, path, [this] { clearImageList(); }).replaced) {
        fillUrlCombo();
        reloadAllSlides();
        arrangeSlides();
      }
      hideBusyPanel();
    }
  } else if (core::showFileDialog(*host_, folder, path, title, "", filter, false, true, "txt")) {
    showBusyPanel(menus_.mnuExport->text().toStdString());
    core::exportText(*host_, data_.project.images, path);
    hideBusyPanel();
  }
  menus_.mnuSaveProject->setEnabled(true);
  menus_.mnuSaveAs->setEnabled(true);
  applyImageCommandsRule();
}

void Form1::mnuSettings_Click() {
  commitImageDetails();
  if (SettingsEditorLink* editor = host_->settingsEditor()) editor->showModal();
  setOpenModeCaptions();
}

void Form1::remove_images(bool selectedOnly) {
  auto& images = data_.project.images;
  if (!selectedOnly) {
    clearImageList();
    setMainCaption();
  } else if (!images.empty()) {
    images.remove(selectedImages());
    stripAfterRemoval();
  }
  applyImageCommandsRule();
  showImageDetails(-1);
}

void Form1::bulkEdit(BulkEdit edit, const QAction* item) {
  commitImageDetails();
  std::string text;
  if (asksForConfirmation(edit)) {
    const core::Message question{core::MessageIcon::Question, core::MessageButtons::YesNo,
                                 strings_.loadMlString(bulkEditStringId(edit)), strings_.loadMlString(211)};
    if (host_->showMessage(question) != core::MessageAnswer::Yes) return;
  } else {
    const auto answer = host_->askText({strings_.loadMlString(bulkEditStringId(edit)), item->text().toStdString(), ""});
    if (!answer || answer->empty()) return;
    text = *answer;
  }
  applyBulkEdit(data_.project.images, selectedImages(), edit, text);
  strip_->titlesChanged();
  showImageDetails(strip_->firstSelected());
}

void Form1::mnuLink_verify_Click() {
  commitImageDetails();
  if (data_.project.images.empty()) return;
  host_->settingsGetValues();
  if (showLinkChecker_) showLinkChecker_();
  showImageDetails(strip_->firstSelected());
  if (SettingsEditorLink* editor = host_->settingsEditor()) editor->showHomeUrl();
}

}  // namespace velvara::app
