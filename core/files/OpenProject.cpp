#include "core/files/OpenProject.h"

#include "core/files/FileAccess.h"
#include "core/files/ProjectFileFormat.h"
#include "core/files/UrlList.h"
#include "core/files/UrlListFormat.h"
#include "core/helpers/Paths.h"
#include "core/host/Host.h"
#include "i18n/StringService.h"

namespace velvara::core {
namespace {

constexpr int kInvalidVlrFile = 208;
constexpr int kLoading = 272;

}  // namespace

OpenProjectResult openProject(Host& host, Project& project, KeyedCollection<std::string>& urlHistory,
                              const std::string& dataFolder, const std::string& path, bool addToRecent,
                              const std::function<void()>& clearImageList) {
  if (!pathExists(path)) return {};
  host.showBusyPanel(host.strings().loadMlString(kLoading));

  std::error_code error;
  auto bytes = readWholeFile(path, error);
  if (error) {
    reportFileError(host, path, error);
    host.hideBusyPanel();
    return {};
  }
  auto contents = parseProjectFile(bytes);
  if (!contents) {
    host.showMessage({MessageIcon::Critical, MessageButtons::Ok, path, host.strings().loadMlString(kInvalidVlrFile)});
    host.hideBusyPanel();
    return {};
  }

  removeLeftoversOfReplacing(path);
  project.projectFile = path;
  if (clearImageList) clearImageList();
  project.settings = std::move(contents->settings);
  if (contents->oldFormat) {
    project.images.replaceAfterOldLoad(std::move(contents->images));
  } else {
    project.images.replaceAfterLoad(std::move(contents->images));
  }
  for (const auto& item : project.images.items()) rememberUrl(urlHistory, item.linkUrl);
  saveUrlList(host, urlHistory, dataFolder);
  host.settingsSetValues();

  OpenProjectResult result;
  result.loaded = true;
  result.enableImageCommands = !project.images.empty();
  result.addToRecent = addToRecent;
  result.recentPath = project.projectFile;
  return result;
}

}  // namespace velvara::core
