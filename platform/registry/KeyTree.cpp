#include "platform/registry/KeyTree.h"

#include <algorithm>
#include <utility>

namespace velvara::registry {

namespace {

char foldCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

template <typename Item, typename NameOf>
auto findByName(Item& items, std::string_view name, NameOf nameOf) {
  return std::find_if(items.begin(), items.end(),
                      [&](const auto& item) { return equalsIgnoreCase(nameOf(item), name); });
}

}  // namespace

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return foldCase(x) == foldCase(y); });
}

std::optional<std::vector<std::string>> splitKeyPath(std::string_view path) {
  std::vector<std::string> names;
  if (path.empty()) return names;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = path.find('\\', start);
    const std::string_view name =
        path.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (name.empty()) return std::nullopt;
    names.emplace_back(name);
    if (end == std::string_view::npos) return names;
    start = end + 1;
  }
}

const Key* Key::findChild(std::string_view name) const {
  auto it = findByName(children_, name, [](const Key& k) -> std::string_view { return k.name_; });
  return it == children_.end() ? nullptr : &*it;
}

Key* Key::findChild(std::string_view name) { return const_cast<Key*>(std::as_const(*this).findChild(name)); }

Key& Key::childOrAdd(std::string_view name) {
  if (Key* child = findChild(name)) return *child;
  return children_.emplace_back(std::string(name));
}

bool Key::removeChild(std::string_view name) {
  auto it = findByName(children_, name, [](const Key& k) -> std::string_view { return k.name_; });
  if (it == children_.end()) return false;
  children_.erase(it);
  return true;
}

const StoredValue* Key::findValue(std::string_view name) const {
  auto it = findByName(values_, name, [](const StoredValue& v) -> std::string_view { return v.name; });
  return it == values_.end() ? nullptr : &*it;
}

void Key::setValue(std::string_view name, std::uint32_t type, std::vector<std::uint8_t> data) {
  auto it = findByName(values_, name, [](const StoredValue& v) -> std::string_view { return v.name; });
  if (it == values_.end()) {
    values_.push_back(StoredValue{std::string(name), type, std::move(data)});
    return;
  }
  it->type = type;
  it->data = std::move(data);
}

bool Key::removeValue(std::string_view name) {
  auto it = findByName(values_, name, [](const StoredValue& v) -> std::string_view { return v.name; });
  if (it == values_.end()) return false;
  values_.erase(it);
  return true;
}

const Key* Key::find(const std::vector<std::string>& names) const {
  const Key* key = this;
  for (const std::string& name : names) {
    key = key->findChild(name);
    if (!key) return nullptr;
  }
  return key;
}

Key* Key::find(const std::vector<std::string>& names) { return const_cast<Key*>(std::as_const(*this).find(names)); }

}  // namespace velvara::registry
