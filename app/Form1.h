#pragma once
// The main window: the thumbnail strip with its scroll bars, the edit panel
// and the tools panel below it, the menus, the busy panel and the progress
// bar; its layout, captions, start-up and shut-down, and "Make web gallery".
//
// Where the project editor plugs in: the thumbnail strip (app/strip) works
// on pbOuter, pbInner, VScroll1, HScroll1 and usPicInRow and owns the cells
// it creates on pbInner; the edit panel (app/editpanel) works on the
// controls of frmImageDescription; adding images (app/adding) on cmdAddImage,
// cmdAddFolder and chkAddSubfolders. The window creates every control and
// sets its captions; the editor's classes get the controls from controls()
// and the shared state from state() and data(). The window reaches the
// editor only through the private editor calls listed below
// (commitImageDetails ... fillUrlCombo), defined in Form1Editor.cpp.
#include <QMainWindow>
#include <QSize>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MainState.h"
#include "app/ProgramData.h"
#include "app/StartupValues.h"
#include "app/commands/BulkEdits.h"
#include "core/host/Prompts.h"
#include "i18n/StringService.h"
#include "platform/mlruntime/LanguageSupport.h"
#include "platform/registry/AppSettings.h"
#include "widgets/commands/CommandGate.h"
#include "widgets/numericbox/usNumericBox.h"
#include "widgets/store/cMRUFileList.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace velvara::app {

class EditPanel;
class ImageAdder;
class MainHost;
class ThumbnailStrip;
class SettingsEditorLink;
class SettingsWindow;

// Every control of the window, by its design name (a control-array member
// as name and index).
struct Form1Controls {
  // The busy panel.
  QFrame* pbLoading = nullptr;
  QLabel* lblLoading = nullptr;
  QFrame* Shape1 = nullptr;
  // The edit panel.
  QFrame* frmImageDescription = nullptr;
  QCheckBox* chkAutoUpdate = nullptr;
  QFrame* frmImDesc = nullptr;
  QLineEdit* txtPhotos[4] = {};
  QLabel* lblPhotos[5] = {};
  QComboBox* comboURL = nullptr;
  QRadioButton* opUrlOpen[2] = {};
  QPushButton* cmdUpdateItem[2] = {};
  // The strip.
  QProgressBar* prgBar = nullptr;
  QWidget* pbOuter = nullptr;
  QWidget* pbInner = nullptr;
  QScrollBar* VScroll1 = nullptr;
  QScrollBar* HScroll1 = nullptr;
  // The tools panel.
  QFrame* frmImagesTools = nullptr;
  QPushButton* cmdAddImage = nullptr;
  QPushButton* cmdAddFolder = nullptr;
  QCheckBox* chkAddSubfolders = nullptr;
  QPushButton* cmdMakeGallery = nullptr;
  QCheckBox* chkHtmlOnly = nullptr;
  widgets::usNumericBox* usPicInRow = nullptr;
};

struct Form1Menus {
  QMenu* mnuFile = nullptr;
  QAction* mnuFileAction = nullptr;
  QAction* mnuNewProject = nullptr;
  QAction* mnuOpenProject = nullptr;
  QAction* mnuSep1 = nullptr;
  QAction* mnuSaveProject = nullptr;
  QAction* mnuSaveAs = nullptr;
  QAction* mnuSepIO = nullptr;
  QAction* mnuExport = nullptr;
  QAction* mnuImport = nullptr;
  QAction* mnuMRU[10] = {};
  QAction* mnuExit = nullptr;
  QAction* mnuSettings = nullptr;
  QMenu* mnuPopUp_images = nullptr;
  QAction* mnuPopUp_imagesAction = nullptr;
  QAction* mnuSelectAll = nullptr;
  QAction* mnuUnselectAll = nullptr;
  QAction* mnuRemoveSelected = nullptr;
  QAction* mnuRemoveAll = nullptr;
  QAction* mnuPopUp_sep1 = nullptr;
  QAction* mnuClearImageTitles = nullptr;
  QAction* mnuCaptionPrefix = nullptr;
  QAction* mnuCaptionSuffix = nullptr;
  QAction* mnuClearImageTooltips = nullptr;
  QAction* mnuTooltipPrefix = nullptr;
  QAction* mnuTooltipSuffix = nullptr;
  QAction* mnuTooltipEquCaption = nullptr;
  QMenu* mnuTools = nullptr;
  QAction* mnuToolsAction = nullptr;
  QAction* mnuLinkCaption = nullptr;
  QAction* mnuSetDefaultLink = nullptr;
  QAction* mnuLink_verify = nullptr;
  QAction* mnuAbout = nullptr;
};

