#pragma once
// What a build must find in the destination folder before it touches
// anything. A build makes, empties and writes folders below the destination;
// a symbolic link in one of their places would carry that into a folder
// elsewhere, and a file the build reads that lies in a folder it empties
// would be deleted before it is read.
#include <optional>
#include <string>

#include "core/model/Project.h"

namespace velvara::i18n {
class StringService;
}

namespace velvara::core {

// The message for the user, in the current language, when the build of project (htmlOnly as for
// makeGallery) may not go ahead: a folder it makes or writes into is a
// symbolic link, or a source picture, background image or linked local file
// lies directly in a folder whose files it deletes. Nothing otherwise.
std::optional<std::string> galleryFolderProblem(const Project& project, bool htmlOnly,
                                                const i18n::StringService& strings);

}  // namespace velvara::core
