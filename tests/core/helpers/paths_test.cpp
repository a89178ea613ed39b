#include "core/helpers/Paths.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/TempDir.h"

namespace velvara::core {
namespace {

struct PathCase {
  const char* path;
  const char* expected;
};

TEST(FileNameOfPath, StopsAtTheLastSeparatorOrDrive) {
  const PathCase cases[] = {
      {"C:\\photos\\a.jpg", "a.jpg"},
      {"C:a.jpg", "a.jpg"},
      {"a.jpg", "a.jpg"},
      {"C:\\photos\\", ""},
      {"", ""},
      {"C:\\a\\b:c", "c"},
      {"/home/u/photos/a.jpg", "a.jpg"},
      {"/home/u/photos/", ""},
      {"/home/u/12:30.jpg", "12:30.jpg"},  // a "/" path never splits at ":"
      {"C:\\old/mixed\\x.png", "x.png"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(fileNameOfPath(c.path), c.expected);
  }
}

TEST(StripExtension, CutsAtTheLastPointOfTheWholeText) {
  const PathCase cases[] = {
      {"pic.tar.gz", "pic.tar"},
      {"pic", "pic"},
      {"", ""},
      {"C:\\photos.2010\\pic", "C:\\photos"},
      {"/home/u/photos.2010/pic", "/home/u/photos"},
      {".hidden", ""},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(stripExtension(c.path), c.expected);
  }
}

TEST(GetFileName, WithoutExtension) {
  const PathCase cases[] = {
      {"C:\\photos.2010\\pic", "pic"},    {"C:\\photos.2010\\", ""},
      {"pic.tar.gz", "pic.tar"},          {"C:pic.jpg", "pic"},
      {"/home/u/photos.2010/pic", "pic"}, {"/home/u/12:30.jpg", "12:30"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(getFileName(c.path, false), c.expected);
  }
}

TEST(GetFileName, WithExtension) {
  const PathCase cases[] = {
      {"C:\\a\\b:c", "b:c"},  // a backslash wins over a later ":"
      {"C:\\photos\\a.jpg", "a.jpg"},
      {"C:a.jpg", "a.jpg"},
      {"a.jpg", "a.jpg"},
      {"/srv/gallery/thumbs/x.JPG", "x.JPG"},
      {"/srv/12:30/a:b.jpg", "a:b.jpg"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(getFileName(c.path, true), c.expected);
  }
}

TEST(PathExists, FilesAndFoldersExistOthersDoNot) {
  testing::TempDir dir;
  const std::string file = dir.file("a.jpg");
  std::ofstream(file) << "x";
  EXPECT_TRUE(pathExists(file));
  EXPECT_TRUE(pathExists(dir.path().string()));
  EXPECT_FALSE(pathExists(dir.file("missing.jpg")));
  EXPECT_FALSE(pathExists(""));
  EXPECT_FALSE(pathExists(dir.file("a.jpg/below")));
}

}  // namespace
}  // namespace velvara::core