class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  // strings is the program's string service; prompts answers every question
  // the window and the core put to the user; data is the program's data,
  // which the window fills when it loads.
  Form1(i18n::StringService& strings, core::Prompts& prompts, ProgramData& data, QWidget* parent = nullptr);
  ~Form1() override;

  // The window's loading, before it is first shown: captions, recent
  // projects, image library, data folder, settings, remembered addresses,
  // placement, pictures per row, then the project named by the command-line
  // arguments (the program's arguments without its own name).
  void formLoad(const std::vector<std::string>& arguments);

  Form1Controls& controls() { return controls_; }
  Form1Menus& menus() { return menus_; }
  MainState& state() { return state_; }
  ProgramData& data() { return data_; }
  i18n::StringService& strings() { return strings_; }
  MainHost& host() { return *host_; }
  ThumbnailStrip& strip() { return *strip_; }
  widgets::cMRUFileList& recentList() { return recentList_; }

  // The settings editor registers itself here (nullptr to unregister).
  void setSettingsEditor(SettingsEditorLink* editor);
  // What Verify links shows: the link checker, modally over the window
  // until it is closed.
  void setLinkChecker(std::function<void()> showModal) { showLinkChecker_ = std::move(showModal); }

  // "Velvara  v.1.1.1." and, with a project file, "  ( name.vlr )".
  void setMainCaption();
  void applyLanguage();
  void showBusyPanel(const std::string& text);
  void hideBusyPanel();
  // The layout of the window's parts for its current client size.
  void layoutControls();

  // Whether one of the window's commands runs; the window then refuses every
  // other command and to close.
  bool commandRunning() const { return commands_.running(); }

  void open_project(const std::string& path, bool addToRecent);
  // False when the project could not be written (the user was told); a
  // cancelled dialog is no failure.
  bool save_project(bool askName);
  void refresh_recent_menu();
  void add_recent_project(const std::string& path);
  // "Make web gallery", Export, Links and Images usable exactly when the
  // project holds images.
  void applyImageCommandsRule();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void createControls();
  void createEditPanel();
  void createToolsPanel();
  void createBusyPanel();
  void createMenus();
  void centreBusyPanel();
  void connectCommands();

  // Start-up and shut-down steps.
  void loadRecentProjects();
  void restorePlacement();
  // Once the window system has framed the window: the smallest and the
  // opening outer size with the frame taken off, and the frame at the
  // opening place.
  void applyFramedPlacement();
  // Where the frame opens: at the stored edges, and for an edge not stored
  // where the window system placed it (placed), with the opening outer size,
  // moved and if need be made smaller to lie wholly on a screen.
  QRect openingFrame(const QPoint& placed) const;
  QSize smallestOuterSize() const;
  // The smallest outer size as the window's smallest size, for its frame.
  void keepSmallestOuterSize();
  void restorePicturesPerRow();
  void formQueryUnload();
  void formUnload();
  void mnuExit_Click();
  void mnuNewProject_Click();
  void mnuOpenProject_Click();
  void mnuSettings_Click();
  void mnuLink_verify_Click();
  void text_import_export(bool import);
  void remove_images(bool selectedOnly);
  void bulkEdit(BulkEdit edit, const QAction* item);
  void connectMenus();
  void cmdMakeGallery_Click();
  void usPicInRow_Change(double value);
  std::string settingsValue(const char* key, const std::string& defaultValue) const;
  void saveSettingsValue(const char* key, const std::string& value) const;
  std::string defaultSettingsPath() const;

  // The strip, the selection, the adding commands and their menu items,
  // once the controls and menus exist.
  void createEditor();
  // Editor calls, answered by the strip and the edit panel.
  void commitImageDetails();
  void showImageDetails(int index);
  void setOpenModeCaptions();
  void fillUrlCombo();
  void reloadAllSlides();
  void arrangeSlides();
  void clearImageList();
  // The selected images in index order.
  std::vector<std::int32_t> selectedImages() const;
  // After images were removed from the list: nothing selected, surplus
  // cells destroyed, the remaining previews shown and the strip arranged.
  void stripAfterRemoval();

  i18n::StringService& strings_;
  core::Prompts& prompts_;
  ProgramData& data_;
  MainState state_;
  // Every command of the window, from a menu, a button, a key of the strip or
  // a drop, runs through it: one at a time.
  widgets::CommandGate commands_{prompts_};
  std::unique_ptr<MainHost> host_;
  // After the host: the settings dialog answers the host's settings calls.
  std::unique_ptr<SettingsWindow> settingsWindow_;
  widgets::cMRUFileList recentList_;
  std::unique_ptr<mlruntime::LanguageSupport> languageSupport_;
  registry::AppSettings appSettings_;
  // The "settings" section belongs to the folder that holds the program.
  std::string settingsApplication_;
  Form1Controls controls_;
  // The project editor: the strip on pbOuter and pbInner, the edit panel as
  // frmImageDescription, and the adding commands; owned by the window.
  ThumbnailStrip* strip_ = nullptr;
  EditPanel* editPanel_ = nullptr;
  ImageAdder* adder_ = nullptr;
  Form1Menus menus_;
  std::function<void()> showLinkChecker_;
  bool unloaded_ = false;
  // The outer size the window opens with: the designed one, or the stored
  // one where it applies.
  QSize outerSize_{9525 / kTwipsPerPixel, 9630 / kTwipsPerPixel};
  bool placementApplied_ = false;
  // The stored left and top edges of the frame, in pixels, where they apply.
  std::optional<int> storedLeft_;
  std::optional<int> storedTop_;
};

}  // namespace velvara::app
