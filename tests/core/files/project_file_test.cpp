#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "core/files/OpenProject.h"
#include "core/files/ProjectFileFormat.h"
#include "core/files/SaveProject.h"
#include "core/files/SettingsFile.h"
#include "core/files/SettingsFileFormat.h"
#include "core/files/TextExchange.h"
#include "tests/support/FakeHost.h"
#include "tests/support/SampleFiles.h"
#include "tests/support/TempDir.h"

namespace velvara::core {
namespace {

void writeFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class ProjectFileTest : public ::testing::Test {
 protected:
  // Opening a project saves the remembered addresses under a lock in the
  // user's cache folder: one of the test's own.
  ProjectFileTest() { setenv("XDG_CACHE_HOME", cache.path().c_str(), 1); }

  testing::TempDir cache;
  testing::TempDir dir;
  testing::FakeHost host;
  Project project;
  KeyedCollection<std::string> urlHistory;
};

TEST_F(ProjectFileTest, AnOldProjectKeepsTheCapacityUnlessItDoesNotFit) {
  const struct {
    int images;
    int capacity;
  } cases[] = {{3, 200}, {201, 200}, {202, 302}};
  for (const auto& c : cases) {
    Project fresh;
    std::string path = dir.file("old" + std::to_string(c.images) + ".vlr");
    writeFile(path, testing::makeOldProjectFile(GallerySettings{}, std::vector<OldImageItem>(c.images)));
    ASSERT_TRUE(openProject(host, fresh, urlHistory, dir.path().string(), path, false).loaded);
    EXPECT_EQ(fresh.images.count(), c.images);
    EXPECT_EQ(fresh.images.capacity(), c.capacity) << c.images << " images";
  }
}

TEST_F(ProjectFileTest, OpeningLoadsEverythingAndTellsTheWindowWhatToDo) {
  auto settings = testing::sampleSettings();
  std::vector<ImageItem> images(5);
  images[0].linkUrl = "http://127.0.0.1/A";
  images[1].linkUrl = "http://127.0.0.1/a";
  images[2].thumbnailCached = true;
  std::string path = dir.file("five.vlr");
  writeFile(path, serializeProjectFile(settings, images));

  auto result = openProject(host, project, urlHistory, dir.path().string(), path, true);
  EXPECT_TRUE(result.loaded);
  EXPECT_TRUE(result.enableImageCommands);
  EXPECT_TRUE(result.addToRecent);
  EXPECT_EQ(result.recentPath, path);
  EXPECT_EQ(project.projectFile, path);
  EXPECT_EQ(project.settings, settings);
  EXPECT_EQ(project.images.count(), 5);
  EXPECT_EQ(project.images.capacity(), 105);
  for (const auto& item : project.images.items()) EXPECT_FALSE(item.thumbnailCached);
  // The two links differing in case are one entry; the empty link is one too.
  EXPECT_EQ(urlHistory.size(), 2u);
  EXPECT_EQ(readFile(dir.file("urls.txt")), "http://127.0.0.1/A\r\n");
  EXPECT_EQ(host.busyPanels, std::vector<std::string>{"Loading..."});
  EXPECT_EQ(host.busyPanelHides, 0);
  EXPECT_EQ(host.setValuesCalls, 1);
  EXPECT_TRUE(host.messages.empty());
}

// Records the order of the calls that matter for loading and saving, and what
// the files looked like at each one.
class OrderedHost : public testing::FakeHost {
 public:
  std::vector<std::string> calls;
  std::function<void()> onGetValues;
  std::string urlsFile;

