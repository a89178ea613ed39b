#include "settings/frmSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/files/FileDialog.h"
#include "core/files/SettingsFile.h"
#include "core/helpers/Paths.h"
#include "core/host/Host.h"
#include "core/model/GallerySettings.h"
#include "core/model/ProductInfo.h"
#include "i18n/StringService.h"
#include "settings/controls/ColorButton.h"
#include "settings/controls/FontSample.h"
#include "settings/quickhelp/QuickHelpPage.h"
#include "widgets/access/AccessibleNames.h"
#include "widgets/folders/BrowseForFolder.h"
#include "widgets/numericbox/usNumericBox.h"

namespace velvara::settings {
namespace {

constexpr int kSelectSettings = 172;
constexpr int kLoadSettingsFilter = 171;
constexpr int kSaveSettingsFilter = 173;
constexpr int kSelectDestination = 169;
constexpr int kSelectBackgroundImage = 265;
constexpr int kBackgroundImageFilter = 266;
constexpr int kLargeImage = 88;
constexpr int kLargeImageAndShadowbox = 285;

}  // namespace

frmSettings::frmSettings(SettingsServices services, QWidget* parent)
    : QDialog(parent),
      services_(services),
      ml_RuntimeSupport([this](int langId, const std::string& langName) {
        services_.strings.setCurrentLanguage(langId, langName);
        applyLanguage();
      }),
      frmHexaColor(services_.strings, services_.host) {
  setObjectName("frmSettings");
  setModal(true);
  SSTab1 = new QTabWidget(this);
  SSTab1->setObjectName("SSTab1");
  widgets::followLanguageInScrollButtons(*SSTab1->tabBar());
  SSTab1->addTab(buildSettingsTab(), QString());
  frameImages = new QuickHelpPage(this);
  frameImages->setObjectName("frameImages");
  SSTab1->addTab(frameImages, QString());
  // Not translated: the tab is named after the overlay in every language.
  SSTab1->addTab(buildLightboxTab(), "Lightbox");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(SSTab1);
  connectHandlers();

  applyLanguage();
  cboImg_title_align->clear();
  cboImg_title_align->addItems({"left", "center", "right"});
  setFormCaption();
  setValues();
}

frmSettings::~frmSettings() = default;

std::string frmSettings::text(int id) const { return services_.strings.loadMlString(id); }

void frmSettings::setFormCaption() {
  std::string caption = std::string(core::kProgramName) + "  " + core::kProgramVersion;
  if (!services_.projectFile.empty()) caption += "  ( " + core::fileNameOfPath(services_.projectFile) + " )";
  setWindowTitle(QString::fromStdString(caption));
}

void frmSettings::showHomeUrl() { txtHomeUrl[0]->setText(QString::fromStdString(services_.settings.homeUrl)); }

void frmSettings::showModal() {
  do {
    reshow_ = false;
    exec();
  } while (reshow_ && !closed_);
}

void frmSettings::queryUnload() {
  if (closed_) return;
  closed_ = true;
  getValues();
  // The file is replaced whole or not at all, so a failing write keeps the
  // previous default settings instead of leaving none.
  core::saveSettingsFile(services_.host, services_.settings, services_.dataFolder + "/default.vlm");
}

void frmSettings::done(int result) {
  queryUnload();
  QDialog::done(result);
}

void frmSettings::keyPressEvent(QKeyEvent* event) {
  // Only Exit, the close box and the program's end close the window; Escape
  // is no way out of it.
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmSettings::cmdExit_Click() { done(QDialog::Accepted); }

void frmSettings::SSTab1_Click(int previousTab) {
  if (previousTab == 1) getValues();
}

void frmSettings::OpStyle_Click(int index) {
  services_.settings.galleryStyle = static_cast<std::int16_t>(index);
  applyStyleLayout();
}

void frmSettings::applyStyleLayout() {
  const auto style = services_.settings.galleryStyle;
  if (style < 0 || style > 2) return;
  const bool links = style != static_cast<std::int16_t>(core::GalleryStyle::Shadowbox);
  lblLink_text->setVisible(links);
  chkAddLink->setVisible(links);
  txtLink->setVisible(links);
  frmImage->setTitle(QString::fromStdString(text(links ? kLargeImage : kLargeImageAndShadowbox)));
}

void frmSettings::cmdSettings_Click(int index) {
  // A copy: choosing a file does not move the data folder.
  std::string folder = services_.dataFolder;
  std::string fileName;
  if (index == 0) {
    if (!core::showFileDialog(services_.host, folder, fileName, text(kSelectSettings), "", text(kLoadSettingsFilter),
                              true, false)) {
      return;
    }
    // A good file fills the record and has the editor show it.
    core::loadSettingsFile(services_.host, services_.settings, fileName, true);
    return;
  }
  if (!core::showFileDialog(services_.host, folder, fileName, text(kSelectSettings), "", text(kSaveSettingsFilter),
                            false, true)) {
    return;
  }
  getValues();
  core::saveSettingsFile(services_.host, services_.settings, fileName);
}

void frmSettings::cmdChooseFolder_Click() {
  const std::string folder =
      widgets::browseForFolder(services_.host, text(kSelectDestination), txtFolders1->text().toStdString());
  if (!folder.empty()) txtFolders1->setText(QString::fromStdString(folder));
}

void frmSettings::cmdBackgroundImage_Click(int index) {
  // The source folder itself: the chosen image's folder is where the next
  // image dialog starts.
  std::string fileName;
  if (!core::showFileDialog(services_.host, services_.sourceFolder, fileName, text(kSelectBackgroundImage), "",
                            text(kBackgroundImageFilter), true, false)) {
    return;
  }
  txtBackGroundImage[index]->setText(QString::fromStdString(fileName));
  (index == 0 ? services_.settings.pageBackImage : services_.settings.cellBackImage) = fileName;
}

void frmSettings::cmdRestoreDefaults_Click() {
  core::setDefaultSettings(services_.settings, services_.strings);
  setValues();
}

void frmSettings::cmdLang_Click() {
  // Hiding ends the modal showing; showModal shows the window again once the
  // language dialog has closed.
  reshow_ = true;
  hide();
  if (services_.selectLanguage) services_.selectLanguage();
  if (services_.showMainWindow) services_.showMainWindow();
}

}  // namespace velvara::settings
