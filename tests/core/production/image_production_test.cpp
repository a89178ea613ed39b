#include "core/production/ImageProduction.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/imaging/FitSize.h"
#include "platform/imagelib/Library.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestImages.h"

namespace velvara::core {
namespace {

namespace fs = std::filesystem;
using testing::TestColor;

// Every call production makes on its host, in one list, in order.
class RecordingHost : public testing::FakeHost {
 public:
  std::vector<std::string> calls;

  MessageAnswer showMessage(const Message& message) override {
    calls.push_back("message " + message.title.value_or("") + " | " + message.text);
    return FakeHost::showMessage(message);
  }
  void setCaption(const std::string& caption) override { calls.push_back("caption " + caption); }
  void restoreCaption() override { calls.push_back("restore caption"); }
  void showProgress(int minimum, int maximum) override {
    calls.push_back("progress " + std::to_string(minimum) + "-" + std::to_string(maximum));
  }
  void setProgress(int value) override { calls.push_back("progress " + std::to_string(value)); }
  void hideProgress() override { calls.push_back("hide progress"); }
  void setMainWindowEnabled(bool enabled) override { calls.push_back(enabled ? "enable" : "disable"); }
  void processEvents() override { calls.push_back("events"); }
};

// A fingerprint of the contents of every file below folder, by path.
std::map<std::string, std::size_t> filesBelow(const std::string& folder) {
  std::map<std::string, std::size_t> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    files[entry.path().string()] = std::hash<std::string>()(bytes.str());
  }
  return files;
}

// Files larger than bytes cannot be written while it lives: a write past the
// limit fails as it would on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*oldHandler_)(int) = nullptr;
};

class ImageProductionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gflInit(library);
    setDefaultSettings(project.settings, "Gallery", dir.path().string());
    project.settings.destFolder = dir.file("out");
  }

  // Adds an image made from a new picture file; its base name is name.
  void addPicture(const std::string& name, const testing::TestImage& image, const std::string& ext = "jpg") {
    std::string path = dir.file("src/" + name + "." + ext);
    fs::create_directories(dir.file("src"));
    testing::writeTestImage(path, image);
    addPath(name, path);
  }

  void addPath(const std::string& name, const std::string& path, const std::string& link = "") {
    ImageItem item;
    item.sourcePath = path;
    item.outputBaseName = name;
    item.linkUrl = link;
    project.images.append(item, {});
  }

  imagelib::Bitmap output(const std::string& folder, const std::string& name) {
    imagelib::Bitmap bitmap;
    imagelib::Status status = imagelib::loadBitmap(dir.file("out/" + folder + "/" + name + ".jpg"), bitmap);
    EXPECT_TRUE(status.ok()) << folder << "/" << name << ": " << status.text;
    return bitmap;
  }

  testing::TempDir dir;
  testing::FakeHost host;
  Project project;
  ImageLibrary library;
};

struct SizeCase {
  testing::TestImage source;
  PixelSize photo, thumb;
};

TEST_F(ImageProductionTest, LargeImagesAndThumbnailsFitTheirBoxesAndNeverGrow) {
  const SizeCase cases[] = {
      {{4000, 3000}, {667, 500}, {160, 120}}, {{3000, 4000}, {375, 500}, {90, 120}},
      {{700, 450}, {700, 450}, {160, 103}},   {{160, 100}, {160, 100}, {160, 100}},
      {{100, 60}, {100, 60}, {100, 60}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) addPicture("p" + std::to_string(i), cases[i].source);
  ASSERT_TRUE(makeGalleryImages(host, project, library));
  EXPECT_TRUE(host.messages.empty());
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    imagelib::Bitmap photo = output("photos", "p" + std::to_string(i));
    imagelib::Bitmap thumb = output("thumbs", "p" + std::to_string(i));
    EXPECT_EQ((PixelSize{photo.width, photo.height}), cases[i].photo) << i;
    EXPECT_EQ((PixelSize{thumb.width, thumb.height}), cases[i].thumb) << i;
  }
}

TEST_F(ImageProductionTest, WithoutKeepAspectTheBoxIsFilledExactly) {
  project.settings.keepAspectRatio = 0;
  addPicture("wide", {1000, 300});
  ASSERT_TRUE(makeGalleryImages(host, project, library));
  imagelib::Bitmap photo = output("photos", "wide");
  imagelib::Bitmap thumb = output("thumbs", "wide");
  EXPECT_EQ((PixelSize{photo.width, photo.height}), (PixelSize{750, 500}));
  EXPECT_EQ((PixelSize{thumb.width, thumb.height}), (PixelSize{160, 120}));
}

