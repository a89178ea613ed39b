#pragma once
// The remembered web addresses and their file "urls.txt" in the data folder.
// Another running copy may have written the file since this one read it, so
// saving merges the file in first and only then rewrites it.
#include <string>

#include "core/helpers/KeyedCollection.h"

namespace velvara::core {

class Host;

// Adds every address of dataFolder/urls.txt that urlHistory does not hold
// yet. A missing file, or no data folder, changes nothing. A file that cannot
// be read is reported with its path and the system's reason; false then.
bool loadUrlList(Host& host, KeyedCollection<std::string>& urlHistory, const std::string& dataFolder);

// loadUrlList, then rewrites the file from urlHistory (an empty collection
// leaves the file alone), all under an exclusive lock that the data folder's
// path names in the user's cache folder, so running copies saving at once
// take turns. The file is
// replaced atomically and never rewritten after it could not be read, so no
// address of another run is lost. False after a reported failure (also when
// the lock cannot be taken).
bool saveUrlList(Host& host, KeyedCollection<std::string>& urlHistory, const std::string& dataFolder);

}  // namespace velvara::core
