#pragma once
// A collection of items under text keys that compare without regard to case,
// kept in the order of adding. Adding a key that is present fails.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace velvara::core {

// The key as the collection compares it: every letter that Windows-1252 has
// (the code page of the program's files) folded to lower case; other letters
// are kept as they are.
std::string foldKeyCase(std::string_view key);

template <typename T>
class KeyedCollection {
 public:
  // False, and nothing changes, when the key is present already.
  bool add(const std::string& key, T item) {
    auto [it, inserted] = index_.try_emplace(foldKeyCase(key), entries_.size());
    if (!inserted) return false;
    entries_.emplace_back(key, std::move(item));
    return true;
  }

  const T* find(std::string_view key) const {
    auto it = index_.find(foldKeyCase(key));
    return it == index_.end() ? nullptr : &entries_[it->second].second;
  }
  bool contains(std::string_view key) const { return find(key) != nullptr; }

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  void clear() {
    entries_.clear();
    index_.clear();
  }

  // Entries as (key as first added, item), in the order of adding.
  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

 private:
  std::vector<std::pair<std::string, T>> entries_;
  std::unordered_map<std::string, std::size_t> index_;
};

// Fetches the item under key into item; False (item untouched) when the key
// is missing.
template <typename T>
bool collectionTryGet(const KeyedCollection<T>& collection, std::string_view key, T& item) {
  const T* found = collection.find(key);
  if (!found) return false;
  item = *found;
  return true;
}

}  // namespace velvara::core
