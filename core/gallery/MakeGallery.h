#pragma once
// Making the web gallery: the script package of the style, the JPEG files,
// the pages and the style sheet, then the first page opened.
#include <string>

#include "core/host/Host.h"
#include "core/imaging/ImageLibrary.h"
#include "core/model/Project.h"

namespace velvara::core {

// Builds the gallery of project into its destination folder; dataFolder is
// the program's data folder, which the build never empties. With htmlOnly no
// images are made and the Lightbox package neither asks about nor empties a
// folder that holds files. True when the build ran to its end (the first page
// was handed to the host to open); false when it stopped: no images, settings
// it cannot use, a destination it may not build in (galleryFolderProblem), the
// user declined, or a folder or file could not be made or written (each
// reported to the user). The caption is restored in every case
// after it was first set. An empty lightboxStyle becomes the default.
bool makeGallery(Host& host, Project& project, ImageLibrary& library, const std::string& dataFolder, bool htmlOnly);

}  // namespace velvara::core
