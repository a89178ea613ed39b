// Adding images by the dialog, by folder and by dropping files on the strip.
#include <gtest/gtest.h>

#include <QDropEvent>
#include <QMimeData>
#include <filesystem>
#include <fstream>

#include "app/adding/ImageAdder.h"
#include "platform/imagelib/Library.h"
#include "tests/app/EditorFixture.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestImages.h"
#include "tests/support/qt/Screenshots.h"

namespace velvara::app {
namespace {

namespace fs = std::filesystem;

class AdderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core::gflInit(ui.library);
    adder.setImageCommandsRule([this] { ++rulesApplied; });
  }
  std::string photo(const std::string& relative, int width = 64, int height = 48) {
    fs::path path = dir.path() / relative;
    fs::create_directories(path.parent_path());
    testing::writeTestImage(path.string(), {width, height});
    return path.string();
  }
  std::vector<std::string> titles() const {
    std::vector<std::string> result;
    for (const auto& image : ui.project.images.items()) result.push_back(image.title);
    return result;
  }
  void drop(const QList<QUrl>& urls, QWidget* target = nullptr) {
    QMimeData data;
    data.setUrls(urls);
    if (!target) target = ui.controls.pbInner;
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent dropEvent(QPointF(10, 10), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropEvent);
  }

  testing::TempDir dir;
  testing::EditorWindow ui;
  std::string sourceFolder = "/start";
  ImageAdder adder{ui.host, ui.project, ui.library, ui.strip, ui.panel, sourceFolder};
  int rulesApplied = 0;
};

TEST_F(AdderTest, DialogAddsInItsOrderWithTheBusyPanelOnlyForSeveralFiles) {
  std::string one = photo("single/one.jpg");
  ui.host.fileNameLists = {std::vector<std::string>{one}};
  adder.addImagesFromDialog("Add image...");
  EXPECT_TRUE(ui.host.busyPanels.empty());
  EXPECT_EQ(sourceFolder, (dir.path() / "single").string());
  ASSERT_EQ(ui.host.fileRequests.size(), 1u);
  EXPECT_EQ(ui.host.fileRequests[0].title, "Select images");
  EXPECT_EQ(ui.host.fileRequests[0].startFolder, "/start");
  EXPECT_TRUE(ui.host.fileRequests[0].mustExist);

  ui.host.fileNameLists = {std::vector<std::string>{photo("many/c.jpg"), photo("many/a.png"), photo("many/b.jpg")}};
  adder.addImagesFromDialog("Add image...");
  EXPECT_EQ(ui.host.busyPanels, (std::vector<std::string>{"Add image..."}));
  EXPECT_EQ(ui.host.busyPanelHides, 1);
  EXPECT_EQ(titles(), (std::vector<std::string>{"one", "c", "a", "b"}));
  EXPECT_TRUE(ui.cell(3)->isVisible());
  EXPECT_EQ(ui.cell(3)->pos(), QPoint(3 * 140, 0));

  ui.host.fileNameLists = {std::nullopt};
  adder.addImagesFromDialog("Add image...");
  EXPECT_EQ(ui.project.images.count(), 4);
  EXPECT_EQ(rulesApplied, 3);
}