TEST_F(ImageProductionTest, OutputsLookLikeTheSourceAreUprightAndCarryNoExif) {
  addPicture("turned", {1200, 900, TestColor::Rgb, 6});
  ASSERT_TRUE(makeGalleryImages(host, project, library));
  imagelib::Bitmap source, reference;
  ASSERT_TRUE(imagelib::loadBitmap(dir.file("src/turned.jpg"), source).ok());
  for (const auto& [folder, size] :
       {std::pair{"photos", PixelSize{375, 500}}, std::pair{"thumbs", PixelSize{90, 120}}}) {
    imagelib::Bitmap made = output(folder, "turned");
    ASSERT_EQ((PixelSize{made.width, made.height}), size) << folder;
    ASSERT_TRUE(imagelib::resize(source, size.width, size.height, imagelib::ResizeMethod::Lanczos, reference).ok());
    EXPECT_LT(testing::meanDifference(made, reference), 8.0) << folder;
    EXPECT_GT(testing::pixelAt(made, made.width - 2, 1).red, 200) << folder;
    EXPECT_FALSE(testing::hasExif(dir.file(std::string("out/") + folder + "/turned.jpg"))) << folder;
  }
}

TEST_F(ImageProductionTest, ManyColourModelsAndFormatsAreProduced) {
  addPicture("cmyk", {800, 600, TestColor::Cmyk});
  addPicture("grey", {800, 600, TestColor::Grey});
  addPicture("palette", {800, 600, TestColor::Palette}, "png");
  addPicture("deep", {800, 600, TestColor::Rgb16}, "png");
  addPicture("alpha", {800, 600, TestColor::RgbAlpha}, "png");
  ASSERT_TRUE(makeGalleryImages(host, project, library));
  EXPECT_TRUE(host.messages.empty());
  for (const char* name : {"cmyk", "grey", "palette", "deep", "alpha"}) {
    EXPECT_EQ(output("photos", name).width, 667) << name;
    EXPECT_EQ(output("thumbs", name).height, 120) << name;
  }
  EXPECT_GT(testing::pixelAt(output("photos", "alpha"), 600, 250).blue, 240);
}

TEST_F(ImageProductionTest, ABaseNameWithFolderSeparatorsStaysInItsFolder) {
  addPicture("a", {40, 30});
  project.images.item(0).outputBaseName = "../../escaped\\x";
  ASSERT_TRUE(makeGalleryImages(host, project, library));
  EXPECT_TRUE(fs::exists(dir.file("out/thumbs/.._.._escaped_x.jpg")));
  EXPECT_TRUE(fs::exists(dir.file("out/photos/.._.._escaped_x.jpg")));
  EXPECT_FALSE(fs::exists(dir.file("escaped\\x.jpg")));
  EXPECT_FALSE(fs::exists(dir.file("out/escaped\\x.jpg")));
}

TEST_F(ImageProductionTest, TwoImagesRunWithoutProgressAndWindowChanges) {
  addPicture("a", {40, 30});
  addPicture("b", {40, 30});
  ASSERT_TRUE(makeGalleryImages(host, project, library));
  EXPECT_TRUE(host.progressRanges.empty());
  EXPECT_TRUE(host.progressValues.empty());
  EXPECT_EQ(host.windowEnabledChanges, (std::vector<bool>{true}));
  EXPECT_EQ(host.captions, (std::vector<std::string>{dir.file("src/a.jpg"), dir.file("src/b.jpg")}));
  EXPECT_EQ(host.eventsProcessed, 3);
  EXPECT_EQ(host.captionRestores, 1);
  EXPECT_EQ(host.progressHides, 1);
}

