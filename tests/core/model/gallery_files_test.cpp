#include "core/model/GalleryFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/TempDir.h"

namespace velvara::core {
namespace {

TEST(GalleryFiles, EveryFileAndAddressOfAnImageComesFromOnePlace) {
  testing::TempDir dir;
  std::filesystem::create_directories(dir.file("docs"));
  std::ofstream(dir.file("docs/movie #1.mp4")) << "movie";
  std::ofstream(dir.file("docs/IMG_7.JPG")) << "original";
  std::ofstream(dir.file("docs/page.html")) << "<p>";
  struct Case {
    GalleryStyle style;
    std::string link;
    std::string expectedLink;
    std::string copied;  // the copy's file name, "" for none
  };
  const Case cases[] = {
      {GalleryStyle::Shadowbox, dir.file("docs/movie #1.mp4"), dir.file("docs/movie #1.mp4"), "movie #1.mp4"},
      {GalleryStyle::Shadowbox, dir.file("docs/%"), dir.file("docs/IMG_7.JPG"), "IMG_7.JPG"},
      {GalleryStyle::Shadowbox, dir.file("docs/page.html"), dir.file("docs/page.html"), ""},
      {GalleryStyle::Shadowbox, "http://127.0.0.1/x.mp4", "http://127.0.0.1/x.mp4", ""},
      {GalleryStyle::Shadowbox, dir.file("docs/gone.mp4"), dir.file("docs/gone.mp4"), ""},
      {GalleryStyle::Lightbox, dir.file("docs/movie #1.mp4"), dir.file("docs/movie #1.mp4"), ""},
      {GalleryStyle::Simple, "", "", ""},
  };
  GallerySettings settings;
  settings.destFolder = dir.file("out");
  ImageItem image;
  image.sourcePath = "/photos/IMG_7.JPG";
  image.outputBaseName = "a#b?c%/d";
  for (const Case& each : cases) {
    settings.galleryStyle = static_cast<std::int16_t>(each.style);
    image.linkUrl = each.link;
    const GalleryFiles files = galleryFilesOf(settings, image);
    EXPECT_EQ(files.thumbFile, dir.file("out/thumbs/a#b?c%_d.jpg"));
    EXPECT_EQ(files.photoFile, dir.file("out/photos/a#b?c%_d.jpg"));
    EXPECT_EQ(files.thumbHref, "thumbs/a%23b%3Fc%25_d.jpg");
    EXPECT_EQ(files.photoHref, "photos/a%23b%3Fc%25_d.jpg");
    EXPECT_EQ(files.link, each.expectedLink) << each.link;
    if (each.copied.empty()) {
      EXPECT_EQ(files.copySource + files.copyFile + files.copyHref, "") << each.link;
    } else {
      EXPECT_EQ(files.copySource, each.expectedLink);
      EXPECT_EQ(files.copyFile, dir.file("out/gallery/" + each.copied));
      EXPECT_EQ(files.copyHref, "gallery/" + std::string(each.copied == "IMG_7.JPG" ? "IMG_7.JPG" : "movie %231.mp4"));
      EXPECT_EQ(galleryCopyHref(files.link), files.copyHref);
    }
  }
}

}  // namespace
}  // namespace velvara::core
