// The program's dialogs as the window system shows them: wholly on the
// screen that holds the window they belong to, and without a title where
// they have none. Runs offscreen and, as app.dialogs_on_screen_under_x, on an
// X server, which alone shows the titles.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <fstream>
#include <functional>

#include "core/files/ProjectFileFormat.h"
#include "linkcheck/frmVerifyLinks.h"
#include "tests/app/MainWindowFixture.h"
#include "widgets/prompt/QtPrompts.h"

namespace velvara::app::testing {
namespace {

// Runs step as soon as a visible top-level window of that name is up.
void whenUp(const char* name, std::function<void(QWidget&)> step) {
  QTimer::singleShot(10, [name, step] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == name && window->isVisible()) return step(*window);
    }
    whenUp(name, step);
  });
}

// Runs step as soon as a visible top-level window of that class is up.
template <typename Window>
void whenShown(std::function<void(Window&)> step) {
  QTimer::singleShot(10, [step] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* shown = qobject_cast<Window*>(window); shown && shown->isVisible()) return step(*shown);
    }
    whenShown<Window>(step);
  });
}

QRect availableArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// The window's outer place once its layouts have passed on every change in
// the size its parts ask for (each level in a posted event of its own).
QRect settledFrame(QWidget& window) {
  for (int level = 0; level < 16; ++level) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  return window.frameGeometry();
}

// The title as the window system holds it for the window.
QString titleShown(QWidget& window) {
  QProcess xdotool;
  xdotool.start("xdotool", {"getwindowname", QString::number(window.winId())});
  if (!xdotool.waitForFinished(10000) || xdotool.exitCode() != 0) return "<unreadable>";
  return QString::fromUtf8(xdotool.readAllStandardOutput()).chopped(1);
}

class DialogsOnScreenTest : public MainWindowFixture {
 protected:
  void clickTab(QWidget& dialog, int index) {
    auto* tabs = dialog.findChild<QTabBar*>();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
  }
};

