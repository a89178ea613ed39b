// The main window's menus as a user works them, every dialog answered
// through the prompt seam: projects, recent projects, import and export,
// removing images, the bulk edits and the enabled states.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "app/MainHost.h"
#include "app/strip/ThumbnailStrip.h"
#include "core/files/SettingsFile.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/TestImages.h"
#include "tests/support/qt/ModalAnswer.h"
#include "widgets/about/frmAbout.h"
#include "widgets/slide/usSlide.h"
#include "widgets/store/cRegistry.h"

namespace velvara::app::testing {
namespace {

namespace fs = std::filesystem;

using MenusTest = MainWindowFixture;

// The four commands that follow whether the project holds images.
std::vector<bool> imageCommands(Form1& window) {
  return {window.controls().cmdMakeGallery->isEnabled(), window.menus().mnuExport->isEnabled(),
          window.menus().mnuToolsAction->isEnabled(), window.menus().mnuPopUp_imagesAction->isEnabled()};
}

TEST_F(MenusTest, StartStatesAndTheImageRuleAfterNewAndRemoveAll) {
  Form1& window = start();
  EXPECT_EQ(imageCommands(window), (std::vector<bool>{false, false, true, true}));
  EXPECT_FALSE(window.menus().mnuSaveProject->isEnabled());
  EXPECT_FALSE(window.menus().mnuSaveAs->isEnabled());
  window.menus().mnuNewProject->trigger();
  EXPECT_EQ(imageCommands(window), (std::vector<bool>(4, false)));
  EXPECT_FALSE(window.menus().mnuSaveProject->isEnabled());
  EXPECT_TRUE(window.menus().mnuSaveAs->isEnabled());

  window.open_project(writeProject("trip.vlr", 2), true);
  EXPECT_EQ(imageCommands(window), (std::vector<bool>(4, true)));
  EXPECT_TRUE(window.menus().mnuSaveProject->isEnabled());
  window.menus().mnuRemoveAll->trigger();
  EXPECT_EQ(data_.project.images.count(), 0);
  EXPECT_EQ(imageCommands(window), (std::vector<bool>(4, false)));
  EXPECT_TRUE(prompts_.messages.empty());
}

// A click on an item of the File menu, as the user clicks it in the open menu.
void clickFileMenuItem(Form1& window, QAction* item) {
  QMenu* menu = window.menus().mnuFile;
  menu->popup(window.mapToGlobal(QPoint(0, 0)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
  ASSERT_FALSE(menu->isVisible());
}

// A newcomer adds a folder, types a title and saves: "Save Project As..."
// follows the images after "Add folder..." as after "Add image...".
TEST_F(MenusTest, AddFolderLetsTheUserSaveTheImagesItAdded) {
  Form1& window = start();
  const std::string folder = dir_.file("new photos");
  fs::create_directories(folder);
  for (const char* name : {"a.jpg", "b.jpg"}) velvara::testing::writeTestImage(folder + "/" + name, {80, 60});
  prompts_.folders = {std::nullopt, folder};
  QTest::mouseClick(window.controls().cmdAddFolder, Qt::LeftButton);
  EXPECT_FALSE(window.menus().mnuSaveAs->isEnabled()) << "nothing added";
  QTest::mouseClick(window.controls().cmdAddFolder, Qt::LeftButton);
  ASSERT_EQ(data_.project.images.count(), 2);
  EXPECT_TRUE(window.menus().mnuSaveAs->isEnabled());
  EXPECT_FALSE(window.menus().mnuSaveProject->isEnabled()) << "as after Add image";

  widgets::usSlide* cell = window.strip().cell(1);
  QTest::mouseClick(cell, Qt::LeftButton, {}, cell->rect().center());
  QLineEdit* title = window.controls().txtPhotos[1];
  QTest::mouseClick(title, Qt::LeftButton);
  QTest::keyClick(title, Qt::Key_End);
  QTest::keyClicks(title, " at the lake");
  const std::string saved = dir_.file("lake.vlr");
  prompts_.fileNames = {saved};
  clickFileMenuItem(window, window.menus().mnuSaveAs);
  ASSERT_TRUE(fs::is_regular_file(saved));
  EXPECT_EQ(data_.project.images.item(1).title, "b at the lake");
  EXPECT_EQ(window.recentList().sFile(1), saved);
}

// The cells a user sees on the strip's canvas.
int cellsShown(Form1& window) {
  int shown = 0;
  for (const auto* cell : window.controls().pbInner->findChildren<widgets::usSlide*>()) shown += cell->isVisible();
  return shown;
}

TEST_F(MenusTest, OpenRecentNewAndImportShowOnlyTheCellsOfTheNewList) {
  const std::string two = writeProject("two.vlr", 2);
  const std::string eight = writeProject("eight.vlr", 8);
  const std::string ten = writeProject("ten.vlr", 10);
  Form1& window = start({two});
  const std::string text = dir_.file("two.txt");
  prompts_.fileNames = {text};
  window.menus().mnuExport->trigger();

  prompts_.fileNames = {eight};
  window.menus().mnuOpenProject->trigger();
  ASSERT_EQ(cellsShown(window), 8);
  ASSERT_EQ(window.recentList().sFile(2), two);
  window.menus().mnuMRU[2]->trigger();
  ASSERT_EQ(data_.project.images.count(), 2);
  EXPECT_EQ(cellsShown(window), 2);
  window.menus().mnuNewProject->trigger();
  EXPECT_EQ(cellsShown(window), 0);

  prompts_.fileNames = {ten, text};
  window.menus().mnuOpenProject->trigger();
  ASSERT_EQ(cellsShown(window), 10);
  window.menus().mnuImport->trigger();
  ASSERT_EQ(data_.project.images.count(), 2);
  EXPECT_EQ(cellsShown(window), 2);
  EXPECT_TRUE(prompts_.messages.empty());
}

TEST_F(MenusTest, ASmallProjectOpenedAfterALargeOneShowsItsCells) {
  // 1,001 images (5 a row under the canvas's height limit) end loading
  // scrolled to their last row; the two images then make the canvas, which
  // the old cells still span, one row shorter.
  const std::string large = writeProjectOfMissingPictures("large.vlr", 1001);
  const std::string two = writeProject("two.vlr", 2);
  Form1& window = start();
  prompts_.fileNames = {large};
  window.menus().mnuOpenProject->trigger();
  ASSERT_EQ(data_.project.images.count(), 1001);
  prompts_.fileNames = {two};
  window.menus().mnuOpenProject->trigger();
  ASSERT_EQ(data_.project.images.count(), 2);
  EXPECT_EQ(cellsShown(window), 2);
  EXPECT_EQ(window.controls().pbInner->pos(), QPoint(0, 0));
  EXPECT_EQ(window.controls().VScroll1->value(), 0);
}

TEST_F(MenusTest, ExportOfAnEmptyProjectShowsNoDialogAndChangesNoState) {
  Form1& window = start();
  window.menus().mnuExport->trigger();
  EXPECT_TRUE(prompts_.fileRequests.empty());
  EXPECT_FALSE(window.menus().mnuSaveProject->isEnabled());
  EXPECT_TRUE(window.menus().mnuToolsAction->isEnabled());
}

TEST_F(MenusTest, NewKeepsTheSettingsWithoutADefaultFileAndLoadsOneThatExists) {
  Form1& window = start();
  data_.project.settings.webTitle = "Kept";
  window.menus().mnuNewProject->trigger();
  EXPECT_EQ(data_.project.settings.webTitle, "Kept");

  core::GallerySettings stored = data_.project.settings;
  stored.webTitle = "From default.vlm";
  ASSERT_TRUE(core::saveSettingsFile(window.host(), stored, dataFolder() + "/default.vlm"));
  window.menus().mnuNewProject->trigger();
  EXPECT_EQ(data_.project.settings.webTitle, "From default.vlm");
  EXPECT_EQ(window.windowTitle(), "Velvara  v.1.1.1.");
}

TEST_F(MenusTest, OpenImportAndExportAskWithTheirTitlesFiltersAndStartFolder) {
  Form1& window = start({writeProject("trip.vlr", 1)});
  prompts_.fileNames = {std::nullopt, std::nullopt, std::nullopt};
  window.menus().mnuOpenProject->trigger();
  window.menus().mnuImport->trigger();
  window.menus().mnuExport->trigger();
  ASSERT_EQ(prompts_.fileRequests.size(), 3u);
  const auto& open = prompts_.fileRequests[0];
  EXPECT_EQ(open.title, "Select project");
  EXPECT_EQ(open.filter, "VLR project (*.vlr)|*.vlr");
  EXPECT_TRUE(open.mustExist);
  EXPECT_FALSE(open.isSave);
  for (const auto& request : prompts_.fileRequests) EXPECT_EQ(request.startFolder, dataFolder());
  EXPECT_EQ(prompts_.fileRequests[1].title, "VLR text file");
  EXPECT_EQ(prompts_.fileRequests[1].filter, "VLR text format (*.txt)|*.txt");
  EXPECT_TRUE(prompts_.fileRequests[1].mustExist);
  EXPECT_TRUE(prompts_.fileRequests[2].isSave);
  EXPECT_FALSE(prompts_.fileRequests[2].mustExist);
  // A cancelled open changes nothing; a cancelled import or export still
  // applies the menu states.
  EXPECT_EQ(data_.project.images.count(), 1);
  EXPECT_TRUE(window.menus().mnuSaveAs->isEnabled());
}

class RecentMenuTest : public MainWindowFixture, public ::testing::WithParamInterface<int> {};

TEST_P(RecentMenuTest, EntriesShowWithTheSeparatorAndARecentOpenKeepsTheOrder) {
  const int count = GetParam();
  std::vector<std::string> paths;
  {
    widgets::cMRUFileList list(strings_);
    list.setMaxFileCount(8);
    for (int i = count; i >= 1; --i) {
      paths.insert(paths.begin(), writeProject((i == 1 ? "A&B p" : "p") + std::to_string(i) + ".vlr", 1));
      list.addFile(paths.front());
    }
    widgets::cRegistry registry(strings_);
    registry.setClassKey(widgets::kHkeyCurrentUser);
    registry.setSectionKey("Software\\Velvara\\mru_projects");
    list.save(registry);
  }
  Form1& window = start();
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(window.menus().mnuMRU[i]->isVisible(), i <= count) << i;
  EXPECT_TRUE(window.menus().mnuMRU[0]->isVisible());
  EXPECT_TRUE(window.menus().mnuMRU[9]->isVisible());
  EXPECT_EQ(window.menus().mnuMRU[1]->text().toStdString(), window.recentList().menuCaption(1));
  EXPECT_TRUE(window.menus().mnuMRU[1]->text().startsWith("&1)  "));
  // The path shows as it is, its "&" no access key: drawn without the
  // access keys' marks, and as a screen reader reads it.
  QMenu* file = window.menus().mnuFile;
  const QString drawn = window.menus().mnuMRU[1]->iconText();
  const QString read = QAccessible::queryAccessibleInterface(file)
                           ->child(file->actions().indexOf(window.menus().mnuMRU[1]))
                           ->text(QAccessible::Name);
  for (const QString& shown : {drawn, read}) EXPECT_TRUE(shown.endsWith("/A&B p1.vlr")) << shown.toStdString();

  window.menus().mnuMRU[3]->trigger();
  EXPECT_EQ(data_.project.projectFile, paths[2]);
  for (int i = 1; i <= count; ++i) {
    EXPECT_EQ(window.recentList().sFile(i), paths[i - 1]);
    EXPECT_EQ(window.menus().mnuMRU[i]->isChecked(), i == 3) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(ThreeAndEight, RecentMenuTest, ::testing::Values(3, 8));

// Exactly the open project's recent entry shows a check mark after any click
// on an entry, whether its project opened or not; the others show no box.
TEST_F(MenusTest, OnlyTheOpenProjectsRecentEntryIsMarkedAfterEveryClick) {
  const std::string first = writeProject("first.vlr", 1);
  const std::string damaged = writeProject("damaged.vlr", 1);
  const std::string second = writeProject("second.vlr", 1);
  Form1& window = start({first});
  prompts_.fileNames = {damaged, second};
  window.menus().mnuOpenProject->trigger();
  window.menus().mnuOpenProject->trigger();
  ASSERT_EQ(window.recentList().sFile(1), second);
  QAction* const* entries = window.menus().mnuMRU;
  // Per entry 1 to 3 (second, damaged, first): whether it can show a mark, and
  // whether it does.
  const auto marks = [entries] {
    std::vector<std::pair<bool, bool>> shown;
    for (int i = 1; i <= 3; ++i) shown.emplace_back(entries[i]->isCheckable(), entries[i]->isChecked());
    return shown;
  };
  const std::vector<std::pair<bool, bool>> secondMarked = {{true, true}, {false, false}, {false, false}};
  EXPECT_EQ(marks(), secondMarked);

  std::ofstream(damaged, std::ios::binary) << "not a project";
  clickFileMenuItem(window, entries[2]);
  EXPECT_EQ(prompts_.messages.size(), 1u) << "the damaged project is refused";
  EXPECT_EQ(data_.project.projectFile, second);
  EXPECT_EQ(marks(), secondMarked);
  clickFileMenuItem(window, entries[1]);
  EXPECT_EQ(marks(), secondMarked) << "the open project opened again";
  fs::remove(second);
  clickFileMenuItem(window, entries[1]);
  EXPECT_EQ(marks(), secondMarked) << "the open project, whose file is gone";

  clickFileMenuItem(window, entries[3]);
  EXPECT_EQ(data_.project.projectFile, first);
  EXPECT_EQ(marks(), (std::vector<std::pair<bool, bool>>{{false, false}, {false, false}, {true, true}}));
}

TEST_F(MenusTest, ConfirmedEditsAnsweredNoAndEmptyPrefixesChangeNothing) {
  Form1& window = start({writeProject("trip.vlr", 2)});
  prompts_.answers = {core::MessageAnswer::No};
  window.menus().mnuClearImageTitles->trigger();
  ASSERT_EQ(prompts_.messages.size(), 1u);
  EXPECT_EQ(prompts_.messages[0].title, "Clear image titles");
  EXPECT_EQ(prompts_.messages[0].text, "Are you sure?");
  EXPECT_EQ(prompts_.messages[0].icon, core::MessageIcon::Question);
  EXPECT_EQ(prompts_.messages[0].buttons, core::MessageButtons::YesNo);

  prompts_.texts = {std::string(), std::nullopt};
  window.menus().mnuCaptionPrefix->trigger();
  window.menus().mnuTooltipSuffix->trigger();
  ASSERT_EQ(prompts_.textRequests.size(), 2u);
  EXPECT_EQ(prompts_.textRequests[0].prompt, "Prefix:");
  EXPECT_EQ(prompts_.textRequests[0].title, "Add prefix to the title...");
  EXPECT_EQ(prompts_.textRequests[0].defaultText, "");
  EXPECT_EQ(prompts_.textRequests[1].prompt, "Suffix:");
  EXPECT_EQ(prompts_.textRequests[1].title, "Add suffix to the tooltip...");
  EXPECT_EQ(data_.project.images.item(0).title, "photo1");
  EXPECT_EQ(data_.project.images.item(1).tooltip, "photo2");
}

TEST_F(MenusTest, VerifyLinksOpensTheLinkCheckerOnlyForAProjectWithImages) {
  Form1& window = start();
  int checks = 0;
  window.setLinkChecker([&checks] { ++checks; });
  window.menus().mnuLink_verify->trigger();
  EXPECT_EQ(checks, 0);
  window.open_project(writeProject("trip.vlr", 1), true);
  window.menus().mnuLink_verify->trigger();
  EXPECT_EQ(checks, 1);
}

// The About box's links and every address the program opens reach the
// desktop as web pages when they are web addresses, as files otherwise.
TEST_F(MenusTest, AboutLinksAndOtherAddressesOpenAsWebPagesOrFiles) {
  Form1& window = start();
  QString shown;
  velvara::testing::whenModalOpens([&shown](QWidget& about) {
    shown = about.objectName();
    for (const int link : {0, 1, 4}) {
      QTest::mouseClick(about.findChild<QWidget*>(QStringLiteral("lblLightBoxUrl_%1").arg(link)), Qt::LeftButton);
    }
    EXPECT_TRUE(about.isVisible());
    about.close();
  });
  window.menus().mnuAbout->trigger();
  EXPECT_EQ(shown, "frmAbout");
  const auto& pages = widgets::aboutPages();
  EXPECT_EQ(opened_.urls, (std::vector<QUrl>{QUrl(pages[0]), QUrl(pages[1]), QUrl(pages[4])}));

  opened_.urls.clear();
  const std::string gallery = dir_.file("My #1 gallery?/index.html");
  for (const std::string& address :
       {std::string("HTTPS://127.0.0.1/a"), std::string("www.example.test/page.html"), gallery}) {
    window.host().openDocument(address);
  }
  EXPECT_EQ(opened_.urls, (std::vector<QUrl>{QUrl("https://127.0.0.1/a"), QUrl("http://www.example.test/page.html"),
                                             QUrl::fromLocalFile(QString::fromStdString(gallery))}));
}

TEST(BulkEditTest, EachEditActsOnTheSelectedImagesOnly) {
  struct Case {
    BulkEdit edit;
    std::string text;
    std::vector<std::pair<std::string, std::string>> expected;  // title, tooltip of images 0 to 2
  };
  const std::vector<Case> cases = {
      {BulkEdit::ClearTitles, "", {{"", "tip0"}, {"title1", "tip1"}, {"", "tip2"}}},
      {BulkEdit::ClearTooltips, "", {{"title0", ""}, {"title1", "tip1"}, {"title2", ""}}},
      {BulkEdit::TooltipEqualsTitle, "", {{"title0", "title0"}, {"title1", "tip1"}, {"title2", "title2"}}},
      {BulkEdit::TitlePrefix, "2010 ", {{"2010 title0", "tip0"}, {"title1", "tip1"}, {"2010 title2", "tip2"}}},
      {BulkEdit::TitleSuffix, " (a)", {{"title0 (a)", "tip0"}, {"title1", "tip1"}, {"title2 (a)", "tip2"}}},
      {BulkEdit::TooltipPrefix, "> ", {{"title0", "> tip0"}, {"title1", "tip1"}, {"title2", "> tip2"}}},
      {BulkEdit::TooltipSuffix, "!", {{"title0", "tip0!"}, {"title1", "tip1"}, {"title2", "tip2!"}}},
  };
  for (const Case& c : cases) {
    core::ImageList images;
    for (int i = 0; i < 3; ++i) {
      core::ImageItem item;
      item.title = "title" + std::to_string(i);
      item.tooltip = "tip" + std::to_string(i);
      images.append(item, {});
    }
    applyBulkEdit(images, {2, 0}, c.edit, c.text);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(images.item(i).title, c.expected[i].first) << i;
      EXPECT_EQ(images.item(i).tooltip, c.expected[i].second) << i;
    }
  }
  EXPECT_EQ(bulkEditStringId(BulkEdit::TooltipEqualsTitle), 214);
  EXPECT_EQ(bulkEditStringId(BulkEdit::TooltipPrefix), 215);
}

TEST_F(MenusTest, AddSaveNewRecentOpenExportImportAndTheGalleryComesOutTheSame) {
  writeProject("pictures.vlr", 3);
  Form1& window = start();
  data_.project.settings.destFolder = galleryFolder();
  prompts_.fileNameLists = {
      std::vector<std::string>{dir_.file("photo1.jpg"), dir_.file("photo2.jpg"), dir_.file("photo3.jpg")}};
  QTest::mouseClick(window.controls().cmdAddImage, Qt::LeftButton);
  ASSERT_EQ(data_.project.images.count(), 3);
  EXPECT_EQ(imageCommands(window), (std::vector<bool>(4, true)));
  EXPECT_TRUE(window.menus().mnuSaveAs->isEnabled());
  // Each title typed into the edit panel; selecting the next image stores it.
  for (int i = 0; i < 3; ++i) {
    widgets::usSlide* cell = window.strip().cell(i);
    QTest::mouseClick(cell, Qt::LeftButton, {}, cell->rect().center());
    QLineEdit* title = window.controls().txtPhotos[1];
    title->selectAll();
    QTest::keyClicks(title, QString("Title %1").arg(i));
  }
  const std::string saved = dir_.file("saved.vlr");
  prompts_.fileNames = {saved};
  window.menus().mnuSaveAs->trigger();
  ASSERT_TRUE(fs::is_regular_file(saved));
  EXPECT_EQ(data_.project.images.item(2).title, "Title 2");
  window.controls().cmdMakeGallery->click();
  const std::string firstPage = fileText((fs::path(galleryFolder()) / "index.html").string());
  ASSERT_FALSE(firstPage.empty());

  window.menus().mnuNewProject->trigger();
  EXPECT_EQ(data_.project.images.count(), 0);
  ASSERT_EQ(window.recentList().sFile(1), saved);
  window.menus().mnuMRU[1]->trigger();
  ASSERT_EQ(data_.project.images.count(), 3);
  EXPECT_EQ(data_.project.images.item(2).title, "Title 2");

  const std::string text = dir_.file("list.txt");
  prompts_.fileNames = {text};
  window.menus().mnuExport->trigger();
  ASSERT_TRUE(fs::is_regular_file(text));
  window.menus().mnuNewProject->trigger();
  prompts_.fileNames = {text};
  window.menus().mnuImport->trigger();
  ASSERT_EQ(data_.project.images.count(), 3);
  EXPECT_TRUE(data_.project.images.item(0).thumbnailCached);
  EXPECT_EQ(imageCommands(window), (std::vector<bool>(4, true)));

  fs::remove_all(galleryFolder());
  window.controls().cmdMakeGallery->click();
  EXPECT_EQ(fileText((fs::path(galleryFolder()) / "index.html").string()), firstPage);
  EXPECT_TRUE(fs::is_regular_file(fs::path(galleryFolder()) / "photos" / "photo3.jpg"));
}

}  // namespace
}  // namespace velvara::app::testing
