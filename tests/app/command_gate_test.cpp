// One command of the main window at a time: a command that arrives while
// another one waits for the user (a message, a file dialog, the settings
// window, the link checker) or works with the window disabled is refused
// with a beep, however it arrives. A screen reader's action on a menu item
// or a button is carried out by Qt although a modal window blocks the main
// window for mouse and keys, and a menu item's also while the window is
// disabled: the tests press the real items that way.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "app/MainHost.h"
#include "app/strip/ThumbnailStrip.h"
#include "linkcheck/frmVerifyLinks.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/qt/ModalAnswer.h"
#include "widgets/slide/usSlide.h"

namespace velvara::app::testing {
namespace {

namespace fs = std::filesystem;

// Carries out the command of a menu item or a button as a screen reader does,
// through its accessible "Press" action; it comes back once the command has
// run or has been refused.
void pressAccessibly(QObject* target) {
  QAccessibleInterface* item = nullptr;
  if (auto* action = qobject_cast<QAction*>(target)) {
    // A menu item is a child of the menu or the menu bar that shows it.
    QAccessibleInterface* owner = QAccessible::queryAccessibleInterface(action->associatedObjects().front());
    for (int i = 0; i < owner->childCount() && !item; ++i) {
      if (owner->child(i)->object() == action) item = owner->child(i);
    }
  } else {
    item = QAccessible::queryAccessibleInterface(target);
  }
  ASSERT_NE(item, nullptr);
  ASSERT_NE(item->actionInterface(), nullptr);
  // A button shows itself pressed for a moment and is clicked from the event
  // loop that runs then, the one of the modal window over it.
  auto* button = qobject_cast<QAbstractButton*>(target);
  std::optional<QSignalSpy> clicked;
  if (button) clicked.emplace(button, &QAbstractButton::clicked);
  item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  if (button) {
    EXPECT_TRUE(clicked->count() > 0 || clicked->wait(5000));
  }
}

class CommandGateTest : public MainWindowFixture {};

// One command running, the user's wait inside it, and the command that
// arrives meanwhile.
struct Interruption {
  const char* running;
  // Starts the running command by the user's input; it comes back when the
  // command has ended.
  std::function<void(Form1&)> run;
  // The command that arrives while the running one waits.
  std::function<QObject*(Form1&)> arriving;
  // What the running command holds, unchanged by the refused one.
  std::function<void(Form1&)> check;
};

TEST_F(CommandGateTest, ACommandArrivingWhileAnotherWaitsIsRefusedAndTheRunningOneEndsAsItWould) {
  const auto settingsExitReportingTooLong = [this](Form1& window) {
    data_.project.settings.webTitle = std::string(70000, 'T');
    window.host().settingsSetValues();
    velvara::testing::whenModalOpens(
        [](QWidget& dialog) { QTest::mouseClick(dialog.findChild<QPushButton*>("cmdExit"), Qt::LeftButton); });
    window.menus().mnuSettings->trigger();
  };
  const auto tooLongReportedAndTitleKept = [this](Form1&) {
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_NE(prompts_.messages[0].text.find("too long for the file"), std::string::npos);
    EXPECT_EQ(data_.project.settings.webTitle.size(), 70000u);
  };
  const Interruption interruptions[] = {
      {"the settings window's Exit reporting a page title too long for the file", settingsExitReportingTooLong,
       [](Form1& window) { return window.menus().mnuSettings; }, tooLongReportedAndTitleKept},
      // The settings window's own buttons wait for the command of one of them.
      {"the settings window's Exit, and its own Restore defaults", settingsExitReportingTooLong,
       [](Form1&) { return QApplication::activeModalWidget()->findChild<QPushButton*>("cmdRestoreDefaults"); },
       tooLongReportedAndTitleKept},
      // The window is disabled while the pictures are made, and still Qt
      // carries out a menu item's accessible action.
      {"Make web gallery reporting a picture it cannot read",
       [this](Form1& window) {
         std::ofstream(dir_.file("photo2.jpg"), std::ios::binary) << "not a picture";
         QTest::mouseClick(window.controls().cmdMakeGallery, Qt::LeftButton);
       },
       [](Form1& window) { return window.menus().mnuRemoveAll; },
       [this](Form1&) {
         EXPECT_EQ(prompts_.messages.size(), 2u) << "the picture's two files";
         EXPECT_EQ(titles(), (std::vector<std::string>{"photo1", "photo2", "photo3"}));
         EXPECT_NE(fileText(galleryFolder() + "/index.html").find("thumbs/photo3.jpg"), std::string::npos);
         EXPECT_EQ(opened_.urls.size(), 1u);
       }},
      {"Save As asking for the file",
       [this](Form1& window) {
         prompts_.fileNames = {dir_.file("saved.vlr")};
         window.menus().mnuSaveAs->trigger();
       },
       [](Form1& window) { return window.menus().mnuNewProject; },
       [this](Form1&) {
         EXPECT_NE(fileText(dir_.file("saved.vlr")).find("photo3.jpg"), std::string::npos) << "the project saved whole";
         EXPECT_EQ(data_.project.projectFile, dir_.file("saved.vlr"));
       }},
      {"the link checker",
       [this](Form1& window) {
         window.setLinkChecker([this, &window] {
           linkcheck::frmVerifyLinks checker(data_.project, data_.urlHistory, strings_, "http://127.0.0.1:9/", nullptr,
                                             &window);
           checker.doModal();
         });
         velvara::testing::whenModalOpens(
             [this](QWidget& checker) {
               std::exchange(prompts_.duringPrompt, nullptr)();
               QTest::mouseClick(checker.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
             },
             "frmVerifyLinks");
         window.menus().mnuLink_verify->trigger();
       },
       [](Form1& window) { return window.controls().cmdMakeGallery; },
       [this](Form1&) {
         EXPECT_FALSE(fs::exists(galleryFolder()));
         EXPECT_TRUE(opened_.urls.empty());
       }},
      // What the question asks about is the selection it was asked for.
      {"Clear image titles asking whether to",
       [this](Form1& window) {
         widgets::usSlide* cell = window.strip().cell(0);
         QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier, cell->rect().center());
         window.menus().mnuClearImageTitles->trigger();
       },
       [](Form1& window) { return window.controls().cmdUpdateItem[1]; },
       [this](Form1& window) {
         EXPECT_EQ(titles(), (std::vector<std::string>{"", "photo2", "photo3"}));
         EXPECT_EQ(window.strip().selectedImages(), std::vector<std::int32_t>{0});
       }},
  };
  for (const Interruption& interruption : interruptions) {
    SCOPED_TRACE(interruption.running);
    fs::remove_all(galleryFolder());
    // Made again, whole, by writeProject.
    fs::remove(dir_.file("photo2.jpg"));
    opened_.urls.clear();
    prompts_.messages.clear();
    prompts_.beeps = 0;
    Form1& window = start({writeProject("trip.vlr", 3)});
    prompts_.duringPrompt = [&window, &interruption] { pressAccessibly(interruption.arriving(window)); };
    interruption.run(window);
    EXPECT_EQ(prompts_.beeps, 1) << "the arriving command is refused with a beep";
    interruption.check(window);
    // The next command runs.
    window.menus().mnuSelectAll->trigger();
    EXPECT_EQ(window.strip().selectedImages().size(), 3u);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_TRUE(window.isVisible());
    window.close();
  }
}

}  // namespace
}  // namespace velvara::app::testing
