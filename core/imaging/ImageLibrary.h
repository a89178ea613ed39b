#pragma once
// The program's hold on the image library: whether it has been started, and
// the readable extensions, listed once and kept for the run. The application
// owns one and passes it to whatever decodes pictures.
#include <optional>
#include <string>

#include "core/helpers/KeyedCollection.h"

namespace velvara::core {

struct ImageLibrary {
  // Set by the first gflInit and never cleared.
  bool gflReady = false;
  // Lower-case extensions of every readable format, key = item = extension.
  std::optional<KeyedCollection<std::string>> supportedExtensions;
  // How many pictures are decoded at once; 0: one per core.
  int workerCount = 0;
};

// Starts the image library once per run; later calls do nothing.
void gflInit(ImageLibrary& library);

// Shuts the image library down at the end of the run, after every cached
// preview was freed. The ready flag stays set.
void gflExit(ImageLibrary& library);

// Whether the library reads files with this extension (any letter case).
// Lists the readable extensions first when that has not happened yet.
bool isSupportedImageExt(ImageLibrary& library, const std::string& ext);

}  // namespace velvara::core
