#pragma once
// The registry in memory: a tree of keys, each holding named values. Names
// compare without regard to letter case and keep the case first written.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/RegistryTypes.h"

namespace velvara::registry {

bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Splits a backslash-separated key path into its names; "" is the root
// itself. A path with an empty name inside ("a\\b", "\a") is refused.
std::optional<std::vector<std::string>> splitKeyPath(std::string_view path);

class Key {
 public:
  explicit Key(std::string name = {}) : name_(std::move(name)) {}

  const std::string& name() const { return name_; }
  const std::vector<Key>& children() const { return children_; }
  const std::vector<StoredValue>& values() const { return values_; }

  const Key* findChild(std::string_view name) const;
  Key* findChild(std::string_view name);
  // The child of that name, added at the end when there is none.
  Key& childOrAdd(std::string_view name);
  bool removeChild(std::string_view name);

  const StoredValue* findValue(std::string_view name) const;
  // Replaces the type and data of an existing value (its name keeps its
  // first case) or adds the value at the end.
  void setValue(std::string_view name, std::uint32_t type, std::vector<std::uint8_t> data);
  bool removeValue(std::string_view name);

  // The key at the end of names below this one, or null.
  const Key* find(const std::vector<std::string>& names) const;
  Key* find(const std::vector<std::string>& names);

 private:
  std::string name_;
  std::vector<Key> children_;
  std::vector<StoredValue> values_;
};

}  // namespace velvara::registry