TEST_F(ImageProductionTest, ThreeImagesRunTheProgressFromOneToThreeAndSkipUncachedOnes) {
  addPicture("a", {40, 30});
  addPicture("b", {40, 30});
  addPicture("c", {40, 30});
  project.images.releasePreview(1);
  ASSERT_TRUE(makeGalleryImages(host, project, library));
  EXPECT_EQ(host.progressRanges, (std::vector<std::pair<int, int>>{{1, 3}}));
  EXPECT_EQ(host.progressValues, (std::vector<int>{1, 1, 2, 3}));
  EXPECT_EQ(host.windowEnabledChanges, (std::vector<bool>{false, true}));
  EXPECT_EQ(host.captions.size(), 2u);
  EXPECT_TRUE(fs::exists(dir.file("out/photos/a.jpg")));
  EXPECT_FALSE(fs::exists(dir.file("out/photos/b.jpg")));
  EXPECT_FALSE(fs::exists(dir.file("out/thumbs/b.jpg")));
  EXPECT_TRUE(fs::exists(dir.file("out/thumbs/c.jpg")));
}

TEST_F(ImageProductionTest, OldFilesAreDeletedButSubfoldersSurvive) {
  for (const char* file : {"out/thumbs/old.jpg", "out/photos/gone.jpg", "out/thumbs/keep/inner.jpg"}) {
    fs::create_directories(fs::path(dir.file(file)).parent_path());
    std::ofstream(dir.file(file)) << "x";
  }
  fs::create_symlink(dir.file("out/thumbs/keep"), dir.file("out/photos/link"));
  addPicture("a", {40, 30});
  ASSERT_TRUE(makeGalleryImages(host, project, library));
  EXPECT_FALSE(fs::exists(dir.file("out/thumbs/old.jpg")));
  EXPECT_FALSE(fs::exists(dir.file("out/photos/gone.jpg")));
  EXPECT_TRUE(fs::exists(dir.file("out/thumbs/keep/inner.jpg")));
  EXPECT_FALSE(fs::exists(dir.file("out/photos/link")));
  EXPECT_FALSE(fs::exists(dir.file("out/gallery")));
}

TEST_F(ImageProductionTest, DamagedOrMissingSourcesAreReportedPerFileAndProductionGoesOn) {
  addPath("missing", dir.file("src/missing.jpg"));
  fs::create_directories(dir.file("src"));
  std::ofstream{dir.file("src/empty.jpg")};
  addPath("empty", dir.file("src/empty.jpg"));
  std::ofstream(dir.file("src/text.jpg")) << "not a picture";
  addPath("text", dir.file("src/text.jpg"));
  testing::writeJpegClaimingSize(dir.file("src/bomb.jpg"), 20000, 20000);
  addPath("bomb", dir.file("src/bomb.jpg"));
  addPicture("cut", {600, 400});
  fs::resize_file(dir.file("src/cut.jpg"), fs::file_size(dir.file("src/cut.jpg")) / 2);
  addPicture("good", {600, 400});
  ASSERT_TRUE(makeGalleryImages(host, project, library));
  ASSERT_EQ(host.messages.size(), 10u);
  for (std::size_t i = 0; i < 10; ++i) {
    const Message& message = host.messages[i];
    const char* folder = i % 2 == 0 ? "thumbs/" : "photos/";
    EXPECT_EQ(message.icon, MessageIcon::Critical);
    ASSERT_TRUE(message.title.has_value());
    EXPECT_TRUE(message.title->starts_with(dir.file("out/") + folder)) << *message.title;
    EXPECT_TRUE(message.text.starts_with("proc:NewImage/err2: ")) << message.text;
    EXPECT_GT(message.text.size(), std::string("proc:NewImage/err2: ").size());
  }
  EXPECT_EQ(host.messages[0].text, "proc:NewImage/err2: File not found: " + dir.file("src/missing.jpg"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("out/photos")), {}), 1);
  EXPECT_TRUE(fs::exists(dir.file("out/photos/good.jpg")));
}

TEST_F(ImageProductionTest, MakeJpegReportsAMissingSourceAsAFailedSave) {
  fs::create_directories(dir.file("out"));
  makeJpeg(host, dir.file("nothing.jpg"), 160, 120, dir.file("out/x.jpg"), true, 80, 25);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, dir.file("out/x.jpg"));
  EXPECT_TRUE(host.messages[0].text.starts_with("proc:NewImage/err2: File not found"));
  EXPECT_FALSE(fs::exists(dir.file("out/x.jpg")));
}

