// The main window's loading, its closing and the commands that load and save
// the project.
#include <QCheckBox>
#include <QCloseEvent>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "app/Form1.h"
#include "app/MainHost.h"
#include "app/SettingsEditorLink.h"
#include "app/SettingsWindow.h"
#include "app/StartupValues.h"
#include "app/strip/ThumbnailStrip.h"
#include "core/files/OpenProject.h"
#include "core/files/SaveProject.h"
#include "core/files/SettingsFile.h"
#include "core/files/UrlList.h"
#include "core/folders/DataFolder.h"
#include "core/gallery/MakeGallery.h"
#include "core/helpers/WebColors.h"
#include "core/imaging/ReadableFormats.h"
#include "platform/windowing/WindowPlacement.h"
#include "widgets/store/cRegistry.h"

namespace velvara::app {

namespace {

constexpr const char* kRecentProjectsKey = "Software\\Velvara\\mru_projects";
constexpr const char* kSettingsSection = "settings";
constexpr std::int32_t kRecentCapacity = 8;

}  // namespace

std::string Form1::settingsValue(const char* key, const std::string& defaultValue) const {
  return appSettings_.getSetting(settingsApplication_, kSettingsSection, key, defaultValue);
}

void Form1::saveSettingsValue(const char* key, const std::string& value) const {
  appSettings_.saveSetting(settingsApplication_, kSettingsSection, key, value);
}

std::string Form1::defaultSettingsPath() const { return data_.dataFolder + "/default.vlm"; }

void Form1::setSettingsEditor(SettingsEditorLink* editor) { host_->setSettingsEditor(editor); }

void Form1::formLoad(const std::vector<std::string>& arguments) {
  languageSupport_ = std::make_unique<mlruntime::LanguageSupport>([this](int langId, const std::string& langName) {
    strings_.setCurrentLanguage(langId, langName);
    applyLanguage();
  });
  applyLanguage();
  loadRecentProjects();

  core::gflInit(data_.library);
  data_.library.supportedExtensions = core::readableExtensions();
  data_.dataFolder = core::chooseDataFolder();
  data_.sourceFolder = data_.dataFolder;
  data_.sourceFolder = settingsValue("source_folder", data_.sourceFolder);

  core::setDefaultSettings(data_.project.settings, strings_);
  core::loadDefaultSettingsFile(*host_, data_.project.settings, defaultSettingsPath());
  data_.urlHistory.clear();
  core::loadUrlList(*host_, data_.urlHistory, data_.dataFolder);
  fillUrlCombo();
  data_.webColorTable = core::buildWebColorTable();

  state_.firstSelected = -1;
  state_.lastSelected = -1;
  controls_.pbInner->move(0, 0);
  state_.stripCellWidth = 140;
  state_.stripCellHeight = 140;
  state_.previewBoxWidth = 120;
  state_.previewBoxHeight = state_.stripCellHeight - 20;

  restorePlacement();
  restorePicturesPerRow();

  if (const auto path = commandLineProject(arguments)) {
    // The window system lays the client out only when the window is shown;
    // the strip needs it laid out for the size just restored, or it arranges
    // and scrolls for a client that is about to change, and opens scrolled
    // where the same project opened from the menu is not.
    if (layout()) layout()->activate();
    layoutControls();
    open_project(*path, true);
  }
}

void Form1::loadRecentProjects() {
  widgets::cRegistry registry(strings_);
  registry.setClassKey(widgets::kHkeyCurrentUser);
  registry.setSectionKey(kRecentProjectsKey);
  recentList_.load(registry);
  recentList_.setMaxFileCount(kRecentCapacity);
  refresh_recent_menu();
  setMainCaption();
}

void Form1::restorePlacement() {
  const QRect screens = screen()->virtualGeometry();
  const StoredPlacement placement =
      placementToApply(settingsValue("width", "9525"), settingsValue("height", "9630"), settingsValue("left", "-10"),
                       settingsValue("top", "-10"), {screens.x(), screens.y(), screens.width(), screens.height()});
  if (placement.width) outerSize_.setWidth(*placement.width / kTwipsPerPixel);
  if (placement.height) outerSize_.setHeight(*placement.height / kTwipsPerPixel);
  if (placement.left) storedLeft_ = *placement.left / kTwipsPerPixel;
  if (placement.top) storedTop_ = *placement.top / kTwipsPerPixel;
  // Until the window system frames the window its outer size is its own
  // size; applyFramedPlacement takes the frame off once it is known. It opens
  // no smaller than the smallest size: a resize while it is being shown would
  // put its client, not its frame, at the place given now.
  const QRect frame = openingFrame(pos());
  resize(frame.size());
  // A position set before the window is shown is its frame's. A position set
  // now would be the user's in both coordinates: one edge alone waits until
  // the window system has placed the window, and the other coordinate stays
  // where it put it.
  if (storedLeft_ && storedTop_) move(frame.topLeft());
}

QRect Form1::openingFrame(const QPoint& placed) const {
  const QRect frame(QPoint(storedLeft_.value_or(placed.x()), storedTop_.value_or(placed.y())),
                    outerSize_.expandedTo(smallestOuterSize()));
  return windowing::keptOnScreen(frame);
}

void Form1::applyFramedPlacement() {
  keepSmallestOuterSize();
  setGeometry(openingFrame(windowing::frameGeometry(*this).topLeft()).marginsRemoved(windowing::frameMargins(*this)));
}

void Form1::restorePicturesPerRow() {
  widgets::usNumericBox& box = *controls_.usPicInRow;
  const PicturesPerRow stored = picturesPerRowFrom(settingsValue("picinrow", "4"), static_cast<std::int32_t>(box.min()),
                                                   static_cast<std::int32_t>(box.max()));
  state_.picInRow = stored.value;
  box.setValue(stored.value);
}

void Form1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The window system has framed and placed the window by the time it first
  // shows it on the screen.
  if (!placementApplied_ && windowHandle()) windowHandle()->installEventFilter(this);
}

