#include "platform/registry/Store.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/registry/AppSettings.h"
#include "tests/support/TempDir.h"

namespace velvara::registry {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint32_t kHkcu = kHkeyCurrentUser;

Bytes bytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

std::string readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeFile(const std::filesystem::path& file, std::string_view text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder, std::string_view containing) {
  std::vector<std::filesystem::path> found;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().filename().string().find(containing) != std::string::npos) found.push_back(entry.path());
  }
  return found;
}

class StoreTest : public ::testing::Test {
 protected:
  testing::TempDir dir;
  std::filesystem::path file = dir.path() / "config" / "registry";
};

TEST_F(StoreTest, EveryValueTypeSurvivesAReopen) {
  Bytes allBytes;
  for (int b = 0; b < 256; ++b) allBytes.push_back(static_cast<std::uint8_t>(b));
  const std::vector<StoredValue> written = {
      {"text", kRegSz, bytesOf(std::string("line 1\r\nline 2\n\0after zero\0", 27))},
      {"expand", kRegExpandSz, bytesOf(std::string("%HOME%\\x\0", 9))},
      {"binary", kRegBinary, allBytes},
      {"empty", kRegBinary, {}},
      {"dword", kRegDword, {1, 2, 3, 4}},
      {"big", kRegDwordBigEndian, {0, 0, 1, 2}},
      {"multi", kRegMultiSz, bytesOf(std::string("a\0b c\0\0", 7))},
      {"odd type", 0xFFFFFFFFu, bytesOf("k 1:x\nend\n")},
      {"", kRegSz, bytesOf(std::string("default\0", 8))},
      {std::string("name\n with\0zero", 15), kRegSz, bytesOf("v")},
  };
  {
    Store store(file);
    ASSERT_EQ(store.createKey(kHkcu, "Software\\Velvara\\Test"), kSuccess);
    for (const StoredValue& v : written)
      ASSERT_EQ(store.setValue(kHkcu, "Software\\Velvara\\Test", v.name, v.type, v.data), kSuccess);
  }
  Store reopened(file);
  for (const StoredValue& v : written) {
    StoredValue read;
    ASSERT_EQ(reopened.queryValue(kHkcu, "software\\VELVARA\\test", v.name, read), kSuccess) << v.name;
    EXPECT_EQ(read.name, v.name);
    EXPECT_EQ(read.type, v.type) << v.name;
    EXPECT_EQ(read.data, v.data) << v.name;
  }
  std::vector<std::string> names;
  ASSERT_EQ(reopened.enumValues(kHkcu, "Software\\Velvara\\Test", names), kSuccess);
  ASSERT_EQ(names.size(), written.size());
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], written[i].name);
}

TEST_F(StoreTest, NamesCompareWithoutCaseAndKeepTheirFirstCase) {
  Store store(file);
  ASSERT_EQ(store.createKey(kHkcu, "Software\\MixedCase"), kSuccess);
  ASSERT_EQ(store.createKey(kHkcu, "SOFTWARE\\mixedcase\\Sub"), kSuccess);
  ASSERT_EQ(store.setValue(kHkcu, "software\\MIXEDCASE", "Count", kRegSz, bytesOf("1")), kSuccess);
  ASSERT_EQ(store.setValue(kHkcu, "Software\\MixedCase", "COUNT", kRegSz, bytesOf("2")), kSuccess);

  std::vector<std::string> names;
  ASSERT_EQ(store.enumKeys(kHkcu, "", names), kSuccess);
  EXPECT_EQ(names, std::vector<std::string>{"Software"});
  ASSERT_EQ(store.enumKeys(kHkcu, "software", names), kSuccess);
  EXPECT_EQ(names, std::vector<std::string>{"MixedCase"});
  ASSERT_EQ(store.enumValues(kHkcu, "software\\mixedcase", names), kSuccess);
  EXPECT_EQ(names, std::vector<std::string>{"Count"});
  StoredValue read;
  ASSERT_EQ(store.queryValue(kHkcu, "Software\\MixedCase", "count", read), kSuccess);
  EXPECT_EQ(read.data, bytesOf("2"));
}