// 255 bytes is the longest name a folder holds: the photo named so, its JPEGs
// of 255 bytes and the copy of a linked file of 255 bytes are all written.
TEST_F(ImageProductionTest, TheLongestNamesAFolderHoldsAreProduced) {
  project.settings.galleryStyle = static_cast<std::int16_t>(GalleryStyle::Shadowbox);
  const std::string base(251, 'n');
  addPicture(base, {40, 30});
  const std::string linked = dir.file(std::string(251, 'l') + ".mp4");
  std::ofstream(linked) << "movie";
  project.images.item(0).linkUrl = linked;
  ASSERT_TRUE(makeGalleryImages(host, project, library)) << host.messages.at(0).text;
  EXPECT_EQ(output("thumbs", base).width, 40);
  EXPECT_EQ(output("photos", base).width, 40);
  EXPECT_TRUE(fs::exists(dir.file("out/gallery/" + fs::path(linked).filename().string())));
  EXPECT_EQ(filesBelow(dir.file("out")).size(), 3u);
}

TEST_F(ImageProductionTest, ShadowboxCopiesLinkedLocalFilesOnly) {
  project.settings.galleryStyle = static_cast<std::int16_t>(GalleryStyle::Shadowbox);
  fs::create_directories(dir.file("docs"));
  std::ofstream(dir.file("docs/movie.mp4")) << "movie";
  std::ofstream(dir.file("docs/page.html")) << "<p>";
  fs::create_directories(dir.file("out/gallery"));
  std::ofstream(dir.file("out/gallery/stale.pdf")) << "old";
  addPicture("a", {40, 30});
  project.images.item(0).linkUrl = dir.file("docs/movie.mp4");
  addPicture("b", {40, 30});
  project.images.item(1).linkUrl = "http://127.0.0.1/x.mp4";
  addPicture("c", {40, 30});
  project.images.item(2).linkUrl = dir.file("docs/page.html");
  std::ofstream(dir.file("docs/d.jpg")) << "the large original of d";
  addPicture("d", {40, 30});
  project.images.item(3).linkUrl = dir.file("docs/%");
  ASSERT_TRUE(makeGalleryImages(host, project, library));
  EXPECT_TRUE(fs::exists(dir.file("out/gallery/movie.mp4")));
  EXPECT_TRUE(fs::exists(dir.file("out/gallery/d.jpg")));
  EXPECT_FALSE(fs::exists(dir.file("out/gallery/stale.pdf")));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("out/gallery")), {}), 2);
}

TEST_F(ImageProductionTest, ALinkNamingAFolderEndsProductionWithTheWindowEnabled) {
  project.settings.galleryStyle = static_cast<std::int16_t>(GalleryStyle::Shadowbox);
  fs::create_directories(dir.file("docs/folder"));
  for (const char* name : {"a", "b", "c"}) addPicture(name, {40, 30});
  project.images.item(1).linkUrl = dir.file("docs/folder");
  EXPECT_FALSE(makeGalleryImages(host, project, library));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
  EXPECT_TRUE(host.messages[0].text.starts_with(dir.file("docs/folder") + "\r\n"));
  EXPECT_GT(host.messages[0].text.size(), dir.file("docs/folder").size() + 2);
  EXPECT_EQ(host.windowEnabledChanges, (std::vector<bool>{false, true}));
  EXPECT_EQ(host.captionRestores, 1);
  EXPECT_FALSE(fs::exists(dir.file("out/photos/c.jpg")));
}

TEST_F(ImageProductionTest, FoldersThatCannotBeMadeEndProductionNamingThePath) {
  project.settings.destFolder = dir.file("no/such/parent");
  addPicture("a", {40, 30});
  EXPECT_FALSE(makeGalleryImages(host, project, library));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, dir.file("no/such/parent"));
  EXPECT_EQ(host.windowEnabledChanges, (std::vector<bool>{true}));
  EXPECT_EQ(host.captionRestores, 1);

  project.settings.destFolder = dir.file("out");
  fs::create_directories(dir.file("out"));
  std::ofstream(dir.file("out/thumbs")) << "a file where the folder belongs";
  host.messages.clear();
  EXPECT_FALSE(makeGalleryImages(host, project, library));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, dir.file("out/thumbs"));
}

