#pragma once
// Exporting the image list to the text exchange format and importing it back.
#include <functional>
#include <string>

#include "core/helpers/KeyedCollection.h"
#include "core/model/ImageList.h"
#include "core/model/Project.h"

namespace velvara::core {

class Host;

// Writes every image to path; with no images nothing is written and an
// existing file stays as it is. A value holding a line break is refused
// before anything is written, naming the image and the field. The file is
// replaced only once the new one is complete; a failure is reported with the
// path and the system's reason. False after a reported failure.
bool exportText(Host& host, const ImageList& images, const std::string& path);

struct ImportTextResult {
  // The whole file was read (also when it held no image).
  bool ok = false;
  // The image list was replaced: the main window refills the link list,
  // reloads every preview and lays the strip out, and applies its enabling
  // rule again.
  bool replaced = false;
};

// Reads path and, when it holds at least one image, replaces the image list
// with its images: new unique base names in file order, every link
// remembered in urlHistory, and the settings editor shown the record again.
// A file that cannot be read is reported (critical, Yes and No, no title,
// the path and the system's reason) and changes nothing. clearImageList,
// when given, empties the old list before the imported images replace it (the
// window's strip hides the old cells there).
ImportTextResult importText(Host& host, Project& project, KeyedCollection<std::string>& urlHistory,
                            const std::string& path, const std::function<void()>& clearImageList = {});

}  // namespace velvara::core
