// The main window's Settings command: the settings dialog over the
// program's record, loaded hidden when the start shows the default
// settings, and its Language button relabelling both windows at once.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "app/Form1.h"
#include "app/MainHost.h"
#include "tests/app/MainWindowFixture.h"

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

TEST_F(SettingsCommandTest, TheLanguageButtonSwitchesBothWindowsToGerman) {
  Form1& window = start();
  QString settingsCaption, settingsTitle, mainSettingsMenu;
  whenUp("frmSettings", [&](QWidget& dialog) {
    whenUp("LanguageSelect", [&](QWidget& languages) {
      auto* list = languages.findChild<QListWidget*>("LanguageList");
      list->setCurrentRow(1);
      QTest::mouseClick(languages.findChild<QPushButton*>("OkButton"), Qt::LeftButton);
      whenUp("frmSettings", [&](QWidget& shownAgain) {
        settingsCaption = shownAgain.windowTitle();
        settingsTitle = shownAgain.findChild<QLineEdit*>("txtWebTitle")->text();
        mainSettingsMenu = window.menus().mnuSettings->text();
        shownAgain.close();
      });
    });
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdLang"), Qt::LeftButton);
  });
  window.menus().mnuSettings->trigger();
  EXPECT_EQ(settingsCaption, "Einstellungen");
  EXPECT_EQ(settingsTitle, "Meine Bildergalerie");
  EXPECT_EQ(mainSettingsMenu, "Einstellungen");
  EXPECT_EQ(data_.project.settings.webTitle, "Meine Bildergalerie");
  strings_.setCurrentLanguage(i18n::kEnglishUk);
}

}  // namespace
}  // namespace velvara::app::testing