TEST_F(StoreTest, KeyOperationsAnswerWithTheirResults) {
  Store store(file);
  StoredValue read;
  EXPECT_EQ(store.openKey(kHkcu, "Missing"), kErrorFileNotFound);
  EXPECT_EQ(store.queryValue(kHkcu, "Missing", "x", read), kErrorFileNotFound);
  EXPECT_EQ(store.setValue(kHkcu, "Missing", "x", kRegSz, bytesOf("1")), kErrorFileNotFound);
  EXPECT_FALSE(std::filesystem::exists(file)) << "reads and refused writes create nothing";

  EXPECT_EQ(store.openKey(kHkeyClassesRoot, ""), kErrorInvalidHandle);
  EXPECT_EQ(store.createKey(0, "Software"), kErrorInvalidHandle);
  EXPECT_EQ(store.createKey(kHkcu, "a\\\\b"), kErrorInvalidParameter);
  EXPECT_EQ(store.createKey(kHkcu, "\\a"), kErrorInvalidParameter);

  ASSERT_EQ(store.createKey(kHkcu, "A\\B\\C"), kSuccess);
  EXPECT_EQ(store.openKey(kHkcu, "a\\b"), kSuccess);
  EXPECT_EQ(store.deleteKey(kHkcu, "A\\B"), kErrorAccessDenied) << "a key with sub-keys stays";
  EXPECT_EQ(store.deleteKey(kHkcu, ""), kErrorAccessDenied);
  EXPECT_EQ(store.deleteKey(kHkcu, "A\\B\\C"), kSuccess);
  EXPECT_EQ(store.deleteKey(kHkcu, "A\\B\\C"), kErrorFileNotFound);
  EXPECT_EQ(store.openKey(kHkcu, "A\\B"), kSuccess);

  ASSERT_EQ(store.setValue(kHkcu, "A", "v", kRegSz, bytesOf("1")), kSuccess);
  EXPECT_EQ(store.deleteValue(kHkcu, "A", "V"), kSuccess);
  EXPECT_EQ(store.deleteValue(kHkcu, "A", "v"), kErrorFileNotFound);
  EXPECT_EQ(store.queryValue(kHkcu, "A", "v", read), kErrorFileNotFound);
  EXPECT_TRUE(filesIn(file.parent_path(), ".tmp-").empty()) << "no temporary file is left behind";
}