TEST_F(ImageProductionTest, SizeSettingsThatAreNotNumbersAreRefusedBeforeAnythingIsWritten) {
  addPicture("a", {40, 30});
  project.settings.imageWidth = "75O";
  EXPECT_FALSE(makeGalleryImages(host, project, library));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(host.messages[0].text, "The setting \"Large image width\" must be a whole number from 1 to 100000: '75O'.");
  EXPECT_FALSE(fs::exists(dir.file("out")));
  EXPECT_EQ(host.windowEnabledChanges, (std::vector<bool>{true}));
  EXPECT_EQ(host.captionRestores, 1);
  project.settings.imageWidth = " 750 ";
  EXPECT_TRUE(makeGalleryImages(host, project, library));
}

TEST_F(ImageProductionTest, OneWorkerAndEightMakeTheSameCallsAndTheSameFiles) {
  // Failures at the start, in the middle and at the end, an image without a
  // preview, a picture that only warns and one the decoder finds damaged.
  addPath("missing", dir.file("src/missing.jpg"));
  for (int i = 0; i < 5; ++i) addPicture("a" + std::to_string(i), {900 + 50 * i, 600, TestColor::Rgb, i == 2 ? 6 : 0});
  testing::writeJpegWithStrayBytes(dir.file("src/stray.jpg"));
  addPath("stray", dir.file("src/stray.jpg"));
  std::ofstream(dir.file("src/text.jpg")) << "not a picture";
  addPath("text", dir.file("src/text.jpg"));
  testing::writeJpegWithDamagedScan(dir.file("src/scan.jpg"));
  addPath("scan", dir.file("src/scan.jpg"));
  addPicture("uncached", {300, 200});
  project.images.releasePreview(project.images.count() - 1);
  for (int i = 0; i < 5; ++i) addPicture("b" + std::to_string(i), {400, 700 + 10 * i}, i == 3 ? "png" : "jpg");
  testing::writeJpegClaimingSize(dir.file("src/bomb.jpg"), 20000, 20000);
  addPath("bomb", dir.file("src/bomb.jpg"));

  std::vector<std::string> calls[2];
  std::map<std::string, std::size_t> files[2];
  for (int run = 0; run < 2; ++run) {
    library.workerCount = run == 0 ? 1 : 8;
    RecordingHost recording;
    ASSERT_TRUE(makeGalleryImages(recording, project, library));
    calls[run] = recording.calls;
    files[run] = filesBelow(dir.file("out"));
  }
  EXPECT_EQ(calls[0], calls[1]);
  EXPECT_EQ(files[0], files[1]);
  EXPECT_EQ(files[0].size(), 2u * 11);
  // The damaged scan is refused whichever thread decodes it.
  const auto scanFailure = std::find_if(calls[0].begin(), calls[0].end(), [&](const std::string& call) {
    return call.starts_with("message " + dir.file("out/thumbs/scan.jpg"));
  });
  EXPECT_NE(scanFailure, calls[0].end());
  EXPECT_EQ(std::count_if(calls[0].begin(), calls[0].end(), [](const std::string& c) { return c == "events"; }), 16);
}

TEST_F(ImageProductionTest, AJpegThatCannotBeWrittenEndsProductionAndLeavesNoFileOfALaterImage) {
  for (int i = 0; i < 8; ++i) {
    addPicture("p" + std::to_string(i), i == 3 ? testing::TestImage{2400, 1600} : testing::TestImage{40, 30});
  }
  library.workerCount = 8;
  bool made = true;
  {
    FileSizeLimit limit(16 * 1024);
    made = makeGalleryImages(host, project, library);
  }
  EXPECT_FALSE(made);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, dir.file("out/photos/p3.jpg"));
  EXPECT_EQ(host.messages[0].text, "proc:NewImage/err2: Error while writing the file: " +
                                       dir.file("out/photos/p3.jpg") + ": " + std::strerror(EFBIG));
  EXPECT_EQ(host.windowEnabledChanges, (std::vector<bool>{false, true}));
  EXPECT_EQ(host.captionRestores, 1);
  EXPECT_EQ(host.captions.back(), dir.file("src/p3.jpg"));
  std::vector<std::string> left;
  for (const auto& [path, bytes] : filesBelow(dir.file("out"))) left.push_back(fs::path(path).filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"p0.jpg", "p0.jpg", "p1.jpg", "p1.jpg", "p2.jpg", "p2.jpg", "p3.jpg"}));
  EXPECT_TRUE(fs::exists(dir.file("out/thumbs/p3.jpg")));
}

}  // namespace
}  // namespace velvara::core
