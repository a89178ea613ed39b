#pragma once
// What a folder holds, as adding a folder takes it: its files and its
// subfolders, each sorted by name so that the order of adding never depends
// on the file system.
#include <string>
#include <vector>

namespace velvara::app {

struct FolderEntries {
  // Names, not paths.
  std::vector<std::string> files;
  std::vector<std::string> subfolders;
};

// Nothing for a folder that does not exist or cannot be read; an entry that
// cannot be examined is left out.
FolderEntries listFolder(const std::string& folder);

}  // namespace velvara::app
