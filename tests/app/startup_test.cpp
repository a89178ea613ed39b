// Starting and closing the main window: the values it restores, the project
// named on the command line, and what every way of closing writes.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <set>

#include "app/MainHost.h"
#include "app/strip/ThumbnailStrip.h"
#include "core/files/ProjectFileFormat.h"
#include "platform/mlruntime/LanguageSupport.h"
#include "platform/registry/Store.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/qt/Screenshots.h"
#include "widgets/slide/usSlide.h"

namespace velvara::app::testing {
namespace {

namespace fs = std::filesystem;

using StartupTest = MainWindowFixture;

TEST_F(StartupTest, FirstStartWithAnEmptyStore) {
  Form1& window = start();
  EXPECT_EQ(window.state().picInRow, 4);
  EXPECT_EQ(window.controls().usPicInRow->value(), 4);
  EXPECT_EQ(data_.dataFolder, dataFolder());
  EXPECT_TRUE(fs::is_directory(dataFolder()));
  EXPECT_EQ(data_.sourceFolder, data_.dataFolder);
  EXPECT_EQ(window.recentList().fileCount(), 0);
  EXPECT_EQ(window.recentList().maxFileCount(), 8);
  EXPECT_EQ(window.windowTitle(), "Velvara  v.1.1.1.");
  // 9630 twips high; 9525 twips is below the smallest width the layout allows.
  EXPECT_EQ(window.frameGeometry().height(), 642);
  EXPECT_EQ(window.frameGeometry().width(), 643);
  EXPECT_FALSE(window.controls().cmdMakeGallery->isEnabled());
}

TEST_F(StartupTest, StoredPicturesPerRowOutsideTheBoxNeverStopsTheStart) {
  struct Case {
    std::string stored;
    int expected;
  };
  // A huge value is clamped into the box, whose change handler then keeps
  // the strip's canvas within the platform's 32000 pixels: 228 cells a row.
  for (const Case& c : std::vector<Case>{{"0", 4}, {"abc", 4}, {"-5", 1}, {"99999999999", 228}, {"6.5", 6}}) {
    SCOPED_TRACE(c.stored);
    store("picinrow", c.stored);
    Form1& window = start();
    EXPECT_EQ(window.state().picInRow, c.expected);
    EXPECT_EQ(window.controls().usPicInRow->value(), c.expected);
    window.close();
    EXPECT_EQ(stored("picinrow"), std::to_string(c.expected));
  }
}

TEST_F(StartupTest, QuotedCommandLineWithBlanksAndCapitalExtensionOpensTheProject) {
  fs::create_directories(dir_.path() / "My Trips");
  const std::string path = writeProject("My Trips/Summer 2010.VLR", 3);
  Form1& window = start({"\"" + path + "\""});
  EXPECT_EQ(data_.project.projectFile, path);
  EXPECT_EQ(data_.project.images.count(), 3);
  EXPECT_TRUE(data_.project.images.item(2).thumbnailCached);
  EXPECT_EQ(window.recentList().sFile(1), path);
  EXPECT_EQ(window.windowTitle(), "Velvara  v.1.1.1.  ( Summer 2010.VLR )");
  EXPECT_TRUE(window.controls().cmdMakeGallery->isEnabled());
  velvara::testing::saveScreenshot(window, "main_window_en");
  strings_.setCurrentLanguage(i18n::kGermanDe);
  mlruntime::LanguageSupport().raiseLanguageChanged(i18n::kGermanDe, "German (Germany)");
  EXPECT_EQ(window.controls().usPicInRow->beforeString(), "Bilder/Reihe");
  EXPECT_EQ(window.controls().cmdMakeGallery->text(), "Webgalerie erstellen");
  velvara::testing::saveScreenshot(window, "main_window_de");
}

TEST_F(StartupTest, CommandLinesThatNameNoProjectAreIgnored) {
  const std::string first = writeProject("a.vlr", 1);
  const std::string second = writeProject("b.vlr", 1);
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {first, dir_.file("notes.txt")}, {dir_.file("a.vlr.txt")}, {first, second}}) {
    start(arguments);
    EXPECT_EQ(data_.project.projectFile, "");
    EXPECT_EQ(data_.project.images.count(), 0);
    window_->close();
  }
}

TEST_F(StartupTest, ExitWithANeverSavedProjectAndACancelledSaveWritesNoProjectAndCloses) {
  Form1& window = start({writeProject("trip.vlr", 2)});
  data_.project.projectFile.clear();
  prompts_.fileNames.push_back(std::nullopt);
  window.menus().mnuExit->trigger();
  ASSERT_EQ(prompts_.fileRequests.size(), 1u);
  EXPECT_EQ(prompts_.fileRequests[0].title, "Save project as");
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(fs::is_regular_file(dataFolder() + "/default.vlm"));
  EXPECT_FALSE(fs::exists(dataFolder() + "/trip.vlr"));
}

