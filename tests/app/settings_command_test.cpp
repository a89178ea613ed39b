// The main window's Settings command: the settings dialog over the
// program's record, loaded hidden when the start shows the default
// settings, and its Language button relabelling both windows at once; a
// default page title follows every change of the language.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/Form1.h"
#include "app/MainHost.h"
#include "core/files/SettingsFileFormat.h"
#include "i18n/dialog/LanguageSelect.h"
#include "i18n/qt/QtTranslations.h"
#include "platform/shell/Folders.h"
#include "settings/controls/FontSample.h"
#include "tests/app/MainWindowFixture.h"
#include "widgets/numericbox/usNumericBox.h"

// Failures show sizes as numbers, and texts as text.
inline void PrintTo(const QSize& size, std::ostream* out) { *out << size.width() << "x" << size.height(); }
inline void PrintTo(const QStringList& texts, std::ostream* out) { *out << texts.join(" | ").toStdString(); }

namespace velvara::app::testing {
namespace {

template <typename Widget>
Widget* topLevel(const char* name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name && widget->isVisible()) return qobject_cast<Widget*>(widget);
  }
  return nullptr;
}

// Runs step as soon as a visible top-level window of that name is up.
void whenUp(const char* name, std::function<void(QWidget&)> step) {
  QTimer::singleShot(10, [name, step] {
    if (QWidget* window = topLevel<QWidget>(name)) {
      step(*window);
    } else {
      whenUp(name, step);
    }
  });
}

class SettingsCommandTest : public MainWindowFixture {};

TEST_F(SettingsCommandTest, TheCommandShowsTheRecordAndClosingKeepsTheEdits) {
  Form1& window = start();
  data_.project.settings.webTitle = "Before";
  window.host().settingsSetValues();
  QString shownTitle;
  whenUp("frmSettings", [&](QWidget& dialog) {
    auto* title = dialog.findChild<QLineEdit*>("txtWebTitle");
    shownTitle = title->text();
    title->selectAll();
    QTest::keyClicks(title, "After");
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
  });
  window.menus().mnuSettings->trigger();
  EXPECT_EQ(shownTitle, "Before");
  EXPECT_EQ(data_.project.settings.webTitle, "After");
  EXPECT_TRUE(std::filesystem::is_regular_file(dataFolder() + "/default.vlm"));
}

TEST_F(SettingsCommandTest, EnterAndEscapeLeaveTheWindowOpenAndOpenNothing) {
  Form1& window = start();
  const std::string defaultFile = dataFolder() + "/default.vlm";
  std::filesystem::remove(defaultFile);
  // Any colour dialog that opens is recorded and cancelled.
  QStringList colourDialogs;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&colourDialogs] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal->objectName() != "frmHexaColor") return;
    colourDialogs << modal->windowTitle();
    QTest::mouseClick(modal->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
  });
  watcher.start(5);
  bool openAfterKeys = false;
  bool writtenAfterKeys = true;
  QString titleAfterKeys;
  whenUp("frmSettings", [&](QWidget& dialog) {
    QApplication::setActiveWindow(&dialog);
    auto* title = dialog.findChild<QLineEdit*>("txtWebTitle");
    auto* columns = dialog.findChild<widgets::usNumericBox*>("usColumns")->findChild<QLineEdit*>();
    auto* align = dialog.findChild<QComboBox*>("cboImg_title_align");
    auto* aspect = dialog.findChild<QCheckBox*>("chkAspectRatio");
    for (QWidget* field : std::initializer_list<QWidget*>{title, columns, align, aspect}) {
      // A click gives the focus; the check box takes a second to keep its state.
      QTest::mouseClick(field, Qt::LeftButton);
      if (field == aspect) QTest::mouseClick(field, Qt::LeftButton);
      QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
      QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
      if (!dialog.isVisible()) break;
    }
    openAfterKeys = dialog.isVisible();
    writtenAfterKeys = std::filesystem::exists(defaultFile);
    titleAfterKeys = title->text();
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
  });
  window.menus().mnuSettings->trigger();
  EXPECT_TRUE(colourDialogs.isEmpty()) << colourDialogs.join(", ").toStdString();
  EXPECT_TRUE(openAfterKeys);
  EXPECT_FALSE(writtenAfterKeys);
  EXPECT_EQ(titleAfterKeys, "My Image Gallery");
  // Only Exit wrote the default settings.
  EXPECT_TRUE(std::filesystem::is_regular_file(defaultFile));
}

TEST_F(SettingsCommandTest, ALargeSampleFontLeavesTheWindowAndTheSampleTheirSize) {
  Form1& window = start();
  core::GallerySettings large = data_.project.settings;
  large.webTitleFontName = "DejaVu Sans Condensed";
  large.webTitleFontSize = "56";
  const std::string largeFile = dir_.file("large.vls");
  std::ofstream(largeFile, std::ios::binary) << core::serializeSettingsFile(large);

  QSize designed, sampleDesigned;
  std::vector<QSize> windowSizes, sampleSizes;
  const auto measure = [&](QWidget& dialog) {
    windowSizes.push_back(dialog.size());
    sampleSizes.push_back(dialog.findChild<settings::FontSample*>("lblWebTitle_font_name")->size());
  };
  whenUp("frmSettings", [&](QWidget& dialog) {
    designed = dialog.size();
    sampleDesigned = dialog.findChild<settings::FontSample*>("lblWebTitle_font_name")->size();
    prompts_.fileNames = {largeFile};
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdSettings_0"), Qt::LeftButton);
    QApplication::processEvents();
    measure(dialog);
    prompts_.fonts = {core::FontChoice{"DejaVu Serif", 56}};
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdWebTitleFont"), Qt::LeftButton);
    QApplication::processEvents();
    measure(dialog);
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
  });
  window.menus().mnuSettings->trigger();
  ASSERT_EQ(data_.project.settings.webTitleFontSize, "56");
  // Opened again on the large font.
  whenUp("frmSettings", [&](QWidget& dialog) {
    measure(dialog);
    dialog.close();
  });
  window.menus().mnuSettings->trigger();
  EXPECT_EQ(windowSizes, std::vector<QSize>(3, designed));
  EXPECT_EQ(sampleSizes, std::vector<QSize>(3, sampleDesigned));
}

