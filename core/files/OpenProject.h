#pragma once
// The file side of opening a project: everything up to the window's refresh.
#include <functional>
#include <string>

#include "core/helpers/KeyedCollection.h"
#include "core/model/Project.h"

namespace velvara::core {

class Host;

// What the main window does next. When nothing was loaded, nothing changed
// and the window does nothing. After a load it refills the link list from
// urlHistory, reloads every preview of project.images and lays the strip out;
// enables Save and Save As; applies enableImageCommands to "Make web
// gallery", Export, Links and Images; sets its caption; adds recentPath to
// the recent projects when addToRecent, else refreshes the recent menu; sets
// its caption again; hides the busy panel; sets the open-mode captions.
struct OpenProjectResult {
  bool loaded = false;
  bool enableImageCommands = false;
  bool addToRecent = false;
  std::string recentPath;
};

// Loads the project file at path into project. A missing file is ignored
// silently. The busy panel shows "Loading..." while the file is read and
// stays up after a load for the window's refresh; after a failure it is
// hidden again. A file with neither header, or one that is damaged anywhere,
// is refused whole with "Invalid VLR file!" titled with the path; one that
// cannot be read is reported with the system's reason. After a load every
// image's link is remembered in urlHistory, the remembered addresses are
// saved to dataFolder, and the settings editor shows the new record.
// clearImageList, when given, empties the list once the file is accepted and
// before the new images replace it: the window's strip hides the old cells
// there, so that none of the old project's pictures stays on screen.
OpenProjectResult openProject(Host& host, Project& project, KeyedCollection<std::string>& urlHistory,
                              const std::string& dataFolder, const std::string& path, bool addToRecent,
                              const std::function<void()>& clearImageList = {});

}  // namespace velvara::core
