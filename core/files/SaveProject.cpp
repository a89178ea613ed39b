#include "core/files/SaveProject.h"

#include "core/files/BinaryWriter.h"
#include "core/files/FileAccess.h"
#include "core/files/FileDialog.h"
#include "core/files/ProjectFileFormat.h"
#include "core/files/TextTooLongMessage.h"
#include "core/helpers/Paths.h"
#include "core/host/Host.h"
#include "i18n/StringService.h"

namespace velvara::core {
namespace {

constexpr int kProjectFilter = 209;
constexpr int kSaveProjectAs = 210;
// The Open dialog lists these files, and the desktop opens them with the
// program.
constexpr const char* kProjectExtension = "vlr";

// The whole file is made in memory first, so a text too long for it is found
// before anything is written and the previous file stays as it was.
bool writeProject(Host& host, const Project& project, const std::string& path) {
  // What saves cut off earlier left beside the file goes first: a large
  // project's leftovers could otherwise fill the disk the save needs.
  removeLeftoversOfReplacing(path);
  std::string bytes;
  try {
    bytes = serializeProjectFile(project.settings, project.images.items());
  } catch (const TextTooLong& tooLong) {
    reportTextTooLong(host, path, tooLong, project.images.items());
    return false;
  }
  if (auto error = replaceFileAtomically(path, bytes)) {
    reportFileError(host, path, error);
    return false;
  }
  return true;
}

}  // namespace

SaveProjectResult saveProject(Host& host, Project& project, const std::string& dataFolder, bool askName) {
  std::string path = project.projectFile;
  bool chosen = true;
  if (askName) {
    // The dialog's folder is a copy: choosing a file elsewhere must not move
    // the data folder.
    std::string folder = dataFolder;
    const auto& strings = host.strings();
    chosen = showFileDialog(host, folder, path, strings.loadMlString(kSaveProjectAs), getFileName(path, true),
                            strings.loadMlString(kProjectFilter), false, true, kProjectExtension);
  }
  host.settingsGetValues();
  if (!chosen || path.empty()) return {};

  if (!writeProject(host, project, path)) return {.saved = false, .failed = true, .recentPath = {}};
  project.projectFile = path;
  return {.saved = true, .failed = false, .recentPath = path};
}

}  // namespace velvara::core
