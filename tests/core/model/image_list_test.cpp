#include "core/model/ImageList.h"

#include <gtest/gtest.h>

#include "core/model/FileHeader.h"

namespace velvara::core {
namespace {

ImageItem named(const std::string& baseName) {
  ImageItem item;
  item.outputBaseName = baseName;
  return item;
}

TEST(UniqueImageName, CandidatesAreBuiltFromTheNamePassedIn) {
  ImageList list;
  EXPECT_EQ(uniqueImageName(list, "a"), "a");
  list.append(named("a_1"), {});
  list.append(named("a"), {});
  EXPECT_EQ(uniqueImageName(list, "a"), "a_2");
}

TEST(UniqueImageName, ThreePhotosOfTheSameNameGetNumberedNames) {
  ImageList list;
  for (int i = 0; i < 3; ++i) list.append(named(uniqueImageName(list, "photo")), {});
  EXPECT_EQ(list.item(0).outputBaseName, "photo");
  EXPECT_EQ(list.item(1).outputBaseName, "photo_1");
  EXPECT_EQ(list.item(2).outputBaseName, "photo_2");
  EXPECT_EQ(uniqueImageName(list, "Photo"), "Photo");
}

TEST(GetFileExtension, LooksAtTheWholePath) {
  EXPECT_EQ(getFileExtension("archive.tar.GZ"), "GZ");
  EXPECT_EQ(getFileExtension("C:\\photos.2010\\pic"), "2010\\pic");
  EXPECT_EQ(getFileExtension("C:\\photos\\pic"), "");
  EXPECT_EQ(getFileExtension("name."), "");
}

TEST(ImageList, CapacityFollowsItsRules) {
  ImageList list;
  EXPECT_EQ(list.capacity(), 200);
  for (int i = 0; i < 200; ++i) list.append(named("x"), {});
  EXPECT_EQ(list.capacity(), 200);
  list.append(named("y"), {});
  EXPECT_EQ(list.capacity(), 300);
  EXPECT_TRUE(list.item(200).thumbnailCached);

  list.replaceAfterLoad(std::vector<ImageItem>(7));
  EXPECT_EQ(list.count(), 7);
  EXPECT_EQ(list.capacity(), 107);
  EXPECT_FALSE(list.item(0).thumbnailCached);

  list.move(0, 6);
  EXPECT_EQ(list.capacity(), 7);
  list.clear();
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.capacity(), 7);
}

TEST(ImageList, AFullListGrowsBeforeAnAddEvenWhenTheAddIsThenRefused) {
  ImageList list;
  list.replaceAfterLoad(std::vector<ImageItem>(3));
  list.move(0, 0);
  ASSERT_EQ(list.capacity(), 3);
  list.growIfFull();  // the file then turns out unreadable: nothing is appended
  EXPECT_EQ(list.count(), 3);
  EXPECT_EQ(list.capacity(), 103);
  list.growIfFull();
  list.append(named("a"), {});
  EXPECT_EQ(list.capacity(), 103);
}

TEST(ImageList, AReorderInPlaceStillSetsTheCapacityAndOneOutsideTheListIsIgnored) {
  ImageList list;
  for (const char* name : {"a", "b", "c"}) list.append(named(name), {});
  list.move(3, 0);
  list.move(-1, 1);
  EXPECT_EQ(list.capacity(), 200);
  EXPECT_EQ(list.item(0).outputBaseName, "a");
  list.move(1, 1);
  EXPECT_EQ(list.capacity(), 3);
  EXPECT_EQ(list.item(1).outputBaseName, "b");
}

TEST(ImageList, AnEmptyLoadLeavesRoomForOneStep) {
  ImageList list;
  list.replaceAfterLoad({});
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.capacity(), 100);
}

TEST(ImageList, MoveCarriesThePreviewAlong) {
  ImageList list;
  for (const char* name : {"a", "b", "c", "d"}) {
    imagelib::Bitmap preview;
    preview.width = name[0];
    list.append(named(name), std::move(preview));
  }
  list.move(0, 2);
  EXPECT_EQ(list.item(2).outputBaseName, "a");
  EXPECT_EQ(list.bitmap(2).width, 'a');
  EXPECT_EQ(list.item(0).outputBaseName, "b");
  list.move(3, 0);
  EXPECT_EQ(list.item(0).outputBaseName, "d");
  EXPECT_EQ(list.bitmap(0).width, 'd');
  EXPECT_EQ(list.item(3).outputBaseName, "a");
}

TEST(FileHeader, RecognisesBothHeadersAndRefusesShortInput) {
  std::vector<std::uint8_t> current(kFileHeader.begin(), kFileHeader.end());
  std::vector<std::uint8_t> old(kOldProjectHeader.begin(), kOldProjectHeader.end());
  EXPECT_TRUE(isCurrentFileHeader(current));
  EXPECT_FALSE(isOldProjectHeader(current));
  EXPECT_TRUE(isOldProjectHeader(old));
  EXPECT_FALSE(isCurrentFileHeader(old));
  current.pop_back();
  EXPECT_FALSE(isCurrentFileHeader(current));
  current.push_back(1);
  EXPECT_FALSE(isCurrentFileHeader(current));
}

}  // namespace
}  // namespace velvara::core