TEST_F(StartupTest, ExitRewritesAProjectThatHasAFileAndTheCloseBoxDoesNot) {
  const std::string path = writeProject("trip.vlr", 2);
  const std::string before = fileText(path);
  start({path});
  data_.project.images.item(0).title = "Changed";
  window_->close();
  EXPECT_EQ(fileText(path), before);

  start({path});
  data_.project.images.item(0).title = "Changed";
  window_->menus().mnuExit->trigger();
  EXPECT_TRUE(prompts_.fileRequests.empty());
  const std::string after = fileText(path);
  const auto saved = core::parseProjectFile(std::vector<std::uint8_t>(after.begin(), after.end()));
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->images.at(0).title, "Changed");
}

// A save that fails stops the exit, so the edits are not lost with the
// window; a cancelled save dialog does not (see above). The project's folder
// is replaced by a file, which refuses the write even to root.
TEST_F(StartupTest, ExitAfterAFailedSaveKeepsTheWindowOpenWithTheEdit) {
  fs::create_directories(dir_.path() / "trips");
  const std::string path = writeProject("trips/trip.vlr", 2);
  Form1& window = start({path});
  widgets::usSlide* cell = window.strip().cell(0);
  QTest::mouseClick(cell, Qt::LeftButton, {}, cell->rect().center());
  QLineEdit* title = window.controls().txtPhotos[1];
  QTest::mouseClick(title, Qt::LeftButton);
  QTest::keyClick(title, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(title, "Changed");
  fs::rename(dir_.path() / "trips", dir_.path() / "away");
  std::ofstream(dir_.file("trips")) << "not a folder";

  window.menus().mnuExit->trigger();
  ASSERT_EQ(prompts_.messages.size(), 1u);
  EXPECT_EQ(prompts_.messages[0].title, path);
  EXPECT_EQ(prompts_.messages[0].icon, core::MessageIcon::Critical);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(title->text(), "Changed");
  EXPECT_EQ(data_.project.images.count(), 2);
  EXPECT_EQ(data_.project.projectFile, path);

  fs::remove(dir_.file("trips"));
  fs::rename(dir_.path() / "away", dir_.path() / "trips");
  window.menus().mnuExit->trigger();
  EXPECT_FALSE(window.isVisible());
  const std::string after = fileText(path);
  const auto saved = core::parseProjectFile(std::vector<std::uint8_t>(after.begin(), after.end()));
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->images.at(0).title, "Changed");
}

TEST_F(StartupTest, ClosingWritesSettingsFileUrlsRegistryAndRecentListInThatOrder) {
  const std::string path = writeProject("trip.vlr", 2, true);
  start({path});
  EXPECT_FALSE(fs::exists(dataFolder() + "/default.vlm"));
  // Opening the project wrote the remembered addresses already.
  fs::remove(dataFolder() + "/urls.txt");
  std::ofstream(dataFolder() + "/urls.txt.lock");  // as earlier versions left it
  window_->close();
  const fs::path settingsFile = dataFolder() + "/default.vlm";
  const fs::path urls = dataFolder() + "/urls.txt";
  const fs::path registryFile = registry::Store::defaultFile();
  ASSERT_TRUE(fs::exists(settingsFile) && fs::exists(urls) && fs::exists(registryFile));
  std::set<std::string> inDataFolder;
  for (const auto& entry : fs::directory_iterator(dataFolder())) inDataFolder.insert(entry.path().filename());
  EXPECT_EQ(inDataFolder, (std::set<std::string>{"default.vlm", "urls.txt"})) << "the data folder holds only these";
  // The lock that running copies take in turn over urls.txt ends with the save.
  for (const auto& entry : fs::recursive_directory_iterator(dir_.file("cache"))) EXPECT_TRUE(entry.is_directory());
  EXPECT_LE(fs::last_write_time(urls), fs::last_write_time(registryFile));
  // The settings editor, loaded when the project was shown, rewrites the
  // default settings once more as it unloads, after everything else.
  EXPECT_GE(fs::last_write_time(settingsFile), fs::last_write_time(registryFile));
  EXPECT_EQ(fileText(urls.string()), "http://127.0.0.1/1\r\nhttp://127.0.0.1/2\r\n");
  EXPECT_EQ(data_.project.images.count(), 0);
  EXPECT_EQ(stored("source_folder"), dataFolder());
  widgets::cRegistry registry(strings_);
  registry.setClassKey(widgets::kHkeyCurrentUser);
  registry.setSectionKey("Software\\Velvara\\mru_projects");
  registry.setValueKey("File1");
  EXPECT_EQ(widgets::textOf(registry.value()), path);
  registry.setValueKey("MaxCount");
  EXPECT_EQ(widgets::textOf(registry.value()), "8");

  // The default settings file is rewritten at every close.
  const auto firstWrite = fs::last_write_time(settingsFile);
  start();
  window_->close();
  EXPECT_GT(fs::last_write_time(settingsFile), firstWrite);
}

}  // namespace
}  // namespace velvara::app::testing
