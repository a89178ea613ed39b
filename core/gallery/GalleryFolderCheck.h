#pragma once
// What a build must find in the destination folder before it touches
// anything. A build makes, empties and writes folders below the destination;
// a symbolic link in one of their places would carry that into a folder
// elsewhere, a file the build reads that lies in a folder it empties would
// be deleted before it is read, and the program's own files there (the open
// project's, the data folder's) would be lost for good.
#include <optional>
#include <string>

#include "core/model/Project.h"

namespace velvara::i18n {
class StringService;
}

namespace velvara::core {

// The message for the user, in the current language, when the build of
// project (htmlOnly as for makeGallery) may not go ahead: a folder it makes or
// writes into is a symbolic link; a folder whose files it deletes holds the
// project's own file directly or is dataFolder ("" for none); or a source
// picture, background image or linked local file lies directly in such a
// folder. A file reached through symbolic links counts where each link on the
// way and the file itself lie. Nothing otherwise.
std::optional<std::string> galleryFolderProblem(const Project& project, const std::string& dataFolder, bool htmlOnly,
                                                const i18n::StringService& strings);

}  // namespace velvara::core
