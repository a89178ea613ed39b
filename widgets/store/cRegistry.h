#pragma once
// Reads and writes single values of the current user's registry. The caller
// addresses a value by root key, key path and value name, then reads or
// writes value(), or calls one of the key operations. Writes and deletions
// that fail raise RegistryError; reads fall back to the default value.
#include <cstdint>
#include <string>
#include <vector>

#include "i18n/StringService.h"
#include "platform/mlruntime/LanguageSupport.h"
#include "platform/registry/Store.h"
#include "widgets/store/RegistryError.h"
#include "widgets/store/Variant.h"

namespace velvara::widgets {

inline constexpr std::int32_t kHkeyCurrentUser = static_cast<std::int32_t>(registry::kHkeyCurrentUser);

class cRegistry {
 public:
  // strings is the string service whose current language follows language
  // announcements; store is where the values live.
  explicit cRegistry(i18n::StringService& strings, registry::Store store = registry::Store());

  // Whether the key exists. Never raises.
  bool keyExists() const;
  // Creates (or opens) the key; raises kErrRegistry when that fails.
  bool createKey();
  // Deletes the key; raises kErrRegistry when that fails.
  bool deleteKey();
  // Deletes the value of the key; raises kErrRegistry when that fails.
  bool deleteValue();

  // The addressed value (text, long or bytes by its type), setting
  // valueType() to the type found; the default value when it cannot be read,
  // leaving valueType() as it was.
  Variant value();
  // Writes vValue as valueType() says.
  void setValue(const Variant& vValue);

  // The names of the key's values, or of its sub-keys; count and names are
  // replaced. A key that does not exist gives none.
  bool enumerateValues(std::vector<std::string>& sKeyNames, std::int32_t& iKeyCount) const;
  bool enumerateSections(std::vector<std::string>& sSect, std::int32_t& iSectCount) const;

  std::int32_t valueType() const { return valueType_; }
  void setValueType(std::int32_t eValueType) { valueType_ = eValueType; }
  std::int32_t classKey() const { return classKey_; }
  void setClassKey(std::int32_t eKey) { classKey_ = eKey; }
  const std::string& sectionKey() const { return sectionKey_; }
  void setSectionKey(std::string sSectionKey) { sectionKey_ = std::move(sSectionKey); }
  const std::string& valueKey() const { return valueKey_; }
  void setValueKey(std::string sValueKey) { valueKey_ = std::move(sValueKey); }
  const Variant& defaultValue() const { return default_; }
  void setDefault(Variant vDefault) { default_ = std::move(vDefault); }

  // Expands %NAME% references from the process environment; a reference to
  // an unknown name stays as written.
  static std::string expandEnvStr(const std::string& text);

 private:
  std::uint32_t root() const { return static_cast<std::uint32_t>(classKey_); }
  std::string keyDescription() const;
  [[noreturn]] void raise(std::int32_t number, std::string description) const;
  long writeByType(const Variant& vValue);

  registry::Store store_;
  std::int32_t classKey_ = 0;
  std::string sectionKey_;
  std::string valueKey_;
  mlruntime::LanguageSupport languageSupport_;
  Variant default_;
  std::int32_t valueType_ = 0;
};

}  // namespace velvara::widgets
