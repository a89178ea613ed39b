#pragma once
// The file side of saving a project: asking for a name, taking the settings
// editor's values, writing the file.
#include <string>

#include "core/model/Project.h"

namespace velvara::core {

class Host;

// After saved the main window enables Save and adds recentPath to the recent
// projects; it refreshes its caption in every case. failed: the project could
// not be written and the user was told; a cancelled dialog is no failure.
struct SaveProjectResult {
  bool saved = false;
  bool failed = false;
  std::string recentPath;
};

// When askName, asks for the file in a save dialog starting in dataFolder and
// proposing the current file's name; a cancel writes nothing. The settings
// editor's values are taken into the record in every case (getValues), then
// the project is written to project.projectFile, replacing the previous file
// only once the new one is complete. A failure is reported with the path and
// the system's reason, or with the image and field whose text the file cannot
// hold; nothing is written then, and projectFile keeps its previous value.
SaveProjectResult saveProject(Host& host, Project& project, const std::string& dataFolder, bool askName);

}  // namespace velvara::core
