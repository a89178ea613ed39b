#pragma once
// The per-application settings area: text values addressed by application
// name, section and key, kept in the registry below
// "Software\Velvara\AppSettings\<application>\<section>".
#include <string>
#include <string_view>

#include "platform/registry/Store.h"

namespace velvara::registry {

class AppSettings {
 public:
  explicit AppSettings(Store store = Store()) : store_(std::move(store)) {}

  static std::string sectionPath(std::string_view application, std::string_view section);

  // The stored text, or defaultValue when the value is missing or unreadable.
  std::string getSetting(std::string_view application, std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // Stores the text; kSuccess or why it could not be stored.
  long saveSetting(std::string_view application, std::string_view section, std::string_view key,
                   std::string_view value) const;

 private:
  Store store_;
};

}  // namespace velvara::registry