// The names a screen reader reads for the buttons that scroll the window's
// tab bar (Qt's own).
QStringList tabScrollerNames(QWidget& window) {
  QStringList names;
  QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(window.findChild<QTabBar*>());
  for (int i = 0; i < tabs->childCount(); ++i)
    if (tabs->child(i)->role() == QAccessible::PushButton) names << tabs->child(i)->text(QAccessible::Name);
  return names;
}

// Picks the language of row in the dialog that the settings window's
// Language button opens; then runs next on the settings window shown again.
void chooseLanguage(QWidget& settings, int row, std::function<void(QWidget&)> next) {
  whenUp("LanguageSelect", [row, next](QWidget& languages) {
    languages.findChild<QListWidget*>("LanguageList")->setCurrentRow(row);
    QTest::mouseClick(languages.findChild<QPushButton*>("OkButton"), Qt::LeftButton);
    whenUp("frmSettings", next);
  });
  QTest::mouseClick(settings.findChild<QPushButton*>("cmdLang"), Qt::LeftButton);
}

// The default title follows the language; a title the user typed stays.
// Qt's own texts (the tab bar's scroll buttons) follow the language too.
TEST_F(SettingsCommandTest, TheLanguageButtonSwitchesBothWindowsAndKeepsATypedTitle) {
  i18n::QtTranslations qtTranslations;
  Form1& window = start();
  std::string germanCaption, germanTitle, mainSettingsMenu, englishCaption, typedTitle;
  QStringList scrollersBefore, scrollersGerman, scrollersEnglish;
  whenUp("frmSettings", [&](QWidget& dialog) {
    scrollersBefore = tabScrollerNames(dialog);
    chooseLanguage(dialog, 1, [&](QWidget& german) {
      scrollersGerman = tabScrollerNames(german);
      germanCaption = german.windowTitle().toStdString();
      auto* title = german.findChild<QLineEdit*>("txtWebTitle");
      germanTitle = title->text().toStdString();
      mainSettingsMenu = window.menus().mnuSettings->text().toStdString();
      QTest::mouseClick(title, Qt::LeftButton);
      QTest::keyClick(title, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(title, "Unser Sommer");
      chooseLanguage(german, 0, [&](QWidget& english) {
        englishCaption = english.windowTitle().toStdString();
        typedTitle = english.findChild<QLineEdit*>("txtWebTitle")->text().toStdString();
        scrollersEnglish = tabScrollerNames(english);
        english.close();
      });
    });
  });
  window.menus().mnuSettings->trigger();
  strings_.setCurrentLanguage(i18n::kEnglishUk);
  EXPECT_EQ(germanCaption, "Einstellungen");
  EXPECT_EQ(germanTitle, "Meine Bildergalerie");
  EXPECT_EQ(mainSettingsMenu, "Einstellungen");
  EXPECT_EQ(englishCaption, "Settings");
  EXPECT_EQ(typedTitle, "Unser Sommer");
  EXPECT_EQ(data_.project.settings.webTitle, "Unser Sommer");
  EXPECT_EQ(scrollersBefore, (QStringList{"Scroll Left", "Scroll Right"}));
  EXPECT_EQ(scrollersGerman, (QStringList{"Nach links scrollen", "Nach rechts scrollen"}));
  EXPECT_EQ(scrollersEnglish, scrollersBefore);
}

// The language dialog at start announces its choice before the main window
// loads the default settings, which the last run wrote in its own language:
// their default title follows the new language, at start and at New alike,
// and a title the user typed stays.
TEST_F(SettingsCommandTest, ADefaultTitleFollowsTheLanguageChosenAtStart) {
  start();
  window_->close();
  const std::string defaultFile = dataFolder() + "/default.vlm";
  ASSERT_NE(fileText(defaultFile).find("My Image Gallery"), std::string::npos);
  whenUp("LanguageSelect", [](QWidget& languages) {
    languages.findChild<QListWidget*>("LanguageList")->setCurrentRow(1);
    QTest::mouseClick(languages.findChild<QPushButton*>("OkButton"), Qt::LeftButton);
  });
  i18n::LanguageSelect(strings_, shell::programName()).showDialog(true);

  Form1& window = start();
  const std::string atStart = data_.project.settings.webTitle;
  window.menus().mnuNewProject->trigger();
  const std::string atNew = data_.project.settings.webTitle;
  std::string shown;
  whenUp("frmSettings", [&](QWidget& dialog) {
    shown = dialog.findChild<QLineEdit*>("txtWebTitle")->text().toStdString();
    dialog.close();
  });
  window.menus().mnuSettings->trigger();
  core::GallerySettings typed = data_.project.settings;
  typed.webTitle = "Unser Sommer";
  std::ofstream(defaultFile, std::ios::binary | std::ios::trunc) << core::serializeSettingsFile(typed);
  window.menus().mnuNewProject->trigger();
  strings_.setCurrentLanguage(i18n::kEnglishUk);
  EXPECT_EQ(atStart, "Meine Bildergalerie");
  EXPECT_EQ(atNew, "Meine Bildergalerie");
  EXPECT_EQ(shown, "Meine Bildergalerie");
  EXPECT_EQ(data_.project.settings.webTitle, "Unser Sommer");
}

}  // namespace
}  // namespace velvara::app::testing
