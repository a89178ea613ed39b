#pragma once
// The current user's registry: keys below the current user's root, each with
// typed values, kept in one file (see StoreFile). Each operation is complete
// in itself: it reads the file, and a change writes it back before returning.
// Only the current user's root exists; any other root answers
// kErrorInvalidHandle.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/RegistryTypes.h"
#include "platform/registry/StoreFile.h"

namespace velvara::registry {

class Store {
 public:
  // The store in the user's configuration folder (see defaultFile).
  Store();
  // The store kept in file (tests and tools point it elsewhere).
  explicit Store(const std::filesystem::path& file);

  // $XDG_CONFIG_HOME/velvara/registry (when that variable holds an absolute
  // path), else ~/.config/velvara/registry.
  static std::filesystem::path defaultFile();

  const std::filesystem::path& file() const { return file_.path(); }

  // kSuccess when the key exists.
  long openKey(std::uint32_t root, std::string_view path) const;
  // Creates the key and any missing key above it; an existing key is fine.
  long createKey(std::uint32_t root, std::string_view path) const;
  // Deletes a key that has no sub-keys (with its values).
  long deleteKey(std::uint32_t root, std::string_view path) const;

  // The type and bytes of a value of an existing key.
  long queryValue(std::uint32_t root, std::string_view path, std::string_view name, StoredValue& value) const;
  // Sets a value of an existing key; "" names the key's default value.
  long setValue(std::uint32_t root, std::string_view path, std::string_view name, std::uint32_t type,
                std::span<const std::uint8_t> data) const;
  long deleteValue(std::uint32_t root, std::string_view path, std::string_view name) const;

  // The names of the key's values, or of its sub-keys, in the order written.
  long enumValues(std::uint32_t root, std::string_view path, std::vector<std::string>& names) const;
  long enumKeys(std::uint32_t root, std::string_view path, std::vector<std::string>& names) const;

 private:
  // Runs look on the addressed key when it exists.
  long withKey(std::uint32_t root, std::string_view path, const std::function<long(const Key&)>& look) const;
  long changeKey(std::uint32_t root, std::string_view path, const std::function<long(Key&, bool&)>& change) const;

  StoreFile file_;
};

}  // namespace velvara::registry
