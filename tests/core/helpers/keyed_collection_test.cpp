#include "core/helpers/KeyedCollection.h"

#include <gtest/gtest.h>

#include <memory>

namespace velvara::core {
namespace {

TEST(KeyedCollection, KeysCompareWithoutCaseAndAKeyIsAddedOnce) {
  KeyedCollection<std::string> urls;
  EXPECT_TRUE(urls.add("http://Host/A", "first"));
  EXPECT_FALSE(urls.add("HTTP://HOST/a", "second"));
  EXPECT_EQ(urls.size(), 1u);
  ASSERT_NE(urls.find("http://host/a"), nullptr);
  EXPECT_EQ(*urls.find("http://host/a"), "first");
  EXPECT_TRUE(urls.contains("HTTP://host/A"));
  EXPECT_FALSE(urls.contains("http://host/a/"));
}

TEST(KeyedCollection, FoldsEveryLetterOfWindows1252) {
  struct Case {
    const char* key;
    const char* folded;
  };
  const Case cases[] = {
      {"JPG.Jpeg-\u00C9", "jpg.jpeg-\u00E9"},
      {"\u00C0\u00C6\u00D0\u00D6\u00D8\u00DE", "\u00E0\u00E6\u00F0\u00F6\u00F8\u00FE"},
      {"\u00D7\u00DF\u00FF", "\u00D7\u00DF\u00FF"},  // the sign and the letters without a capital stay
      {"\u0160\u0152\u017D\u0178", "\u0161\u0153\u017E\u00FF"},
      {"\u0100\u0393\u0416", "\u0100\u0393\u0416"},  // beyond the code page nothing is folded
      {"end\xC3", "end\xC3"},                        // a sequence cut short stays
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(foldKeyCase(c.key), c.folded);
  }
  KeyedCollection<int> urls;
  EXPECT_TRUE(urls.add("http://host/Caf\u00E9", 1));
  EXPECT_FALSE(urls.add("HTTP://HOST/CAF\u00C9", 2));
}

TEST(KeyedCollection, KeepsTheOrderOfAddingAndTheFirstSpelling) {
  KeyedCollection<int> extensions;
  for (const char* key : {"tif", "JPG", "png", "jpg", "Bmp"}) extensions.add(key, static_cast<int>(extensions.size()));
  std::vector<std::string> keys;
  std::vector<int> items;
  for (const auto& [key, item] : extensions) {
    keys.push_back(key);
    items.push_back(item);
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"tif", "JPG", "png", "Bmp"}));
  EXPECT_EQ(items, (std::vector<int>{0, 1, 2, 3}));
  extensions.clear();
  EXPECT_TRUE(extensions.empty());
  EXPECT_TRUE(extensions.add("jpg", 9));
}

TEST(CollectionTryGet, FetchesPresentKeysAndLeavesTheItemOtherwise) {
  KeyedCollection<std::shared_ptr<int>> collection;
  collection.add("Key", std::make_shared<int>(7));
  std::shared_ptr<int> item;
  ASSERT_TRUE(collectionTryGet(collection, "KEY", item));
  EXPECT_EQ(*item, 7);
  EXPECT_EQ(item, *collection.find("key"));  // the same object, not a copy of it

  auto untouched = std::make_shared<int>(1);
  std::shared_ptr<int> before = untouched;
  EXPECT_FALSE(collectionTryGet(collection, "missing", untouched));
  EXPECT_EQ(untouched, before);
  KeyedCollection<std::shared_ptr<int>> empty;
  EXPECT_FALSE(collectionTryGet(empty, "", untouched));
}

}  // namespace
}  // namespace velvara::core
