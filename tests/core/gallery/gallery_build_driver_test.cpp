// The headless build end to end: a project file with real pictures in, the
// gallery out, through the driver program as the browser tests use it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "core/files/ProjectFileFormat.h"
#include "core/model/GallerySettings.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestImages.h"

namespace velvara::core {
namespace {

namespace fs = std::filesystem;

struct RunResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the driver in a home folder of the test's own, beside errFile.
RunResult runDriver(const std::string& arguments, const fs::path& errFile) {
  const std::string home = (errFile.parent_path() / "home").string();
  const std::string command = "HOME='" + home + "' XDG_CONFIG_HOME='" + home + "/.config' " + VELVARA_BINARY_DIR +
                              "/bin/velvara-gallery-build " + arguments + " 2>'" + errFile.string() + "'";
  RunResult result;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return result;
  std::array<char, 256> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe.get())) result.out += buffer.data();
  const int status = pclose(pipe.release());
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream err(errFile);
  result.err.assign(std::istreambuf_iterator<char>(err), {});
  return result;
}

class GalleryBuildDriver : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(std::string(VELVARA_BINARY_DIR) + "/bin/velvara-gallery-build")) {
      GTEST_SKIP() << "the driver is not built";
    }
    setDefaultSettings(settings, "Driver", dir.path().string());
    settings.destFolder = dest.string();
    settings.columns = 2;
    settings.rows = 1;
    for (int i = 1; i <= 3; ++i) {
      ImageItem image;
      image.sourcePath = dir.file("photo" + std::to_string(i) + ".jpg");
      image.title = "Photo " + std::to_string(i);
      image.outputBaseName = "photo" + std::to_string(i);
      testing::TestImage picture;
      picture.width = 800;
      picture.height = 600;
      testing::writeTestImage(image.sourcePath, picture);
      images.push_back(image);
    }
    ImageItem missing;
    missing.sourcePath = dir.file("missing.jpg");
    missing.title = "Gone";
    missing.outputBaseName = "missing";
    images.push_back(missing);
  }

  std::string writeProject() {
    const std::string path = dir.file("gallery project.vlr");
    std::ofstream(path, std::ios::binary) << serializeProjectFile(settings, images);
    return "'" + path + "'";
  }

  testing::TempDir dir;
  fs::path dest = dir.path() / "web";
  GallerySettings settings;
  std::vector<ImageItem> images;
};

TEST_F(GalleryBuildDriver, BuildsTheGalleryAndPrintsOnlyThePageToOpen) {
  const RunResult result = runDriver(writeProject(), dir.path() / "err.txt");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, (dest / "vlr.html").string() + "\n");
  EXPECT_TRUE(fs::exists(dest / "vlr1.html"));
  EXPECT_TRUE(fs::exists(dest / "photos" / "photo3.jpg"));
  EXPECT_TRUE(fs::exists(dest / "thumbs" / "photo1.jpg"));
  EXPECT_FALSE(fs::exists(dest / "photos" / "missing.jpg"));
  EXPECT_EQ(result.err, "");
}

TEST_F(GalleryBuildDriver, AnswersTheFolderQuestionAsTold) {
  fs::create_directories(dest);
  std::ofstream(dest / "old.html") << "old";
  const std::string project = writeProject();

  RunResult result = runDriver(project, dir.path() / "err.txt");
  EXPECT_NE(result.status, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("[question] : The destination folder \n'" + dest.string() + "'\nis not empty!"),
            std::string::npos)
      << result.err;
  EXPECT_TRUE(fs::exists(dest / "old.html"));

  result = runDriver(project + " --html-only", dir.path() / "err.txt");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(fs::exists(dest / "old.html"));

  result = runDriver(project + " --answer yes", dir.path() / "err.txt");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_FALSE(fs::exists(dest / "old.html"));

  // A project kept in its own gallery folder is never among the files a Yes
  // deletes: the build stops before it asks.
  const fs::path inside = dest / "trip.vlr";
  fs::copy_file(dir.file("gallery project.vlr"), inside);
  result = runDriver("'" + inside.string() + "' --answer yes", dir.path() / "err.txt");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("'" + inside.string() + "', the file of the open project, lies in '" + dest.string() + "'"),
            std::string::npos)
      << result.err;
  EXPECT_EQ(result.err.find("[question]"), std::string::npos) << result.err;
  EXPECT_TRUE(fs::exists(inside));
  EXPECT_TRUE(fs::exists(dest / "vlr.html"));
}

// The user's own files in a gallery folder are never among the files a Yes
// deletes, however the build reaches them: the project opened through a link
// to its file, the user's data folder (the window's, not this run's) with its
// default settings and remembered addresses, a photo through a link to it.
// The build stops before it asks.
TEST_F(GalleryBuildDriver, KeepsTheUsersFilesInTheGalleryFolder) {
  enum Kept { ProjectOpenedThroughLink, DataFolder, PhotoThroughLink };
  const fs::path dataFolder = dir.path() / "home" / "Documents" / "VLR";
  const fs::path project = dir.file("gallery project.vlr");
  for (const Kept kept : {ProjectOpenedThroughLink, DataFolder, PhotoThroughLink}) {
    SCOPED_TRACE(kept);
    fs::remove_all(dest);
    fs::create_directories(dest);
    fs::remove(project);
    settings.destFolder = (kept == DataFolder ? dataFolder : dest).string();
    writeProject();
    settings.destFolder = dest.string();
    std::vector<fs::path> files;
    std::string refusal;
    if (kept == DataFolder) {
      fs::create_directories(dataFolder);
      files = {dataFolder / "default.vlm", dataFolder / "urls.txt"};
      for (const auto& file : files) std::ofstream(file) << "mine";
      refusal = "'" + dataFolder.string() + "' is the program's data folder";
    } else {
      // The file moves into the gallery folder; the build knows it by a link.
      const fs::path link = kept == PhotoThroughLink ? fs::path(images[0].sourcePath) : project;
      files = {dest / (kept == PhotoThroughLink ? "photo1.jpg" : "trip.vlr")};
      fs::rename(link, files[0]);
      fs::create_symlink(files[0], link);
      refusal = "'" + files[0].string() + (kept == PhotoThroughLink ? "'" : "', the file of the open project,") +
                " lies in '" + dest.string() + "'";
    }
    const RunResult result = runDriver("'" + project.string() + "' --answer yes", dir.path() / "err.txt");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find(refusal), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("[question]"), std::string::npos) << result.err;
    for (const auto& file : files) EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file))) << file;
  }
}

TEST_F(GalleryBuildDriver, RefusesBadArgumentsAndMissingProjects) {
  EXPECT_EQ(runDriver("", dir.path() / "err.txt").status, 2);
  EXPECT_EQ(runDriver("a.vlr --answer maybe", dir.path() / "err.txt").status, 2);
  const RunResult missing = runDriver("'" + dir.file("none.vlr") + "'", dir.path() / "err.txt");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("none.vlr"), std::string::npos);
}

}  // namespace
}  // namespace velvara::core
