#pragma once
// What the program works on for the whole run, owned by main and handed to
// the main window: the project, the image library, the remembered web
// addresses, the data folder and the folder where adding images starts.
#include <string>
#include <vector>

#include "core/helpers/KeyedCollection.h"
#include "core/imaging/ImageLibrary.h"
#include "core/model/Project.h"

namespace velvara::app {

struct ProgramData {
  core::Project project;
  core::ImageLibrary library;
  core::KeyedCollection<std::string> urlHistory;
  std::vector<std::string> webColorTable;
  std::string dataFolder;
  std::string sourceFolder;
};

}  // namespace velvara::app
