#include "widgets/store/cRegistry.h"

#include <cstdlib>

#include "platform/shell/Folders.h"

namespace velvara::widgets {

namespace {

std::string errorSource() { return shell::programName() + ".cRegistry"; }

std::uint32_t swapEndian(std::uint32_t value) {
  return (value >> 24) | ((value >> 8) & 0xFF00u) | ((value << 8) & 0xFF0000u) | (value << 24);
}

// A long from up to four stored bytes, lowest byte first.
std::uint32_t dwordOf(const std::vector<std::uint8_t>& data) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < data.size() && i < 4; ++i) value |= static_cast<std::uint32_t>(data[i]) << (8 * i);
  return value;
}

// A stored text is its bytes and a terminating zero, which is not part of it.
std::string textOfStored(const std::vector<std::uint8_t>& data) {
  std::string text(data.begin(), data.end());
  if (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

// A "%" followed, at least two characters later, by another one.
bool holdsReference(const std::string& text) {
  const std::size_t first = text.find('%');
  return first != std::string::npos && text.find('%', first + 2) != std::string::npos;
}

}  // namespace

cRegistry::cRegistry(i18n::StringService& strings, registry::Store store)
    : store_(std::move(store)), languageSupport_([&strings](int langId, const std::string& langName) {
        strings.setCurrentLanguage(langId, langName);
      }) {}

std::string cRegistry::keyDescription() const {
  return "Key: '" + std::to_string(classKey_) + "',Section: '" + sectionKey_;
}

void cRegistry::raise(std::int32_t number, std::string description) const {
  throw RegistryError(number, std::move(description), errorSource());
}

bool cRegistry::keyExists() const { return store_.openKey(root(), sectionKey_) == registry::kSuccess; }

bool cRegistry::createKey() {
  if (store_.createKey(root(), sectionKey_) != registry::kSuccess) {
    raise(kErrRegistry, "Failed to create registry Key: '" + sectionKey_);
  }
  return true;
}

bool cRegistry::deleteKey() {
  if (store_.deleteKey(root(), sectionKey_) != registry::kSuccess) {
    raise(kErrRegistry, "Failed to delete registry " + keyDescription());
  }
  return true;
}

bool cRegistry::deleteValue() {
  if (store_.openKey(root(), sectionKey_) != registry::kSuccess) {
    raise(kErrRegistry,
          "Failed to open key '" + std::to_string(classKey_) + "',Section: '" + sectionKey_ + "' for delete access");
  }
  if (store_.deleteValue(root(), sectionKey_, valueKey_) != registry::kSuccess) {
    raise(kErrRegistry, "Failed to delete registry " + keyDescription() + "',Key: '" + valueKey_);
  }
  return true;
}

Variant cRegistry::value() {
  registry::StoredValue stored;
  if (store_.queryValue(root(), sectionKey_, valueKey_, stored) != registry::kSuccess) return default_;
  valueType_ = static_cast<std::int32_t>(stored.type);
  switch (stored.type) {
    case registry::kRegSz:
    case registry::kRegMultiSz:
      return textOfStored(stored.data);
    case registry::kRegExpandSz:
      return expandEnvStr(textOfStored(stored.data));
    case registry::kRegDword:
      return static_cast<std::int32_t>(dwordOf(stored.data));
    case registry::kRegDwordBigEndian:
      return static_cast<std::int32_t>(swapEndian(dwordOf(stored.data)));
    default:
      return stored.data;
  }
}

long cRegistry::writeByType(const Variant& vValue) {
  switch (valueType_) {
    case registry::kRegSz:
    case registry::kRegExpandSz: {
      const std::string text = textOf(vValue);
      std::vector<std::uint8_t> data(text.begin(), text.end());
      data.push_back(0);
      return store_.setValue(root(), sectionKey_, valueKey_,
                             holdsReference(text) ? registry::kRegExpandSz : registry::kRegSz, data);
    }
    case registry::kRegBinary: {
      const Bytes* bytes = std::get_if<Bytes>(&vValue);
      if (!bytes) throw RegistryError(kErrRegistry, kDefaultErrorDescription, shell::programName());
      return store_.setValue(root(), sectionKey_, valueKey_, registry::kRegBinary, *bytes);
    }
    case registry::kRegDword:
    case registry::kRegDwordBigEndian: {
      std::uint32_t number = 0;
      if (const auto* small = std::get_if<std::int16_t>(&vValue)) {
        number = static_cast<std::uint32_t>(static_cast<std::int32_t>(*small));
      } else if (const auto* large = std::get_if<std::int32_t>(&vValue)) {
        number = static_cast<std::uint32_t>(*large);
      } else {
        return registry::kSuccess;
      }
      const std::uint8_t data[4] = {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
                                    static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
      return store_.setValue(root(), sectionKey_, valueKey_, registry::kRegDword, data);
    }
    default:
      return registry::kErrorInvalidData;
  }
}

void cRegistry::setValue(const Variant& vValue) {
  const std::string description = "Failed to set registry value " + keyDescription() + "',Key: '" + valueKey_ +
                                  "' to value: '" + textOf(vValue) + "'";
  if (store_.createKey(root(), sectionKey_) != registry::kSuccess) raise(kErrRegistry, description);
  if (writeByType(vValue) != registry::kSuccess) raise(kErrRegistrySetValue, description);
}

bool cRegistry::enumerateValues(std::vector<std::string>& sKeyNames, std::int32_t& iKeyCount) const {
  iKeyCount = 0;
  sKeyNames.clear();
  std::vector<std::string> names;
  if (store_.enumValues(root(), sectionKey_, names) == registry::kSuccess) {
    sKeyNames = std::move(names);
    iKeyCount = static_cast<std::int32_t>(sKeyNames.size());
  }
  return true;
}

bool cRegistry::enumerateSections(std::vector<std::string>& sSect, std::int32_t& iSectCount) const {
  try {
    iSectCount = 0;
    sSect.clear();
    std::vector<std::string> names;
    if (store_.enumKeys(root(), sectionKey_, names) == registry::kSuccess) {
      sSect = std::move(names);
      iSectCount = static_cast<std::int32_t>(sSect.size());
    }
    return true;
  } catch (const std::exception& failure) {
    raise(kErrRegistryEnumerate, failure.what());
  }
}

std::string cRegistry::expandEnvStr(const std::string& text) {
  std::string expanded;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t open = text.find('%', at);
    const std::size_t close = open == std::string::npos ? std::string::npos : text.find('%', open + 1);
    if (close == std::string::npos) {
      expanded += text.substr(at);
      break;
    }
    expanded += text.substr(at, open - at);
    const std::string name = text.substr(open + 1, close - open - 1);
    const char* setting = name.empty() ? nullptr : std::getenv(name.c_str());
    if (setting) {
      expanded += setting;
      at = close + 1;
    } else {
      // The closing "%" may open the next reference.
      expanded += text.substr(open, close - open);
      at = close;
    }
  }
  return expanded;
}

}  // namespace velvara::widgets
