#include <gtest/gtest.h>

#include "core/model/GallerySettings.h"

namespace velvara::core {
namespace {

TEST(SetDefaultSettings, KeepsTheFieldsWithoutDefaults) {
  GallerySettings s;
  s.baseUrl = "http://example.test/";
  s.pageBackImage = "/p.png";
  s.cellBackImage = "/c.png";
  s.spareText1 = "one";
  s.spareText2 = "two";
  s.spareTexts[15] = "last";
  s.spareBytes[13] = 7;
  s.columns = 9;
  setDefaultSettings(s, "My Image Gallery", "/home/u/Documents");
  EXPECT_EQ(s.baseUrl, "http://example.test/");
  EXPECT_EQ(s.pageBackImage, "/p.png");
  EXPECT_EQ(s.cellBackImage, "/c.png");
  EXPECT_EQ(s.spareText1, "one");
  EXPECT_EQ(s.spareText2, "two");
  EXPECT_EQ(s.spareTexts[15], "last");
  EXPECT_EQ(s.spareBytes[13], 7);
  EXPECT_EQ(s.columns, 4);
  EXPECT_EQ(s.rows, 100);
  EXPECT_EQ(s.webTitle, "My Image Gallery");
  EXPECT_EQ(s.destFolder, "/home/u/Documents/VLR/Image Gallery");
  EXPECT_EQ(s.keepAspectRatio, 1);
}

TEST(SetDefaultSettings, WithoutDocumentsFolderTheOutputFolderStartsWithTheSeparator) {
  GallerySettings s;
  setDefaultSettings(s, "", "");
  EXPECT_EQ(s.destFolder, "/VLR/Image Gallery");
}

}  // namespace
}  // namespace velvara::core
