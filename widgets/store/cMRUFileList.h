#pragma once
// The recently used project files, newest first, with a fixed capacity: the
// menu caption of each entry, and the list kept in the registry as
// "MaxCount", "Count" and "File1", "File2", ... of the accessor's key.
#include <cstdint>
#include <map>
#include <string>

#include "i18n/StringService.h"
#include "platform/mlruntime/LanguageSupport.h"
#include "widgets/store/cRegistry.h"

namespace velvara::widgets {

class cMRUFileList {
 public:
  explicit cMRUFileList(i18n::StringService& strings);

  std::int32_t maxFileCount() const { return maxFileCount_; }
  // Changes the capacity, keeping the entries that still fit; the count
  // never exceeds the capacity. A negative capacity throws std::out_of_range.
  void setMaxFileCount(std::int32_t lMax);
  std::int32_t fileCount() const { return fileCount_; }

  // Entry iIndex, 1 being the newest. An index outside 1 to maxFileCount()
  // throws std::out_of_range here and in the members below.
  std::string sFile(std::int32_t iIndex) const;
  // Whether entry iIndex is not empty; the disk is not consulted.
  bool fileExists(std::int32_t iIndex) const;
  // "&<index>)  <path>", a long path shortened to "..." and its last folders;
  // each "&" of the path is doubled, so the menu shows it as it is.
  std::string menuCaption(std::int32_t iIndex) const;
  // Puts the path at the top; an entry equal but for letter case moves up,
  // and in a full list the oldest entry drops out.
  void addFile(const std::string& sfileName);

  // Write or read the list through an accessor whose root and key the caller
  // has set. False when the registry failed; what was done so far stays.
  bool save(cRegistry& registry) const;
  bool load(cRegistry& registry);

 private:
  void checkIndex(std::int32_t iIndex) const;
  std::int32_t positionOf(const std::string& sfileName) const;
  void setEntry(std::int32_t iIndex, std::string text);
  void loadEntries(cRegistry& registry);

  std::int32_t maxFileCount_ = 0;
  std::int32_t fileCount_ = 0;
  // Entry i is entries_[i]; an index without an element is empty. Kept
  // sparse so that a damaged stored capacity or count costs no memory.
  std::map<std::int32_t, std::string> entries_;
  mlruntime::LanguageSupport languageSupport_;
};

}  // namespace velvara::widgets
