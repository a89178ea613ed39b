#pragma once
// The one file that holds the registry, and the rules that keep it whole:
// every access takes an exclusive lock on a lock file beside it; a change
// re-reads the file, applies itself and replaces the file atomically (a
// temporary file renamed over it), so two running copies never lose each
// other's values and an interrupted write leaves the old or the new file. A
// file that cannot be parsed is moved aside under a new name, never
// overwritten, and the registry starts empty.
#include <filesystem>
#include <functional>

#include "platform/registry/KeyTree.h"

namespace velvara::registry {

class StoreFile {
 public:
  explicit StoreFile(std::filesystem::path file) : file_(std::move(file)) {}

  const std::filesystem::path& path() const { return file_; }

  // Calls look with the current contents. A missing file is an empty
  // registry. When the lock cannot be taken the file is still read, and a
  // damaged one reads as empty and stays where it is. Answers kSuccess or why
  // the file could not be read.
  long read(const std::function<void(const Key& root)>& look) const;

  // Calls change with the current contents; when it answers kSuccess and set
  // its second argument, the changed contents replace the file. Answers the
  // change's own result or why the file could not be read or written.
  long modify(const std::function<long(Key& root, bool& changed)>& change) const;

 private:
  std::filesystem::path file_;
};

}  // namespace velvara::registry
