#include "core/folders/DataFolder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "core/model/GallerySettings.h"
#include "platform/shell/Folders.h"
#include "tests/support/TempDir.h"

namespace velvara::core {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class DataFolderTest : public ::testing::Test {
 protected:
  testing::TempDir home_;
  ScopedEnv homeEnv_{"HOME", home_.path().string()};
  ScopedEnv configEnv_{"XDG_CONFIG_HOME", home_.file("config")};

  void writeUserDirs(const std::string& line) {
    fs::create_directories(home_.path() / "config");
    std::ofstream(home_.path() / "config" / "user-dirs.dirs") << "# written by a test\n" << line << "\n";
  }
};

TEST_F(DataFolderTest, PersonalFolderIsTheXdgDocumentsFolderWithoutTrailingSeparator) {
  writeUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Dokumente/\"");
  EXPECT_EQ(getPersonalFolder(), home_.file("Dokumente"));
}

TEST_F(DataFolderTest, PersonalFolderDefaultsToDocumentsInTheHome) {
  EXPECT_EQ(getPersonalFolder(), home_.file("Documents"));
}

TEST_F(DataFolderTest, UserDirsAreReadAsTheShellReadsThem) {
  struct Case {
    const char* lines;
    std::string folder;
  };
  const Case cases[] = {
      {"XDG_DOCUMENTS_DIR=\"$HOME/A\"\nXDG_DOCUMENTS_DIR=\"$HOME/B\"", home_.file("B")},  // the later line wins
      {"  XDG_DOCUMENTS_DIR=\"/srv/docs\"\r", "/srv/docs"},
      {"XDG_DOCUMENTS_DIR=\"$HOME\"", home_.path().string()},
      {"XDG_DOCUMENTS_DIR=\"relative/docs\"", home_.file("Documents")},  // neither $HOME nor absolute
      {"XDG_DOCUMENTS_DIR_OLD=\"/srv/old\"\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"", home_.file("Documents")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    writeUserDirs(c.lines);
    EXPECT_EQ(getPersonalFolder(), c.folder);
  }
}

TEST_F(DataFolderTest, ARelativeConfigHomeIsIgnored) {
  fs::create_directories(home_.path() / ".config");
  std::ofstream(home_.path() / ".config" / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/FromDotConfig\"\n";
  ScopedEnv relative("XDG_CONFIG_HOME", "config");
  EXPECT_EQ(getPersonalFolder(), home_.file("FromDotConfig"));
}

TEST_F(DataFolderTest, DataFolderIsVlrInTheDocumentsAndIsMadeOnce) {
  writeUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Docs\"");
  fs::create_directories(home_.path() / "Docs");
  const std::string expected = home_.file("Docs") + "/VLR";
  // Looking for it makes nothing; until it is made it holds nothing.
  EXPECT_EQ(findDataFolder(), shell::programFolder());
  EXPECT_FALSE(fs::exists(expected));
  EXPECT_EQ(getDataFolder(), expected);
  EXPECT_TRUE(fs::is_directory(expected));
  EXPECT_EQ(findDataFolder(), expected);

  std::ofstream(expected + "/urls.txt") << "http://kept\n";
  EXPECT_EQ(getDataFolder(), expected);
  EXPECT_TRUE(fs::exists(expected + "/urls.txt"));
  EXPECT_EQ(chooseDataFolder(), expected);
}

TEST_F(DataFolderTest, AMissingDocumentsFolderIsMadeToo) {
  const std::string expected = home_.file("Documents") + "/VLR";
  EXPECT_EQ(getDataFolder(), expected);
  EXPECT_TRUE(fs::is_directory(expected));
}

TEST_F(DataFolderTest, AFileInTheWayGivesNoDataFolderAndTheProgramFolderIsUsed) {
  fs::create_directories(home_.path() / "Documents");
  std::ofstream(home_.path() / "Documents" / "VLR") << "not a folder";
  EXPECT_EQ(getDataFolder(), "");
  EXPECT_EQ(chooseDataFolder(), shell::programFolder());
  EXPECT_EQ(findDataFolder(), shell::programFolder());
  EXPECT_TRUE(fs::is_regular_file(home_.path() / "Documents" / "VLR"));
}

TEST_F(DataFolderTest, AFolderThatCannotBeMadeGivesNoDataFolder) {
  // Documents is a file, so nothing can be made below it, even for root.
  std::ofstream(home_.path() / "Documents") << "not a folder";
  EXPECT_EQ(getDataFolder(), "");
}

TEST(DataFolderWithoutHome, NoDocumentsFolderMeansNoDataFolderRatherThanOneAtTheRoot) {
  ScopedEnv home("HOME", std::nullopt);
  EXPECT_EQ(getPersonalFolder(), "");
  EXPECT_EQ(getDataFolder(), "");
  EXPECT_FALSE(chooseDataFolder().empty());
  GallerySettings settings;
  setDefaultSettings(settings, "Gallery", getPersonalFolder());
  EXPECT_EQ(settings.destFolder.front(), '/');
}

}  // namespace
}  // namespace velvara::core