void Form1::closeEvent(QCloseEvent* event) {
  // Closing would unload what the running command works on.
  if (commands_.running()) {
    event->ignore();
    return;
  }
  if (!unloaded_) {
    formQueryUnload();
    formUnload();
    unloaded_ = true;
  }
  event->accept();
}

void Form1::formQueryUnload() {
  core::saveSettingsFile(*host_, data_.project.settings, defaultSettingsPath());
  core::saveUrlList(*host_, data_.urlHistory, data_.dataFolder);
  clearImageList();

  saveSettingsValue("source_folder", data_.sourceFolder);
  saveSettingsValue("picinrow", std::to_string(state_.picInRow));
  if (!isMinimized()) {
    const QRect frame = windowing::frameGeometry(*this);
    saveSettingsValue("width", std::to_string(frame.width() * kTwipsPerPixel));
    saveSettingsValue("height", std::to_string(frame.height() * kTwipsPerPixel));
    saveSettingsValue("left", std::to_string(frame.left() * kTwipsPerPixel));
    saveSettingsValue("top", std::to_string(frame.top() * kTwipsPerPixel));
  }

  widgets::cRegistry registry(strings_);
  registry.setClassKey(widgets::kHkeyCurrentUser);
  registry.setSectionKey(kRecentProjectsKey);
  recentList_.save(registry);
}

void Form1::formUnload() {
  if (SettingsEditorLink* editor = host_->settingsEditor()) editor->unload();
  languageSupport_.reset();
}

void Form1::mnuExit_Click() {
  // A project that could not be written stays open, so that its edits are
  // not lost with the window; a cancelled dialog lets the exit go on.
  bool leave = false;
  commands_.run(
      [this, &leave] { leave = data_.project.images.empty() || save_project(data_.project.projectFile.empty()); });
  // Once the command has ended: the window refuses to close while one runs.
  if (leave) close();
}

void Form1::cmdMakeGallery_Click() {
  showBusyPanel(controls_.cmdMakeGallery->text().toStdString());
  commitImageDetails();
  core::makeGallery(*host_, data_.project, data_.library, data_.dataFolder, controls_.chkHtmlOnly->isChecked());
  hideBusyPanel();
}

void Form1::usPicInRow_Change(double value) {
  state_.picInRow = static_cast<std::int32_t>(value);
  strip_->picInRowChanged(state_.picInRow);
}

void Form1::open_project(const std::string& path, bool addToRecent) {
  commitImageDetails();
  const core::OpenProjectResult result = core::openProject(*host_, data_.project, data_.urlHistory, data_.dataFolder,
                                                           path, addToRecent, [this] { clearImageList(); });
  if (!result.loaded) return;
  fillUrlCombo();
  reloadAllSlides();
  arrangeSlides();
  menus_.mnuSaveProject->setEnabled(true);
  menus_.mnuSaveAs->setEnabled(true);
  applyImageCommandsRule();
  setMainCaption();
  if (result.addToRecent) {
    add_recent_project(result.recentPath);
  } else {
    refresh_recent_menu();
  }
  setMainCaption();
  hideBusyPanel();
  setOpenModeCaptions();
}

bool Form1::save_project(bool askName) {
  commitImageDetails();
  const core::SaveProjectResult result = core::saveProject(*host_, data_.project, data_.dataFolder, askName);
  if (result.saved) {
    menus_.mnuSaveProject->setEnabled(true);
    add_recent_project(result.recentPath);
  }
  setMainCaption();
  return !result.failed;
}

void Form1::applyImageCommandsRule() {
  const bool hasImages = !data_.project.images.empty();
  controls_.cmdMakeGallery->setEnabled(hasImages);
  menus_.mnuExport->setEnabled(hasImages);
  menus_.mnuToolsAction->setEnabled(hasImages);
  menus_.mnuPopUp_imagesAction->setEnabled(hasImages);
}

void Form1::refresh_recent_menu() {
  const std::int32_t count = std::min(recentList_.fileCount(), kRecentCapacity);
  for (std::int32_t i = 1; i <= count; ++i) {
    if (!recentList_.fileExists(i)) continue;
    QAction* item = menus_.mnuMRU[i];
    // Only the open project's entry can carry a mark: a checkable entry
    // draws an empty box beside every other one.
    const bool open = recentList_.sFile(i) == data_.project.projectFile;
    item->setCheckable(open);
    item->setChecked(open);
    item->setVisible(true);
    item->setText(QString::fromStdString(recentList_.menuCaption(i)));
    item->setData(QString::number(i));
  }
  menus_.mnuMRU[9]->setVisible(count > 0);
}

void Form1::add_recent_project(const std::string& path) {
  recentList_.addFile(path);
  refresh_recent_menu();
}

void Form1::connectCommands() {
  connectMenus();
  connect(menus_.mnuExit, &QAction::triggered, this, &Form1::mnuExit_Click);
  commands_.connect(controls_.cmdMakeGallery, this, [this] { cmdMakeGallery_Click(); });
  connect(controls_.usPicInRow, &widgets::usNumericBox::change, this,
          [this](double& numValue) { usPicInRow_Change(numValue); });
  for (int i = 1; i <= 8; ++i) {
    commands_.connect(menus_.mnuMRU[i], this, [this, i] {
      const std::int32_t entry = menus_.mnuMRU[i]->data().toString().toInt();
      open_project(recentList_.sFile(entry), false);
      // The click toggled the open project's mark; an open that failed left
      // it so.
      refresh_recent_menu();
    });
  }
}

}  // namespace velvara::app
