// "Make web gallery" on the main window: the gallery of the open project is
// written and opened, and while it is being made the window neither starts a
// second one nor closes.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "tests/app/MainWindowFixture.h"

namespace velvara::app::testing {
namespace {

namespace fs = std::filesystem;

using MakeGalleryTest = MainWindowFixture;

TEST_F(MakeGalleryTest, TheButtonWritesTheGalleryOfTheOpenProjectAndOpensItsFirstPage) {
  for (const bool htmlOnly : {false, true}) {
    SCOPED_TRACE(htmlOnly);
    fs::remove_all(galleryFolder());
    opened_.urls.clear();
    Form1& window = start({writeProject("trip.vlr", 3)});
    if (htmlOnly) QTest::mouseClick(window.controls().chkHtmlOnly, Qt::LeftButton);
    QTest::mouseClick(window.controls().cmdMakeGallery, Qt::LeftButton);
    EXPECT_TRUE(prompts_.messages.empty());
    ASSERT_EQ(opened_.urls.size(), 1u);
    EXPECT_EQ(opened_.urls[0], QUrl::fromLocalFile(QString::fromStdString(galleryFolder() + "/index.html")));
    EXPECT_TRUE(fs::is_regular_file(fs::path(galleryFolder()) / "library" / "ktvlr.css"));
    EXPECT_EQ(fs::exists(fs::path(galleryFolder()) / "photos" / "photo3.jpg"), !htmlOnly);
    EXPECT_EQ(fs::exists(fs::path(galleryFolder()) / "thumbs" / "photo3.jpg"), !htmlOnly);
    EXPECT_FALSE(window.controls().pbLoading->isVisible());
    EXPECT_EQ(window.windowTitle(), "Velvara  v.1.1.1.  ( trip.vlr )");
    EXPECT_TRUE(window.isEnabled());
    window.close();
  }
}

// A file kept in its own gallery folder would be among the files a Yes to
// the question deletes, also when the window reaches it through a link (the
// project opened as a link to its file, a photo added as a link to it): the
// build is refused before it asks, naming the file itself.
TEST_F(MakeGalleryTest, AFileKeptInItsGalleryFolderIsRefusedAndKept) {
  enum Kept { Project, ProjectOpenedThroughLink, PhotoAddedThroughLink };
  const fs::path gallery = galleryFolder();
  for (const Kept kept : {Project, ProjectOpenedThroughLink, PhotoAddedThroughLink}) {
    SCOPED_TRACE(kept);
    fs::remove_all(gallery);
    fs::create_directories(gallery);
    fs::remove(dir_.file("alias.vlr"));
    const std::string project = writeProject(kept == PhotoAddedThroughLink ? "trip.vlr" : "gallery/trip.vlr", 2);
    // The file the build would delete, and the project file as opened.
    fs::path file = project;
    std::string opened = project;
    if (kept == ProjectOpenedThroughLink) {
      opened = dir_.file("alias.vlr");
      fs::create_symlink(file, opened);
    }
    if (kept == PhotoAddedThroughLink) {
      file = gallery / "photo1.jpg";
      fs::rename(dir_.file("photo1.jpg"), file);
      fs::create_symlink(file, dir_.file("photo1.jpg"));
    }
    prompts_.messages.clear();
    Form1& window = start({opened});
    QTest::mouseClick(window.controls().cmdMakeGallery, Qt::LeftButton);
    ASSERT_EQ(prompts_.messages.size(), 1u);
    const std::string named =
        kept == PhotoAddedThroughLink ? "' lies in '" : "', the file of the open project, lies in '";
    EXPECT_EQ(prompts_.messages[0].text.find("'" + file.string() + named + galleryFolder() + "'"), 0u)
        << prompts_.messages[0].text;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file)));
    EXPECT_TRUE(opened_.urls.empty());
    EXPECT_TRUE(window.isEnabled());
    window.close();
  }
}

// Answers the question about a destination folder that holds files while
// trying to close the window and to start a second gallery.
class InterruptingPrompts : public velvara::testing::FakeHost {
 public:
  Form1* window = nullptr;
  bool stillOpen = false;
  int questions = 0;
  QString busyText;
  QRect busyPanel;
  core::MessageAnswer showMessage(const core::Message& message) override {
    ++questions;
    window->close();
    QTest::mouseClick(window->controls().cmdMakeGallery, Qt::LeftButton);
    stillOpen = window->isVisible();
    QFrame* panel = window->controls().pbLoading;
    if (panel->isVisible()) busyPanel = panel->geometry();
    busyText = window->controls().lblLoading->text();
    FakeHost::showMessage(message);
    return core::MessageAnswer::No;
  }
};

TEST_F(MakeGalleryTest, WhileAGalleryIsMadeTheWindowRefusesToCloseOrToStartAnother) {
  fs::create_directories(galleryFolder());
  std::ofstream(fs::path(galleryFolder()) / "old.html") << "old";
  InterruptingPrompts prompts;
  window_ = std::make_unique<Form1>(strings_, prompts, data_);
  prompts.window = window_.get();
  window_->formLoad({writeProject("trip.vlr", 2)});
  window_->show();
  QTest::mouseClick(window_->controls().cmdMakeGallery, Qt::LeftButton);
  EXPECT_EQ(prompts.questions, 1);
  EXPECT_TRUE(prompts.stillOpen);
  // The busy panel showed the button's caption, centred in the client area.
  EXPECT_EQ(prompts.busyText, "Make web gallery");
  const QWidget* client = window_->centralWidget();
  EXPECT_LE((prompts.busyPanel.center() - QRect(QPoint(0, 0), client->size()).center()).manhattanLength(), 2);
  EXPECT_FALSE(window_->controls().pbLoading->isVisible());
  EXPECT_FALSE(window_->commandRunning());
  EXPECT_TRUE(fs::exists(fs::path(galleryFolder()) / "old.html"));
  window_->close();
  EXPECT_FALSE(window_->isVisible());
}

}  // namespace
}  // namespace velvara::app::testing
