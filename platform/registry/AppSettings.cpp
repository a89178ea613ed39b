#include "platform/registry/AppSettings.h"

namespace velvara::registry {

std::string AppSettings::sectionPath(std::string_view application, std::string_view section) {
  std::string path = "Software\\Velvara\\AppSettings\\";
  path += application;
  path += '\\';
  path += section;
  return path;
}

std::string AppSettings::getSetting(std::string_view application, std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  StoredValue value;
  if (store_.queryValue(kHkeyCurrentUser, sectionPath(application, section), key, value) != kSuccess ||
      (value.type != kRegSz && value.type != kRegExpandSz)) {
    return std::string(defaultValue);
  }
  std::string text(value.data.begin(), value.data.end());
  if (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

long AppSettings::saveSetting(std::string_view application, std::string_view section, std::string_view key,
                              std::string_view value) const {
  const std::string path = sectionPath(application, section);
  if (const long result = store_.createKey(kHkeyCurrentUser, path); result != kSuccess) return result;
  std::vector<std::uint8_t> data(value.begin(), value.end());
  data.push_back(0);
  return store_.setValue(kHkeyCurrentUser, path, key, kRegSz, data);
}

}  // namespace velvara::registry
