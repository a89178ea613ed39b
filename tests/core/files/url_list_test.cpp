#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "core/files/UrlList.h"
#include "core/files/UrlListFormat.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"

namespace velvara::core {
namespace {

std::vector<std::string> keysOf(const KeyedCollection<std::string>& urls) {
  std::vector<std::string> keys;
  for (const auto& [key, item] : urls) keys.push_back(item);
  return keys;
}

class UrlListTest : public ::testing::Test {
 protected:
  // Whatever the program keeps in the user's cache folder stays in a folder
  // of the test's own.
  UrlListTest() { setenv("XDG_CACHE_HOME", cache.path().c_str(), 1); }

  std::string urlsFile() const { return dir.file("urls.txt"); }
  std::string readUrlsFile() const {
    std::ifstream in(urlsFile(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  testing::TempDir dir;
  testing::TempDir cache;
  testing::FakeHost host;
};

TEST_F(UrlListTest, LinesAreTrimmedNormalisedAndMergedWithoutRegardToCase) {
  std::ofstream(urlsFile(), std::ios::binary) << "www.Example.test/a\r\n"
                                                 "   http://www.Example.test/a  \r\n"
                                                 "\r\n"
                                                 "HTTP://WWW.EXAMPLE.TEST/A\r\n"
                                                 "http:\\\\127.0.0.1\\\\x\n"
                                                 "C:\\\\local\\\\page.html";
  KeyedCollection<std::string> urls;
  ASSERT_TRUE(loadUrlList(host, urls, dir.path().string()));
  EXPECT_EQ(keysOf(urls),
            (std::vector<std::string>{"http://www.Example.test/a", "http://127.0.0.1//x", "C:\\\\local\\\\page.html"}));
}

TEST_F(UrlListTest, TwoRunsKeepEachOthersAddresses) {
  KeyedCollection<std::string> first;
  KeyedCollection<std::string> second;
  ASSERT_TRUE(loadUrlList(host, first, dir.path().string()));
  ASSERT_TRUE(loadUrlList(host, second, dir.path().string()));
  rememberUrl(first, "http://127.0.0.1/first");
  rememberUrl(second, "http://127.0.0.1/second");
  rememberUrl(second, "");
  ASSERT_TRUE(saveUrlList(host, first, dir.path().string()));
  ASSERT_TRUE(saveUrlList(host, second, dir.path().string()));
  EXPECT_EQ(readUrlsFile(), "http://127.0.0.1/second\r\nhttp://127.0.0.1/first\r\n");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(UrlListTest, NonWesternAddressesSurviveAndWindows1252LinesReadAsCharacters) {
  KeyedCollection<std::string> urls;
  rememberUrl(urls, "http://127.0.0.1/日本語");
  rememberUrl(urls, "http://127.0.0.1/café");
  ASSERT_TRUE(saveUrlList(host, urls, dir.path().string()));
  EXPECT_EQ(readUrlsFile(), "http://127.0.0.1/日本語\r\nhttp://127.0.0.1/caf\xE9\r\n");
  KeyedCollection<std::string> again;
  ASSERT_TRUE(loadUrlList(host, again, dir.path().string()));
  EXPECT_EQ(keysOf(again), keysOf(urls));
}

TEST_F(UrlListTest, NothingIsWrittenForAnEmptyCollection) {
  KeyedCollection<std::string> urls;
  ASSERT_TRUE(saveUrlList(host, urls, dir.path().string()));
  EXPECT_FALSE(std::filesystem::exists(urlsFile()));
  rememberUrl(urls, "");
  ASSERT_TRUE(saveUrlList(host, urls, dir.path().string()));
  EXPECT_EQ(readUrlsFile(), "");
}

TEST_F(UrlListTest, AnUnreadableFileIsReportedAndNeverOverwritten) {
  std::filesystem::create_directory(urlsFile());
  KeyedCollection<std::string> urls;
  rememberUrl(urls, "http://127.0.0.1/");
  EXPECT_FALSE(saveUrlList(host, urls, dir.path().string()));
  EXPECT_TRUE(std::filesystem::is_directory(urlsFile()));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, urlsFile());
}

// Several processes save at once, each a new address at a time; every
// address of every process is in the file at the end.
TEST_F(UrlListTest, ProcessesSavingAtOnceLoseNoAddress) {
  constexpr int kProcesses = 4;
  constexpr int kRounds = 60;
  std::vector<pid_t> children;
  for (int process = 0; process < kProcesses; ++process) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      testing::FakeHost childHost;
      int failures = 0;
      for (int round = 0; round < kRounds; ++round) {
        KeyedCollection<std::string> urls;
        rememberUrl(urls, "http://127.0.0.1/" + std::to_string(process) + "/" + std::to_string(round));
        failures += !saveUrlList(childHost, urls, dir.path().string());
      }
      _exit(failures == 0 ? 0 : 1);
    }
    children.push_back(child);
  }
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  KeyedCollection<std::string> saved;
  ASSERT_TRUE(loadUrlList(host, saved, dir.path().string()));
  const std::vector<std::string> keys = keysOf(saved);
  EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), std::size_t{kProcesses * kRounds});
}

}  // namespace
}  // namespace velvara::core