TEST_F(DialogsOnScreenTest, TheSettingsWindowAndItsColourDialogOpenWhollyOnTheScreen) {
  Form1& window = start();
  // The main window at the screen's left edge is narrower than the settings
  // window, which is then moved right instead of centred on it.
  window.move(availableArea().topLeft());
  QRect settings, colours, button;
  whenUp("frmSettings", [&](QWidget& dialog) {
    settings = dialog.frameGeometry();
    // A colour button far right: the dialog opens at it, moved left to fit.
    QWidget& border = *dialog.findChild<QPushButton*>("cmdImg_border_color");
    button = QRect(border.mapToGlobal(QPoint(0, 0)), border.size());
    whenUp("frmHexaColor", [&](QWidget& colourDialog) {
      colours = colourDialog.frameGeometry();
      QTest::mouseClick(colourDialog.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    });
    QTest::mouseClick(&border, Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
  });
  window.menus().mnuSettings->trigger();
  ASSERT_TRUE(settings.isValid());
  EXPECT_TRUE(availableArea().contains(settings)) << settings.x() << "," << settings.y();
  EXPECT_EQ(settings.left(), availableArea().left());
  ASSERT_TRUE(colours.isValid());
  EXPECT_TRUE(availableArea().contains(colours)) << colours.x() << "," << colours.y();
  EXPECT_EQ(colours.top(), button.top());
  EXPECT_GT(colours.right(), button.left());

  // Below a main window at the screen's bottom, the settings window is moved
  // up by the size it opens with, not by a smaller one it had before.
  window.move(availableArea().left(), availableArea().bottom() - window.frameGeometry().height() / 2);
  settings = QRect();
  whenUp("frmSettings", [&](QWidget& dialog) {
    settings = settledFrame(dialog);
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
  });
  window.menus().mnuSettings->trigger();
  ASSERT_TRUE(settings.isValid());
  EXPECT_EQ(settings.bottom(), availableArea().bottom()) << settings.height() << " high at " << settings.y();
}

TEST_F(DialogsOnScreenTest, QuestionsAndFileDialogsOpenOverTheMainWindowWhenNoWindowIsActive) {
  // Without a window manager no window ever becomes active; the program's
  // questions and file dialogs still belong to the window the user works in.
  Form1& window = start();
  window.move(availableArea().topLeft());
  QApplication::setActiveWindow(nullptr);
  widgets::QtPrompts prompts;
  QRect question, files;
  whenShown<QMessageBox>([&](QMessageBox& box) {
    question = box.frameGeometry();
    QTest::mouseClick(box.button(QMessageBox::No), Qt::LeftButton);
  });
  prompts.showMessage({core::MessageIcon::Question, core::MessageButtons::YesNo, std::nullopt, "Are you sure?"});
  whenShown<QFileDialog>([&](QFileDialog& dialog) {
    files = dialog.frameGeometry();
    dialog.reject();
  });
  core::FileDialogRequest request;
  request.startFolder = dataFolder();
  request.title = "Open";
  prompts.askFileName(request);
  const QPoint centre = window.frameGeometry().center();
  for (const QRect& dialog : {question, files}) {
    ASSERT_TRUE(dialog.isValid());
    EXPECT_LE((dialog.center() - centre).manhattanLength(), 2)
        << dialog.center().x() << "," << dialog.center().y() << " over " << centre.x() << "," << centre.y();
  }
}

TEST_F(DialogsOnScreenTest, WindowsWithoutATitleShowNone) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "only an X server shows the titles";
  const std::string project = writeProject("pages.vlr", 1);
  const std::string bytes = fileText(project);
  auto contents = core::parseProjectFile(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  ASSERT_TRUE(contents.has_value());
  contents->images[0].linkUrl = "page.html";
  std::ofstream(project, std::ios::binary) << core::serializeProjectFile(contents->settings, contents->images);
  Form1& window = start();
  window.setLinkChecker([this, &window] {
    linkcheck::frmVerifyLinks checker(data_.project, data_.urlHistory, strings_, "http://127.0.0.1:9/", nullptr,
                                      &window);
    checker.doModal();
  });
  prompts_.fileNames = {project};
  window.menus().mnuOpenProject->trigger();

  QString settingsTitle, colourTitle, paletteTitle;
  whenUp("frmSettings", [&](QWidget& dialog) {
    settingsTitle = titleShown(dialog);
    clickTab(dialog, 2);
    whenUp("frmHexaColor", [&](QWidget& colourDialog) {
      colourTitle = titleShown(colourDialog);
      whenUp("frmWebColors", [&](QWidget& palette) {
        paletteTitle = titleShown(palette);
        QTest::mouseClick(palette.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
      });
      QTest::mouseClick(colourDialog.findChild<QPushButton*>("cmdChooseColor_1"), Qt::LeftButton);
      QTest::mouseClick(colourDialog.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdLightbox_color_0"), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
  });
  window.menus().mnuSettings->trigger();
  EXPECT_EQ(settingsTitle, "Velvara  v.1.1.1.  ( pages.vlr )");
  EXPECT_TRUE(colourTitle.trimmed().isEmpty()) << colourTitle.toStdString();
  EXPECT_TRUE(paletteTitle.trimmed().isEmpty()) << paletteTitle.toStdString();

  QString urlDialogTitle = "<not shown>";
  whenUp("frmVerifyLinks", [&](QWidget& checker) {
    auto* list = checker.findChild<QTreeWidget*>("ListView1");
    const QRect linkRow = list->visualItemRect(list->topLevelItem(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, linkRow.center());
    whenUp("frmGetString", [&](QWidget& urlDialog) {
      urlDialogTitle = titleShown(urlDialog);
      QTest::mouseClick(urlDialog.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    });
    QTest::mouseClick(checker.findChild<QPushButton*>("cmdEdit"), Qt::LeftButton);
    QTest::mouseClick(checker.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
  });
  window.menus().mnuLink_verify->trigger();
  EXPECT_TRUE(urlDialogTitle.trimmed().isEmpty()) << urlDialogTitle.toStdString();
}

}  // namespace
}  // namespace velvara::app::testing
