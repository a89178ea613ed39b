#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/registry/Store.h"
#include "tests/support/TempDir.h"
#include "widgets/store/cMRUFileList.h"

namespace velvara::widgets {
namespace {

constexpr const char* kRecentKey = "Software\\Velvara\\mru_projects";

std::vector<std::string> entriesOf(const cMRUFileList& list) {
  std::vector<std::string> entries;
  for (std::int32_t i = 1; i <= list.fileCount(); ++i) entries.push_back(list.sFile(i));
  return entries;
}

class RecentFilesTest : public ::testing::Test {
 protected:
  RecentFilesTest() : store(dir.path() / "registry"), registry(strings, store), list(strings) {
    registry.setClassKey(kHkeyCurrentUser);
    registry.setSectionKey(kRecentKey);
  }

  void storeValue(const std::string& name, std::int32_t type, const Variant& value) {
    registry.setValueKey(name);
    registry.setValueType(type);
    registry.setValue(value);
  }

  testing::TempDir dir;
  registry::Store store;
  i18n::StringService strings;
  cRegistry registry;
  cMRUFileList list;
};

TEST_F(RecentFilesTest, AddingPutsThePathOnTop) {
  list.setMaxFileCount(8);
  for (int i = 1; i <= 8; ++i) list.addFile("/p/" + std::to_string(i) + ".vlr");
  list.addFile("/p/new.vlr");
  EXPECT_EQ(list.fileCount(), 8);
  EXPECT_EQ(entriesOf(list), (std::vector<std::string>{"/p/new.vlr", "/p/8.vlr", "/p/7.vlr", "/p/6.vlr", "/p/5.vlr",
                                                       "/p/4.vlr", "/p/3.vlr", "/p/2.vlr"}));

  list.addFile("/P/6.VLR");
  EXPECT_EQ(list.fileCount(), 8);
  EXPECT_EQ(entriesOf(list), (std::vector<std::string>{"/P/6.VLR", "/p/new.vlr", "/p/8.vlr", "/p/7.vlr", "/p/5.vlr",
                                                       "/p/4.vlr", "/p/3.vlr", "/p/2.vlr"}));
  list.addFile("/P/6.VLR");
  EXPECT_EQ(list.sFile(1), "/P/6.VLR");
  EXPECT_EQ(list.sFile(2), "/p/new.vlr");

  list.addFile("/p/Café à Noël.vlr");
  list.addFile("/p/x.vlr");
  list.addFile("/P/CAFÉ À NOËL.VLR");
  EXPECT_EQ(list.sFile(1), "/P/CAFÉ À NOËL.VLR") << "accented letters match without regard to case too";
  EXPECT_EQ(list.sFile(2), "/p/x.vlr");
  EXPECT_EQ(list.sFile(3), "/P/6.VLR");
}

TEST_F(RecentFilesTest, IndexesOutsideTheCapacityAreRefused) {
  EXPECT_THROW(list.addFile("/a.vlr"), std::out_of_range) << "a list without capacity takes nothing";
  EXPECT_EQ(list.fileCount(), 0);
  list.setMaxFileCount(2);
  list.addFile("/a.vlr");
  EXPECT_EQ(list.sFile(2), "");
  EXPECT_FALSE(list.fileExists(2));
  EXPECT_THROW(list.sFile(0), std::out_of_range);
  EXPECT_THROW(list.fileExists(3), std::out_of_range);
  EXPECT_THROW(list.menuCaption(3), std::out_of_range);
  EXPECT_THROW(list.setMaxFileCount(-1), std::out_of_range);
}

TEST_F(RecentFilesTest, LoweringTheCapacityKeepsTheEntriesThatFit) {
  list.setMaxFileCount(5);
  for (const char* path : {"/e", "/d", "/c", "/b", "/a"}) list.addFile(path);
  list.setMaxFileCount(3);
  EXPECT_EQ(list.fileCount(), 3);
  EXPECT_EQ(entriesOf(list), (std::vector<std::string>{"/a", "/b", "/c"}));
  list.setMaxFileCount(6);
  EXPECT_EQ(list.fileCount(), 3);
  EXPECT_EQ(list.sFile(4), "");
}

TEST_F(RecentFilesTest, MenuCaptionsShortenLongPaths) {
  struct Case {
    std::string path;
    std::string caption;
  };
  const std::vector<Case> cases = {
      {"C:\\Galleries\\summer.vlr", "&3)  C:\\Galleries\\summer.vlr"},
      {"D:\\Photos\\Holidays 2008\\Italy\\Rome and Florence.vlr", "&3)  ...\\Italy\\Rome and Florence.vlr"},
      {"C:\\Photos\\abcdefghijklmnopqrstuvwxyzabcdef.vlr", "&3)  ...\\Photos\\abcdefghijklmnopqrstuvwxyzabcdef.vlr"},
      {"/home/someone/Photos/Holidays 2008/Italy/Rome and Florence.vlr", "&3)  .../Italy/Rome and Florence.vlr"},
      {"/home/someone/abcdefghijklmnopqrstuvwxyzabcdefgh.vlr",
       "&3)  .../home/someone/abcdefghijklmnopqrstuvwxyzabcdefgh.vlr"},
      {"Galleries of the summer of the year 2008.vlr", "&3)  Galleries of the summer of the year 2008.vlr"},
      // Characters, not bytes, count: 32 characters follow the "/" before "Ää".
      {"/home/someone/Ää ööööööööööööööööööööööööö.vlr", "&3)  .../Ää ööööööööööööööööööööööööö.vlr"},
      // An "&" is one character of the path and shows as itself, not as the
      // access key the caption's own "&3" gives.
      {"/home/someone/A&B Projekte/Rome & Florence.vlr", "&3)  .../A&&B Projekte/Rome && Florence.vlr"},
  };
  list.setMaxFileCount(3);
  for (const Case& c : cases) {
    list.addFile("/x");
    list.addFile("/y");
    list.addFile(c.path);
    list.addFile("/y");
    list.addFile("/x");
    EXPECT_EQ(list.menuCaption(3), c.caption) << c.path;
  }
  EXPECT_EQ(list.menuCaption(1), "&1)  /x");
}

TEST_F(RecentFilesTest, ASavedListLoadsThroughTheStore) {
  list.setMaxFileCount(8);
  for (const char* path : {"/old/Ä.vlr", "/p/100% of 50%.vlr", "/p/b.vlr", "/p/a.vlr"}) list.addFile(path);
  ASSERT_TRUE(list.save(registry));

  cRegistry reopened(strings, registry::Store(dir.path() / "registry"));
  reopened.setClassKey(kHkeyCurrentUser);
  reopened.setSectionKey(kRecentKey);
  cMRUFileList loaded(strings);
  ASSERT_TRUE(loaded.load(reopened));
  EXPECT_EQ(loaded.maxFileCount(), 8);
  EXPECT_EQ(loaded.fileCount(), 4);
  EXPECT_EQ(entriesOf(loaded), entriesOf(list));

  registry::StoredValue value;
  ASSERT_EQ(store.queryValue(registry::kHkeyCurrentUser, kRecentKey, "Count", value), registry::kSuccess);
  EXPECT_EQ(value.type, registry::kRegDword);
  ASSERT_EQ(store.queryValue(registry::kHkeyCurrentUser, kRecentKey, "File2", value), registry::kSuccess);
  EXPECT_EQ(value.type, registry::kRegSz);
  ASSERT_EQ(store.queryValue(registry::kHkeyCurrentUser, kRecentKey, "File3", value), registry::kSuccess);
  EXPECT_EQ(value.type, registry::kRegExpandSz) << "a path with two percent signs is stored for expansion";
}

TEST_F(RecentFilesTest, LoadingKeepsTheListWhenTheKeyIsMissing) {
  list.setMaxFileCount(4);
  list.addFile("/a.vlr");
  EXPECT_TRUE(list.load(registry));
  EXPECT_EQ(list.maxFileCount(), 4);
  EXPECT_EQ(entriesOf(list), std::vector<std::string>{"/a.vlr"});
}

TEST_F(RecentFilesTest, LoadingAShortListLeavesMissingEntriesEmpty) {
  storeValue("MaxCount", 4, std::int32_t{5});
  storeValue("Count", 4, std::int32_t{3});
  storeValue("File1", 1, std::string("/one.vlr"));
  storeValue("File3", 1, std::string("/three.vlr"));
  storeValue("File4", 1, std::string("/beyond the count.vlr"));
  ASSERT_TRUE(list.load(registry));
  EXPECT_EQ(list.maxFileCount(), 5);
  EXPECT_EQ(list.fileCount(), 3);
  EXPECT_EQ(entriesOf(list), (std::vector<std::string>{"/one.vlr", "", "/three.vlr"}));
  EXPECT_FALSE(list.fileExists(2));
  EXPECT_FALSE(list.fileExists(4));
  list.setMaxFileCount(8);
  EXPECT_EQ(list.fileCount(), 3);
  EXPECT_EQ(entriesOf(list), (std::vector<std::string>{"/one.vlr", "", "/three.vlr"}));

  list.addFile("");
  EXPECT_EQ(list.fileCount(), 3) << "an empty path matches the empty entry";
  EXPECT_EQ(entriesOf(list), (std::vector<std::string>{"", "/one.vlr", "/three.vlr"}));
}

TEST_F(RecentFilesTest, LoadingReplacesOnlyTheEntriesInUse) {
  list.setMaxFileCount(4);
  for (const char* path : {"/d", "/c", "/b", "/a"}) list.addFile(path);
  storeValue("MaxCount", 4, std::int32_t{4});
  storeValue("Count", 4, std::int32_t{2});
  storeValue("File2", 1, std::string("/stored.vlr"));
  ASSERT_TRUE(list.load(registry));
  EXPECT_EQ(list.fileCount(), 2);
  EXPECT_EQ((std::vector<std::string>{list.sFile(1), list.sFile(2), list.sFile(3), list.sFile(4)}),
            (std::vector<std::string>{"", "/stored.vlr", "/c", "/d"}))
      << "entries above the count keep their old texts";
}

TEST_F(RecentFilesTest, LoadingWithoutACapacityReadsNoEntries) {
  list.setMaxFileCount(3);
  list.addFile("/kept?.vlr");
  storeValue("Count", 4, std::int32_t{1});
  storeValue("File1", 1, std::string("/stored.vlr"));
  EXPECT_TRUE(list.load(registry));
  EXPECT_EQ(list.maxFileCount(), 0);
  EXPECT_EQ(list.fileCount(), 0);

  storeValue("MaxCount", 4, std::int32_t{0});
  EXPECT_TRUE(list.load(registry));
  EXPECT_EQ(list.fileCount(), 0);
}

TEST_F(RecentFilesTest, TheCountNeverExceedsTheCapacity) {
  storeValue("MaxCount", 4, std::int32_t{10});
  storeValue("Count", 4, std::int32_t{10});
  for (int n = 1; n <= 10; ++n) storeValue("File" + std::to_string(n), 1, "/" + std::to_string(n) + ".vlr");
  ASSERT_TRUE(list.load(registry));
  list.setMaxFileCount(8);
  EXPECT_EQ(list.fileCount(), 8);
  EXPECT_EQ(list.sFile(8), "/8.vlr");

  storeValue("MaxCount", 4, std::int32_t{3});
  storeValue("Count", 4, std::int32_t{5});
  ASSERT_TRUE(list.load(registry));
  EXPECT_EQ(list.fileCount(), 3);
  EXPECT_EQ(entriesOf(list), (std::vector<std::string>{"/1.vlr", "/2.vlr", "/3.vlr"}));

  // A damaged count loads at once: only the values present are read.
  storeValue("MaxCount", 4, std::int32_t{2000000000});
  storeValue("Count", 4, std::int32_t{2000000000});
  ASSERT_TRUE(list.load(registry));
  EXPECT_EQ(list.fileCount(), 2000000000);
  EXPECT_EQ(list.sFile(10), "/10.vlr");
  EXPECT_EQ(list.sFile(11), "");

  // An entry far down such a list costs no memory for the ones before it.
  storeValue("File1999999999", 1, std::string("/far.vlr"));
  ASSERT_TRUE(list.load(registry));
  EXPECT_EQ(list.sFile(1999999999), "/far.vlr");
  list.addFile("/new.vlr");
  EXPECT_EQ(list.fileCount(), 2000000000);
  EXPECT_EQ(list.sFile(1), "/new.vlr");
  EXPECT_EQ(list.sFile(11), "/10.vlr");
  EXPECT_EQ(list.sFile(2000000000), "/far.vlr");
  list.setMaxFileCount(8);
  EXPECT_EQ(list.fileCount(), 8);
  EXPECT_EQ(list.sFile(8), "/7.vlr");
}

TEST_F(RecentFilesTest, RegistryFailuresAreReportedAsFalse) {
  list.setMaxFileCount(2);
  list.addFile("/a.vlr");
  registry.setClassKey(0);
  EXPECT_FALSE(list.save(registry));

  registry.setClassKey(kHkeyCurrentUser);
  storeValue("MaxCount", 1, std::string("many"));
  EXPECT_FALSE(list.load(registry));
  storeValue("MaxCount", 1, std::string(" 4 "));
  EXPECT_TRUE(list.load(registry)) << "a number stored as text still reads";
  EXPECT_EQ(list.maxFileCount(), 4);

  list.addFile("/b.vlr");
  storeValue("MaxCount", 4, std::int32_t{-3});
  EXPECT_FALSE(list.load(registry)) << "a negative capacity is refused";
  EXPECT_EQ(list.maxFileCount(), 4);
  EXPECT_EQ(list.sFile(1), "/b.vlr");
}

}  // namespace
}  // namespace velvara::widgets