TEST_F(AdderTest, FolderFilesComeBeforeSubfoldersDepthFirstInNameOrder) {
  photo("root/b.jpg");
  photo("root/a.jpg");
  fs::create_directories(dir.path() / "root");
  std::ofstream(dir.path() / "root/notes.txt") << "not a picture";
  photo("root/sub2/c.jpg");
  photo("root/sub1/deeper/e.jpg");
  photo("root/sub1/d.jpg");
  photo("root/empty/sub/f.jpg");
  const std::string root = (dir.path() / "root").string();

  ui.host.folders = {root};
  adder.addFolderFromBrowser("Add folder...", false);
  EXPECT_EQ(titles(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(sourceFolder, root);
  EXPECT_EQ(ui.host.folderRequests.at(0).title, "Please select folder with original images");
  EXPECT_EQ(ui.host.progressRanges, (std::vector<std::pair<int, int>>{{0, 3}}));
  EXPECT_EQ(ui.host.captions, (std::vector<std::string>{"Loading image: a.jpg", "Loading image: b.jpg"}));
  EXPECT_EQ(ui.host.windowEnabledChanges.back(), true);

  ui.strip.clearImageList();
  ui.host.progressRanges.clear();
  ui.host.folders = {root};
  adder.addFolderFromBrowser("Add folder...", true);
  EXPECT_EQ(titles(), (std::vector<std::string>{"a", "b", "f", "d", "e", "c"}));
  // The folder "empty" holds no file: no bar for it, but its subfolder is searched.
  EXPECT_EQ(ui.host.progressRanges.size(), 5u);
  EXPECT_EQ(ui.host.busyPanels.back(), "Add folder...");

  ui.host.folders = {std::nullopt};
  adder.addFolderFromBrowser("Add folder...", true);
  EXPECT_EQ(ui.project.images.count(), 6);
  EXPECT_EQ(rulesApplied, 3);
}

TEST_F(AdderTest, AFolderLinkingBackToItsParentIsSearchedOnce) {
  photo("loop/a.jpg");
  fs::create_directory_symlink(dir.path() / "loop", dir.path() / "loop/again");
  adder.addFolderImages((dir.path() / "loop").string(), true);
  EXPECT_EQ(titles(), (std::vector<std::string>{"a"}));
}

TEST_F(AdderTest, DroppedPathsAreTakenInLowerCaseWhereTheyNameTheSameFile) {
  std::string upper = photo("Drop/Photo.JPG");
  // A file system that does not tell letter cases apart, as far as these
  // paths go: the lower-cased names lead to the same file.
  fs::path loweredDir = QString::fromStdString(dir.path().string()).toLower().toStdString();
  ASSERT_EQ(dir.path().parent_path(), loweredDir.parent_path());
  std::error_code ignored;
  if (loweredDir != dir.path()) fs::create_directory_symlink(dir.path(), loweredDir);
  fs::create_directory_symlink(dir.path() / "Drop", dir.path() / "drop");
  fs::create_symlink(dir.path() / "Drop/Photo.JPG", dir.path() / "Drop/photo.jpg");

  drop({QUrl::fromLocalFile(QString::fromStdString(upper))});
  ASSERT_EQ(ui.project.images.count(), 1);
  EXPECT_EQ(ui.project.images.item(0).sourcePath, (loweredDir / "drop/photo.jpg").string());
  EXPECT_EQ(ui.project.images.item(0).title, "photo");
  EXPECT_EQ(ui.project.images.item(0).outputBaseName, "photo");
  ASSERT_EQ(ui.host.messages.size(), 1u);
  EXPECT_EQ(ui.host.messages[0].text, "Added 1 new images.");
  EXPECT_EQ(ui.host.messages[0].title, std::string());
  EXPECT_EQ(ui.host.messages[0].icon, core::MessageIcon::Information);

  // The dialog keeps the case, so the two are no duplicates.
  ui.host.fileNameLists = {std::vector<std::string>{upper}};
  adder.addImagesFromDialog("Add image...");
  EXPECT_EQ(ui.project.images.count(), 2);
  EXPECT_EQ(ui.project.images.item(1).title, "Photo");
  if (loweredDir != dir.path()) fs::remove(loweredDir, ignored);
}

TEST_F(AdderTest, ADroppedFileWhoseLowerCaseNamesNoFileKeepsItsCase) {
  std::string upper = photo("Only/Photo.JPG");
  drop({QUrl::fromLocalFile(QString::fromStdString(upper))});
  ASSERT_EQ(ui.project.images.count(), 1);
  EXPECT_EQ(ui.project.images.item(0).sourcePath, upper);
}

TEST_F(AdderTest, DroppingAFolderOrATextFileAddsNothing) {
  fs::create_directories(dir.path() / "folder.jpg");
  std::ofstream(dir.path() / "readme.txt") << "text";
  drop({QUrl::fromLocalFile(QString::fromStdString((dir.path() / "folder.jpg").string())),
        QUrl::fromLocalFile(QString::fromStdString((dir.path() / "readme.txt").string())),
        QUrl("http://127.0.0.1/remote.jpg")},
       ui.cell(0));  // a cell's own drop event leads to the same adding
  ASSERT_EQ(ui.host.messages.size(), 1u);
  EXPECT_EQ(ui.host.messages[0].text, "No images added to the project!");
  EXPECT_EQ(ui.host.progressRanges.back(), (std::pair<int, int>{0, 2}));
  EXPECT_TRUE(ui.project.images.empty());
  EXPECT_EQ(rulesApplied, 0);
}

// A project keeps paths as text: a name that is not valid UTF-8 (here the
// Latin-1 byte of "é") would be kept as another name, naming no file once the
// project is saved and opened again. Every way of adding refuses such files
// and names them in one message, the bytes shown as U+FFFD.
TEST_F(AdderTest, FilesWhoseNamesAreNotUtf8AreRefusedInOneMessagePerAdding) {
  const std::string cafe = dir.file("one/caf\xE9.jpg");
  const std::string cafeRefused = "'" + dir.file("one/caf\xEF\xBF\xBD.jpg") +
                                  "' was not added: its name is not valid UTF-8 text, which a project cannot keep. "
                                  "Rename the file (or its folder) and add it again.";
  // The messages of one adding: the refusal first, as an exclamation.
  auto expectRefused = [&](const std::string& text, std::vector<std::string> after = {}) {
    ASSERT_EQ(ui.host.messages.size(), 1 + after.size());
    EXPECT_EQ(ui.host.messages[0].text, text);
    EXPECT_EQ(ui.host.messages[0].icon, core::MessageIcon::Exclamation);
    EXPECT_FALSE(ui.host.messages[0].title.has_value());
    if (!after.empty()) {
      EXPECT_EQ(ui.host.messages[1].text, after[0]);
    }
    ui.host.messages.clear();
  };

  photo("one/caf\xE9.jpg");
  ui.host.fileNameLists = {std::vector<std::string>{cafe}};
  adder.addImagesFromDialog("Add image...");
  expectRefused(cafeRefused);

  photo("latin/ok.jpg");
  for (char c = 'a'; c <= 'k'; ++c) photo("latin/caf\xE9 " + std::string(1, c) + ".jpg");
  std::ofstream(dir.path() / "latin/notes\xE9.txt") << "not a picture";
  photo("latin/sub\xE9/a.png");
  ui.host.folders = {dir.file("latin")};
  adder.addFolderFromBrowser("Add folder...", true);
  std::string listed;
  for (char c = 'a'; c <= 'j'; ++c) listed += "\r\n" + dir.file("latin/caf\xEF\xBF\xBD " + std::string(1, c) + ".jpg");
  expectRefused(
      "12 files were not added: their names are not valid UTF-8 text, which a project cannot keep. Rename the files "
      "(or their folders) and add them again:" +
      listed + "\r\n... and 2 more.");
  EXPECT_EQ(titles(), (std::vector<std::string>{"ok"}));

  ui.host.fileNameLists = {std::vector<std::string>{photo("two/a.jpg"), cafe}};
  adder.addImagesFromDialog("Add image...");
  expectRefused(cafeRefused);

  // A file manager sends the name's bytes percent-encoded.
  photo("dropped/b.jpg");
  drop({QUrl::fromEncoded(QByteArray("file://") +
                          QUrl::toPercentEncoding(QString::fromStdString(dir.file("one")), "/") + "/caf%E9.jpg"),
        QUrl::fromLocalFile(QString::fromStdString(dir.file("dropped/b.jpg")))});
  expectRefused(cafeRefused, {"Added 1 new images."});
  EXPECT_EQ(titles(), (std::vector<std::string>{"ok", "a", "b"}));
}

TEST_F(AdderTest, Screenshots) {
  std::vector<std::string> files;
  for (int i = 0; i < 7; ++i)
    files.push_back(photo("shots/p" + std::to_string(i) + ".jpg", i % 2 ? 48 : 80, i % 2 ? 64 : 48));
  ui.host.fileNameLists = {files};
  adder.addImagesFromDialog("Add image...");
  QTest::mouseClick(ui.cell(2), Qt::LeftButton, {}, QPoint(70, 70));
  testing::saveScreenshot(ui.window, "strip_photos_en");
  ui.host.stringService.setCurrentLanguage(i18n::kGermanDe);
  ui.panel.applyLanguage();
  QTest::mouseClick(ui.cell(5), Qt::LeftButton, {}, QPoint(70, 70));
  testing::saveScreenshot(ui.window, "strip_photos_de");
}

}  // namespace
}  // namespace velvara::app
