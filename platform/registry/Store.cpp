#include "platform/registry/Store.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace velvara::registry {

namespace {

std::filesystem::path homeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return std::filesystem::temp_directory_path();
}

}  // namespace

Store::Store() : Store(defaultFile()) {}

Store::Store(const std::filesystem::path& file) : file_(std::filesystem::absolute(file)) {}

std::filesystem::path Store::defaultFile() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const std::filesystem::path base = (config && std::filesystem::path(config).is_absolute())
                                         ? std::filesystem::path(config)
                                         : homeFolder() / ".config";
  return base / "velvara" / "registry";
}

long Store::withKey(std::uint32_t root, std::string_view path, const std::function<long(const Key&)>& look) const {
  if (root != kHkeyCurrentUser) return kErrorInvalidHandle;
  const auto names = splitKeyPath(path);
  if (!names) return kErrorInvalidParameter;
  long result = kErrorFileNotFound;
  const long readResult = file_.read([&](const Key& top) {
    if (const Key* key = top.find(*names)) result = look(*key);
  });
  return readResult != kSuccess ? readResult : result;
}

long Store::changeKey(std::uint32_t root, std::string_view path, const std::function<long(Key&, bool&)>& change) const {
  if (root != kHkeyCurrentUser) return kErrorInvalidHandle;
  const auto names = splitKeyPath(path);
  if (!names) return kErrorInvalidParameter;
  return file_.modify([&](Key& top, bool& changed) {
    Key* key = top.find(*names);
    return key ? change(*key, changed) : kErrorFileNotFound;
  });
}

long Store::openKey(std::uint32_t root, std::string_view path) const {
  return withKey(root, path, [](const Key&) { return kSuccess; });
}

long Store::createKey(std::uint32_t root, std::string_view path) const {
  if (root != kHkeyCurrentUser) return kErrorInvalidHandle;
  const auto names = splitKeyPath(path);
  if (!names) return kErrorInvalidParameter;
  return file_.modify([&](Key& top, bool& changed) {
    Key* key = &top;
    for (const std::string& name : *names) {
      if (Key* child = key->findChild(name)) {
        key = child;
      } else {
        key = &key->childOrAdd(name);
        changed = true;
      }
    }
    return kSuccess;
  });
}

long Store::deleteKey(std::uint32_t root, std::string_view path) const {
  if (root != kHkeyCurrentUser) return kErrorInvalidHandle;
  auto names = splitKeyPath(path);
  if (!names) return kErrorInvalidParameter;
  if (names->empty()) return kErrorAccessDenied;
  const std::string leaf = names->back();
  names->pop_back();
  return file_.modify([&](Key& top, bool& changed) {
    Key* parent = top.find(*names);
    const Key* key = parent ? parent->findChild(leaf) : nullptr;
    if (!key) return kErrorFileNotFound;
    if (!key->children().empty()) return kErrorAccessDenied;
    changed = parent->removeChild(leaf);
    return kSuccess;
  });
}

long Store::queryValue(std::uint32_t root, std::string_view path, std::string_view name, StoredValue& value) const {
  return withKey(root, path, [&](const Key& key) {
    const StoredValue* found = key.findValue(name);
    if (!found) return kErrorFileNotFound;
    value = *found;
    return kSuccess;
  });
}

long Store::setValue(std::uint32_t root, std::string_view path, std::string_view name, std::uint32_t type,
                     std::span<const std::uint8_t> data) const {
  return changeKey(root, path, [&](Key& key, bool& changed) {
    key.setValue(name, type, std::vector<std::uint8_t>(data.begin(), data.end()));
    changed = true;
    return kSuccess;
  });
}

long Store::deleteValue(std::uint32_t root, std::string_view path, std::string_view name) const {
  return changeKey(root, path, [&](Key& key, bool& changed) {
    changed = key.removeValue(name);
    return changed ? kSuccess : kErrorFileNotFound;
  });
}

long Store::enumValues(std::uint32_t root, std::string_view path, std::vector<std::string>& names) const {
  names.clear();
  return withKey(root, path, [&](const Key& key) {
    for (const StoredValue& value : key.values()) names.push_back(value.name);
    return kSuccess;
  });
}

long Store::enumKeys(std::uint32_t root, std::string_view path, std::vector<std::string>& names) const {
  names.clear();
  return withKey(root, path, [&](const Key& key) {
    for (const Key& child : key.children()) names.push_back(child.name());
    return kSuccess;
  });
}

}  // namespace velvara::registry
