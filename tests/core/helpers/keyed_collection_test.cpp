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
  EXPECT_EQ(foldKeyCase("JPG.Jpeg-\u00C9"), "jpg.jpeg-\u00C9");
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