  core::MessageAnswer showMessage(const core::Message& message) override {
    calls.push_back("message " + message.text);
    return FakeHost::showMessage(message);
  }
  std::optional<std::string> askFileName(const core::FileDialogRequest& request) override {
    calls.push_back("dialog");
    return FakeHost::askFileName(request);
  }
  void showBusyPanel(const std::string& caption) override {
    calls.push_back("busy " + caption);
    FakeHost::showBusyPanel(caption);
  }
  void hideBusyPanel() override {
    calls.push_back("hide busy");
    FakeHost::hideBusyPanel();
  }
  void settingsGetValues() override {
    calls.push_back("getValues");
    if (onGetValues) onGetValues();
    FakeHost::settingsGetValues();
  }
  void settingsSetValues() override {
    calls.push_back(std::filesystem::exists(urlsFile) ? "setValues after urls saved" : "setValues");
    FakeHost::settingsSetValues();
  }
};

TEST_F(ProjectFileTest, OpeningMergesTheUrlsBeforeTheEditorShowsTheRecord) {
  OrderedHost ordered;
  ordered.urlsFile = dir.file("urls.txt");
  std::vector<ImageItem> images(1);
  images[0].linkUrl = "http://127.0.0.1/x";
  std::string path = dir.file("one.vlr");
  writeFile(path, serializeProjectFile(GallerySettings{}, images));
  ASSERT_TRUE(openProject(ordered, project, urlHistory, dir.path().string(), path, true).loaded);
  EXPECT_EQ(ordered.calls, (std::vector<std::string>{"busy Loading...", "setValues after urls saved"}));

  ordered.calls.clear();
  writeFile(path, "VLR104");
  EXPECT_FALSE(openProject(ordered, project, urlHistory, dir.path().string(), path, true).loaded);
  EXPECT_EQ(ordered.calls, (std::vector<std::string>{"busy Loading...", "message Invalid VLR file!", "hide busy"}));
}

TEST_F(ProjectFileTest, SavingWritesTheEditorsValuesTakenAfterTheDialog) {
  OrderedHost ordered;
  std::string path = dir.file("edited.vlr");
  ordered.fileNames.push_back(path);
  ordered.onGetValues = [&] {
    EXPECT_FALSE(std::filesystem::exists(path));
    project.settings.webTitle = "from the editor";
  };
  ASSERT_TRUE(saveProject(ordered, project, dir.path().string(), true).saved);
  EXPECT_EQ(ordered.calls, (std::vector<std::string>{"dialog", "getValues"}));
  std::string bytes = readFile(path);
  auto read = parseProjectFile({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  ASSERT_TRUE(read);
  EXPECT_EQ(read->settings.webTitle, "from the editor");
}

TEST_F(ProjectFileTest, ANewFileFollowsTheUmaskAndAReplacedOneKeepsItsMode) {
  mode_t previous = ::umask(027);
  std::string created = dir.file("new.vlr");
  project.projectFile = created;
  bool saved = saveProject(host, project, "", false).saved;
  ::umask(previous);
  ASSERT_TRUE(saved);
  struct stat info {};
  ASSERT_EQ(::stat(created.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);

  std::string settingsFile = dir.file("private.vls");
  writeFile(settingsFile, "old");
  ::chmod(settingsFile.c_str(), 0600);
  ASSERT_TRUE(saveSettingsFile(host, GallerySettings{}, settingsFile));
  ASSERT_EQ(::stat(settingsFile.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(ProjectFileTest, AnEmptyProjectLoadsAsAnEmptyList) {
  std::string path = dir.file("empty.vlr");
  writeFile(path, serializeProjectFile(GallerySettings{}, {}));
  project.images.append(ImageItem{}, {});
  auto result = openProject(host, project, urlHistory, dir.path().string(), path, false);
  EXPECT_TRUE(result.loaded);
  EXPECT_FALSE(result.enableImageCommands);
  EXPECT_FALSE(result.addToRecent);
  EXPECT_EQ(project.images.count(), 0);
  EXPECT_EQ(project.images.capacity(), 100);
  EXPECT_FALSE(std::filesystem::exists(dir.file("urls.txt")));
}

TEST_F(ProjectFileTest, AMissingFileIsIgnoredSilently) {
  auto result = openProject(host, project, urlHistory, "", dir.file("none.vlr"), true);
  EXPECT_FALSE(result.loaded);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(host.busyPanels.empty());
}

TEST_F(ProjectFileTest, ADamagedOrForeignFileIsRefusedAndChangesNothing) {
  project.projectFile = "/before.vlr";
  project.settings.webTitle = "before";
  project.images.append(ImageItem{}, {});
  std::string whole = serializeProjectFile(testing::sampleSettings(), testing::sampleImages());
  for (std::string bytes : {whole.substr(0, whole.size() - 1), std::string("GIF89a"), std::string()}) {
    std::string path = dir.file("bad.vlr");
    writeFile(path, bytes);
    host.messages.clear();
    auto result = openProject(host, project, urlHistory, dir.path().string(), path, true);
    EXPECT_FALSE(result.loaded);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Invalid VLR file!");
    EXPECT_EQ(host.messages[0].title, path);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::Ok);
  }
  EXPECT_EQ(host.busyPanelHides, 3);
  EXPECT_EQ(project.projectFile, "/before.vlr");
  EXPECT_EQ(project.settings.webTitle, "before");
  EXPECT_EQ(project.images.count(), 1);
  EXPECT_TRUE(urlHistory.empty());
  EXPECT_EQ(host.setValuesCalls, 0);
}

TEST_F(ProjectFileTest, AnUnreadableFileReportsThePathAndTheReason) {
  auto result = openProject(host, project, urlHistory, "", dir.path().string(), true);
  EXPECT_FALSE(result.loaded);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, dir.path().string());
  EXPECT_EQ(host.messages[0].text, std::make_error_code(std::errc::is_a_directory).message());
  EXPECT_EQ(host.busyPanelHides, 1);
}

TEST_F(ProjectFileTest, SaveAsWritesTheChosenFileWithEveryField) {
  project.settings = testing::sampleSettings();
  for (auto& item : testing::sampleImages()) project.images.append(item, {});
  std::string path = dir.file("saved.vlr");
  host.fileNames.push_back(path);

  auto result = saveProject(host, project, "/data", true);
  EXPECT_TRUE(result.saved);
  EXPECT_EQ(result.recentPath, path);
  EXPECT_EQ(project.projectFile, path);
  EXPECT_EQ(host.getValuesCalls, 1);
  ASSERT_EQ(host.fileRequests.size(), 1u);
  EXPECT_EQ(host.fileRequests[0].startFolder, "/data");
  EXPECT_EQ(host.fileRequests[0].proposedPath, "");
  EXPECT_EQ(host.fileRequests[0].title, "Save project as");
  EXPECT_EQ(host.fileRequests[0].filter, "VLR project file (*.vlr)|*.vlr");
  EXPECT_TRUE(host.fileRequests[0].isSave);
  EXPECT_FALSE(host.fileRequests[0].mustExist);

  std::string bytes = readFile(path);
  auto read = parseProjectFile({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  ASSERT_TRUE(read);
  EXPECT_EQ(read->settings, project.settings);
  EXPECT_EQ(read->images, project.images.items());
}

TEST_F(ProjectFileTest, CancellingSaveAsWritesNothingButTakesTheEditorsValues) {
  project.projectFile = dir.file("old name.vlr");
  auto result = saveProject(host, project, "/data", true);
  EXPECT_FALSE(result.saved);
  EXPECT_FALSE(result.failed) << "a cancel is no failure";
  EXPECT_EQ(host.getValuesCalls, 1);
  EXPECT_EQ(host.fileRequests.at(0).proposedPath, "/data/old name.vlr");
  EXPECT_EQ(project.projectFile, dir.file("old name.vlr"));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(ProjectFileTest, SavingOverALongerFileLeavesNoTrailingBytes) {
  std::string path = dir.file("p.vlr");
  writeFile(path, std::string(5000, 'x'));
  project.projectFile = path;
  EXPECT_TRUE(saveProject(host, project, "", false).saved);
  EXPECT_EQ(readFile(path).size(), 148u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(ProjectFileTest, AFailedSaveKeepsThePreviousFileAndReportsTheReason) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not hold for root";
  std::string path = dir.file("keep.vlr");
  writeFile(path, "previous");
  ::chmod(dir.path().c_str(), 0555);
  project.projectFile = path;
  auto result = saveProject(host, project, "", false);
  ::chmod(dir.path().c_str(), 0755);
  EXPECT_FALSE(result.saved);
  EXPECT_EQ(readFile(path), "previous");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, path);
  EXPECT_EQ(host.messages[0].text, std::make_error_code(std::errc::permission_denied).message());
}

TEST_F(ProjectFileTest, AReadOnlyFileIsNotReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not hold for root";
  std::string path = dir.file("protected.vls");
  writeFile(path, "previous");
  ::chmod(path.c_str(), 0444);
  EXPECT_FALSE(saveSettingsFile(host, GallerySettings{}, path));
  EXPECT_EQ(readFile(path), "previous");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, std::make_error_code(std::errc::permission_denied).message());
}

TEST_F(ProjectFileTest, AFailedReplaceLeavesNoTemporaryFileBehind) {
  std::string path = dir.file("folder.vlr");
  std::filesystem::create_directory(path);
  writeFile(path + "/inside", "kept");
  project.projectFile = path;
  const auto result = saveProject(host, project, "", false);
  EXPECT_FALSE(result.saved);
  EXPECT_TRUE(result.failed);
  EXPECT_EQ(readFile(path + "/inside"), "kept");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, path);
}

// 255 bytes is the longest name a folder holds; the files of that length are
// written as those of shorter names.
TEST_F(ProjectFileTest, TheLongestNamesAFolderHoldsAreSavedAndExported) {
  for (const std::size_t length : {240u, 250u, 255u}) {
    const std::string name(length - 4, 'p');
    project.projectFile = dir.file(name + ".vlr");
    project.images.append(testing::sampleImages()[0], {});
    EXPECT_TRUE(saveProject(host, project, "", false).saved) << length;
    EXPECT_TRUE(saveSettingsFile(host, project.settings, dir.file(name + ".vls"))) << length;
    EXPECT_TRUE(exportText(host, project.images, dir.file(name + ".txt"))) << length;
  }
  EXPECT_TRUE(host.messages.empty()) << host.messages.at(0).text;
  EXPECT_EQ(dir.names().size(), 9u);
}

// A save cut off (the program killed, the machine off) leaves its temporary
// file beside the project. The next save or opening of the project removes
// what earlier runs left, and nothing else.
TEST_F(ProjectFileTest, SavingOrOpeningRemovesTemporaryFilesOfEarlierSaves) {
  project.projectFile = dir.file("gross.vlr");
  ASSERT_TRUE(saveProject(host, project, "", false).saved);
  // The project and the files that are not its temporaries, in order.
  const std::vector<std::string> kept = {"gross.vlr", "gross.vlr.tmp-a1B2c3d", "gross.vlr.tmp-other",
                                         "gross.vlr.tmp8561-1.txt", "other.vlr.tmp-a1B2c3"};
  for (const auto& name : kept)
    if (name != "gross.vlr") writeFile(dir.file(name), "not a temporary file of the project");
  writeFile(dir.file("gross.vlr.tmp8561-1"), "left by an earlier version");
  writeFile(dir.file("gross.vlr.tmp-a1B2c3"), "left by a save that was cut off");
  ASSERT_TRUE(saveProject(host, project, "", false).saved);
  EXPECT_EQ(dir.names(), kept);

  writeFile(dir.file("gross.vlr.tmp-Z9y8X7"), "left by another save that was cut off");
  ASSERT_TRUE(openProject(host, project, urlHistory, "", project.projectFile, false).loaded);
  EXPECT_EQ(dir.names(), kept);
}

TEST_F(ProjectFileTest, AFailedSaveAsKeepsTheProjectFileName) {
  project.projectFile = dir.file("current.vlr");
  host.fileNames.push_back(dir.file("missing folder/new.vlr"));
  EXPECT_FALSE(saveProject(host, project, "", true).saved);
  EXPECT_EQ(project.projectFile, dir.file("current.vlr"));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, std::make_error_code(std::errc::no_such_file_or_directory).message());
}

TEST_F(ProjectFileTest, SettingsFilesLoadFromSettingsAndProjectFiles) {
  GallerySettings settings = testing::sampleSettings();
  std::string vls = dir.file("s.vls");
  ASSERT_TRUE(saveSettingsFile(host, settings, vls));
  EXPECT_EQ(readFile(vls).size(), serializeSettingsFile(settings).size());

  GallerySettings loaded;
  EXPECT_TRUE(loadSettingsFile(host, loaded, vls, true));
  EXPECT_EQ(loaded, settings);
  EXPECT_EQ(host.setValuesCalls, 1);

  std::string vlr = dir.file("p.vlr");
  writeFile(vlr, serializeProjectFile(GallerySettings{}, testing::sampleImages()));
  EXPECT_TRUE(loadSettingsFile(host, loaded, vlr, true));
  EXPECT_EQ(loaded, GallerySettings{});
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ProjectFileTest, AnInvalidSettingsFileIsReportedOnlyWhenAsked) {
  GallerySettings settings = testing::sampleSettings();
  std::string old = dir.file("old.vlr");
  writeFile(old, testing::makeOldProjectFile(GallerySettings{}, {}));
  EXPECT_FALSE(loadSettingsFile(host, settings, old, false));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(loadSettingsFile(host, settings, old, true));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Invalid file!");
  EXPECT_EQ(host.messages[0].title, old);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(settings, testing::sampleSettings());
  EXPECT_EQ(host.setValuesCalls, 0);
}

}  // namespace
}  // namespace velvara::core
