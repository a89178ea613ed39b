#include "platform/files/TemporaryFile.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

#include "platform/files/TemporaryNames.h"
#include "tests/support/TempDir.h"

namespace velvara::files {
namespace {

namespace fs = std::filesystem;

TEST(TemporaryNames, FitWhereverTheNameFitsAndBelongToTheirFileAlone) {
  std::string accents;  // "é" is two bytes
  for (int i = 0; i < 127; ++i) accents += "\xC3\xA9";
  // A name, and the longest name its folder holds.
  const std::vector<std::pair<std::string, std::size_t>> cases = {
      {"a.vlr", 255},
      {std::string(244, 'p'), 255},  // the longest kept whole
      {std::string(245, 'p'), 255},
      {std::string(251, 'p') + ".jpg", 255},
      // The cut falls inside an "é" either way.
      {accents + "x", 255},
      {"x" + accents, 255},
      {std::string(140, 'p'), 143},  // a file system of shorter names
  };
  for (const auto& [name, longest] : cases) {
    SCOPED_TRACE(name.size());
    const std::string temporary = temporaryNamePrefix(name, longest) + "a1B2c3";
    EXPECT_LE(temporary.size(), longest);
    EXPECT_TRUE(isTemporaryNameOf(temporary, name, longest));
    const std::size_t hash = temporary.find('~');
    if (hash != std::string::npos) {
      EXPECT_GE(temporary.size() + 3, longest) << "cut no shorter than a character needs";
      EXPECT_NE(static_cast<unsigned char>(name[hash]) & 0xC0, 0x80) << "a character is cut in two";
    } else {
      EXPECT_EQ(temporary, name + ".tmp-a1B2c3");
    }
    // Names that begin alike have temporaries of their own.
    EXPECT_FALSE(isTemporaryNameOf(temporary, name.substr(0, name.size() - 1) + "q", longest));
  }
  for (const std::string other : {"gross.vlr.tmp8561-1", "gross.vlr.tmp-a1B2c3", "gross.vlr.tmp-000000"})
    EXPECT_TRUE(isTemporaryNameOf(other, "gross.vlr", 255)) << other;
  for (const std::string other : {"gross.vlr.tmp-a1B2c", "gross.vlr.tmp-a1B2c34", "gross.vlr.tmp-a1B2c!",
                                  "gross.vlr.tmp8561-", "gross.vlr.tmp-8561-1", "gross.vlr.tmp8561-1.txt", "gross.vlr",
                                  "other.vlr.tmp-a1B2c3", ".gross.vlr.tmp-a1B2c3"})
    EXPECT_FALSE(isTemporaryNameOf(other, "gross.vlr", 255)) << other;
}

// A writer killed while it writes leaves its temporary; once it is gone, and
// only then, the temporary is taken for abandoned.
TEST(TemporaryFile, OnlyTemporariesThatNoWriterHoldsAreRemoved) {
  testing::TempDir dir;
  const fs::path target = dir.path() / "gross.vlr";
  std::ofstream(dir.path() / "gross.vlr.tmp-Left00") << "left by a writer that ended";

  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t writer = ::fork();
  ASSERT_GE(writer, 0);
  if (writer == 0) {
    TemporaryFile file(target);
    const bool made = !file.error() && ::write(file.fd(), "half", 4) == 4;
    ::_exit(::write(ready[1], made ? "y" : "n", 1) == 1 && ::pause() == 0 ? 0 : 1);
  }
  char made = 0;
  ASSERT_EQ(::read(ready[0], &made, 1), 1);
  ASSERT_EQ(made, 'y');
  ::close(ready[0]);
  ::close(ready[1]);
  ASSERT_EQ(dir.names().size(), 2u);

  {
    TemporaryFile ours(target);
    ASSERT_FALSE(ours.error());
    removeAbandonedTemporaries(target);
    EXPECT_EQ(dir.names().size(), 2u) << "the other process's and ours stay";
    EXPECT_FALSE(fs::exists(dir.path() / "gross.vlr.tmp-Left00"));
  }
  EXPECT_EQ(dir.names().size(), 1u) << "ours is removed with it";

  ::kill(writer, SIGKILL);
  int status = 0;
  ASSERT_EQ(::waitpid(writer, &status, 0), writer);
  EXPECT_EQ(dir.names().size(), 1u) << "what the killed writer wrote stays...";
  removeAbandonedTemporaries(target);
  EXPECT_TRUE(dir.names().empty()) << "...until it is taken for abandoned";

  TemporaryFile placed(target);
  ASSERT_EQ(::write(placed.fd(), "whole", 5), 5);
  ASSERT_FALSE(placed.close());
  ASSERT_FALSE(placed.putInPlace());
  removeAbandonedTemporaries(target);
  EXPECT_EQ(dir.names(), std::vector<std::string>{"gross.vlr"});
  std::string text;
  std::ifstream(target) >> text;
  EXPECT_EQ(text, "whole");
}

}  // namespace
}  // namespace velvara::files