TEST_F(StoreTest, DefaultFileFollowsTheConfigurationFolder) {
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string before = saved ? saved : "";
  setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
  EXPECT_EQ(Store::defaultFile(), dir.path() / "velvara" / "registry");
  setenv("XDG_CONFIG_HOME", "relative/folder", 1);
  EXPECT_EQ(Store::defaultFile().parent_path().parent_path().filename(), ".config");
  if (saved) {
    setenv("XDG_CONFIG_HOME", before.c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
  }
}

TEST_F(StoreTest, AnUnreadableFileIsMovedAsideAndNeverOverwritten) {
  std::filesystem::create_directories(file.parent_path());
  writeFile(file, "not a registry");
  Store store(file);
  EXPECT_EQ(store.openKey(kHkcu, ""), kSuccess);
  EXPECT_FALSE(std::filesystem::exists(file));
  ASSERT_EQ(store.createKey(kHkcu, "Fresh"), kSuccess);

  writeFile(file, "another damaged file");
  EXPECT_EQ(store.openKey(kHkcu, "Fresh"), kErrorFileNotFound) << "the store starts empty";
  const auto aside = filesIn(file.parent_path(), ".unreadable-");
  ASSERT_EQ(aside.size(), 2u);
  std::vector<std::string> contents = {readFile(aside[0]), readFile(aside[1])};
  std::sort(contents.begin(), contents.end());
  EXPECT_EQ(contents, (std::vector<std::string>{"another damaged file", "not a registry"}));
}

TEST_F(StoreTest, AFileCutShortAnywhereIsReadOrMovedAside) {
  {
    Store store(file);
    ASSERT_EQ(store.createKey(kHkcu, "Software\\Velvara"), kSuccess);
    ASSERT_EQ(store.setValue(kHkcu, "Software\\Velvara", "Name", kRegSz, bytesOf(std::string("a\nb\0", 4))), kSuccess);
    ASSERT_EQ(store.setValue(kHkcu, "Software\\Velvara", "N", kRegDword, Bytes{8, 0, 0, 0}), kSuccess);
  }
  const std::string whole = readFile(file);
  for (std::size_t cut = 0; cut < whole.size(); ++cut) {
    testing::TempDir each;
    const std::filesystem::path damaged = each.path() / "registry";
    writeFile(damaged, whole.substr(0, cut));
    Store store(damaged);
    std::vector<std::string> names;
    ASSERT_EQ(store.enumKeys(kHkcu, "", names), kSuccess) << "cut at " << cut;
    EXPECT_TRUE(names.empty()) << "cut at " << cut;
    const auto aside = filesIn(each.path(), ".unreadable-");
    if (cut == 0) {
      EXPECT_TRUE(aside.empty()) << "an empty file is an empty registry";
    } else {
      ASSERT_EQ(aside.size(), 1u) << "cut at " << cut;
      EXPECT_EQ(readFile(aside[0]), whole.substr(0, cut));
    }
  }
  StoredValue read;
  EXPECT_EQ(Store(file).queryValue(kHkcu, "Software\\Velvara", "N", read), kSuccess);
}

TEST_F(StoreTest, ValuesStayReadableWhenTheLockCannotBeTaken) {
  Store store(file);
  ASSERT_EQ(store.createKey(kHkcu, "Software"), kSuccess);
  ASSERT_EQ(store.setValue(kHkcu, "Software", "v", kRegSz, bytesOf("kept")), kSuccess);
  const std::filesystem::path lock = file.string() + ".lock";
  std::filesystem::remove(lock);
  std::filesystem::create_directory(lock);

  StoredValue read;
  ASSERT_EQ(store.queryValue(kHkcu, "Software", "v", read), kSuccess);
  EXPECT_EQ(read.data, bytesOf("kept"));
  EXPECT_NE(store.setValue(kHkcu, "Software", "v", kRegSz, bytesOf("new")), kSuccess) << "no change without the lock";

  writeFile(file, "damaged");
  EXPECT_EQ(store.queryValue(kHkcu, "Software", "v", read), kErrorFileNotFound);
  EXPECT_EQ(readFile(file), "damaged") << "only a reader holding the lock moves a file aside";
  EXPECT_TRUE(filesIn(file.parent_path(), ".unreadable-").empty());
}

TEST_F(StoreTest, AWriteRemovesTemporaryFilesOfInterruptedWrites) {
  Store store(file);
  ASSERT_EQ(store.createKey(kHkcu, "Software"), kSuccess);
  writeFile(file.string() + ".tmp-a1B2c3", "left by a write that was cut off");
  writeFile(file.string() + ".tmp-other", "not a temporary file of the store");
  ASSERT_EQ(store.setValue(kHkcu, "Software", "v", kRegSz, bytesOf("1")), kSuccess);
  EXPECT_EQ(filesIn(file.parent_path(), ".tmp-"), std::vector<std::filesystem::path>{file.string() + ".tmp-other"});
}

// Each process writes its own value of one key, over and over; both end
// with their last value in place.
TEST_F(StoreTest, TwoProcessesWritingTheSameKeyKeepBothValues) {
  constexpr int kRounds = 60;
  ASSERT_EQ(Store(file).createKey(kHkcu, "Shared"), kSuccess);
  std::vector<pid_t> children;
  for (const char* name : {"first", "second"}) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      Store store(file);
      int failures = 0;
      for (int round = 1; round <= kRounds; ++round) {
        const std::string text = std::string(name) + " " + std::to_string(round);
        failures += store.setValue(kHkcu, "Shared", name, kRegSz, bytesOf(text)) != kSuccess;
      }
      _exit(failures == 0 ? 0 : 1);
    }
    children.push_back(child);
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  Store store(file);
  for (const std::string name : {"first", "second"}) {
    StoredValue read;
    ASSERT_EQ(store.queryValue(kHkcu, "Shared", name, read), kSuccess) << name;
    EXPECT_EQ(read.data, bytesOf(name + " " + std::to_string(kRounds)));
  }
}

TEST_F(StoreTest, AppSettingsAreTextsOfTheSameStore) {
  AppSettings settings{Store(file)};
  EXPECT_EQ(settings.getSetting("/opt/velvara", "settings", "picinrow", "4"), "4");
  ASSERT_EQ(settings.saveSetting("/opt/velvara", "settings", "picinrow", "6"), kSuccess);
  ASSERT_EQ(settings.saveSetting("velvara", "MultiLang", "LangName", "German (Germany)"), kSuccess);
  EXPECT_EQ(settings.getSetting("/opt/velvara", "Settings", "PicInRow", "4"), "6");
  EXPECT_EQ(settings.getSetting("/usr/bin", "settings", "picinrow", "4"), "4");

  StoredValue read;
  ASSERT_EQ(Store(file).queryValue(kHkcu, "Software\\Velvara\\AppSettings\\velvara\\MultiLang", "LangName", read),
            kSuccess);
  EXPECT_EQ(read.type, kRegSz);
  EXPECT_EQ(read.data, bytesOf(std::string("German (Germany)\0", 17)));
}

}  // namespace
}  // namespace velvara::registry
