#include "widgets/store/cMRUFileList.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <vector>

#include "core/helpers/KeyedCollection.h"
#include "platform/registry/KeyTree.h"

namespace velvara::widgets {

namespace {

// Longest tail of a path that its menu caption shows whole.
constexpr std::size_t kCaptionTail = 32;

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// The byte offset of each character of a UTF-8 text.
std::vector<std::size_t> characterStarts(const std::string& text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
  }
  return starts;
}

// n when name is "File" followed by n in decimal (n >= 1, no leading zero).
std::int32_t fileNumberOf(const std::string& name) {
  constexpr std::string_view kPrefix = "File";
  if (name.size() <= kPrefix.size() || !registry::equalsIgnoreCase(name.substr(0, kPrefix.size()), kPrefix)) return 0;
  const char* first = name.data() + kPrefix.size();
  const char* last = name.data() + name.size();
  std::int32_t number = 0;
  const auto [end, error] = std::from_chars(first, last, number);
  if (error != std::errc() || end != last || *first == '0' || *first == '-' || *first == '+') return 0;
  return number;
}

std::string fileValueName(std::int32_t n) { return "File" + std::to_string(n); }

// The text with every "&" doubled, so that a menu shows it as it is instead
// of taking the character after an "&" for its access key.
std::string withLiteralAmpersands(const std::string& text) {
  std::string shown;
  shown.reserve(text.size());
  for (const char c : text) {
    if (c == '&') shown += '&';
    shown += c;
  }
  return shown;
}

}  // namespace

cMRUFileList::cMRUFileList(i18n::StringService& strings)
    : languageSupport_(
          [&strings](int langId, const std::string& langName) { strings.setCurrentLanguage(langId, langName); }) {}

void cMRUFileList::setMaxFileCount(std::int32_t lMax) {
  if (lMax < 0) throw std::out_of_range("capacity below 0");
  if (lMax == maxFileCount_) return;
  maxFileCount_ = lMax;
  entries_.erase(entries_.upper_bound(lMax), entries_.end());
  fileCount_ = std::min(fileCount_, lMax);
}

void cMRUFileList::checkIndex(std::int32_t iIndex) const {
  if (iIndex < 1 || iIndex > maxFileCount_) throw std::out_of_range("recent file index out of range");
}

void cMRUFileList::setEntry(std::int32_t iIndex, std::string text) {
  if (text.empty()) {
    entries_.erase(iIndex);
  } else {
    entries_.insert_or_assign(iIndex, std::move(text));
  }
}

std::string cMRUFileList::sFile(std::int32_t iIndex) const {
  checkIndex(iIndex);
  const auto found = entries_.find(iIndex);
  return found != entries_.end() ? found->second : std::string();
}

bool cMRUFileList::fileExists(std::int32_t iIndex) const { return !sFile(iIndex).empty(); }

std::string cMRUFileList::menuCaption(std::int32_t iIndex) const {
  const std::string path = sFile(iIndex);
  const std::vector<std::size_t> starts = characterStarts(path);
  const std::size_t n = starts.size();
  std::string shown = path;
  if (n > kCaptionTail) {
    // Character positions count from 1, as "n - k" is the length after k.
    std::size_t remembered = 0;
    for (std::size_t k = n; k >= 1; --k) {
      if (!isSeparator(path[starts[k - 1]])) continue;
      if (n - k <= kCaptionTail) {
        remembered = k;
      } else {
        shown = "..." + path.substr(starts[(remembered != 0 ? remembered : k) - 1]);
      }
    }
  }
  return "&" + std::to_string(iIndex) + ")  " + withLiteralAmpersands(shown);
}

// The first entry among 1 to fileCount() equal to the path but for letter
// case, or 0. Only the entries held are visited (an empty path matches the
// first empty entry), so a large count costs nothing.
std::int32_t cMRUFileList::positionOf(const std::string& sfileName) const {
  const std::string wanted = core::foldKeyCase(sfileName);
  std::int32_t expected = 1;
  for (const auto& [index, entry] : entries_) {
    if (index > fileCount_) break;
    if (wanted.empty() && index != expected) return expected;
    if (!wanted.empty() && core::foldKeyCase(entry) == wanted) return index;
    expected = index + 1;
  }
  return wanted.empty() && expected <= fileCount_ ? expected : 0;
}

void cMRUFileList::addFile(const std::string& sfileName) {
  std::int32_t found = positionOf(sfileName);
  checkIndex(1);
  if (found == 0) {
    if (fileCount_ < maxFileCount_) ++fileCount_;
    found = fileCount_;
  }
  // Entries found - 1 down to 1 each move one place down, the highest first;
  // the entry at found is overwritten.
  entries_.erase(found);
  std::vector<std::int32_t> above;
  for (auto it = entries_.begin(); it != entries_.end() && it->first < found; ++it) above.push_back(it->first);
  for (auto index = above.rbegin(); index != above.rend(); ++index) {
    auto node = entries_.extract(*index);
    node.key() = *index + 1;
    entries_.insert(std::move(node));
  }
  setEntry(1, sfileName);
}

bool cMRUFileList::save(cRegistry& registry) const {
  try {
    registry.setValueKey("MaxCount");
    registry.setValueType(registry::kRegDword);
    registry.setValue(maxFileCount_);
    registry.setValueKey("Count");
    registry.setValueType(registry::kRegDword);
    registry.setValue(fileCount_);
    for (std::int32_t n = 1; n <= fileCount_; ++n) {
      registry.setValueKey(fileValueName(n));
      registry.setValueType(registry::kRegSz);
      registry.setValue(sFile(n));
    }
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool cMRUFileList::load(cRegistry& registry) {
  try {
    registry.setValueKey("MaxCount");
    if (!registry.keyExists()) return true;
    registry.setValueType(registry::kRegDword);
    setMaxFileCount(wholeNumberOf(registry.value()));
    if (maxFileCount_ > 0) {
      registry.setValueKey("Count");
      registry.setValueType(registry::kRegDword);
      fileCount_ = std::clamp(wholeNumberOf(registry.value()), 0, maxFileCount_);
      loadEntries(registry);
    }
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

// Reads the stored "File" n of each entry in use. Only values the key holds
// are read, so a damaged count cannot make the load run for ages; entries in
// use without a value are empty, and those above the count stay as they were.
void cMRUFileList::loadEntries(cRegistry& registry) {
  entries_.erase(entries_.begin(), entries_.upper_bound(fileCount_));
  std::vector<std::string> names;
  std::int32_t count = 0;
  registry.enumerateValues(names, count);
  for (const std::string& name : names) {
    const std::int32_t n = fileNumberOf(name);
    if (n < 1 || n > fileCount_) continue;
    registry.setValueKey(fileValueName(n));
    registry.setValueType(registry::kRegSz);
    setEntry(n, textOf(registry.value()));
  }
}

}  // namespace velvara::widgets
