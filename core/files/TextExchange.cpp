#include "core/files/TextExchange.h"

#include "core/files/FileAccess.h"
#include "core/files/TextExchangeFormat.h"
#include "core/files/UrlListFormat.h"
#include "core/helpers/Paths.h"
#include "core/host/Host.h"

namespace velvara::core {

bool exportText(Host& host, const ImageList& images, const std::string& path) {
  if (images.empty()) return true;
  if (auto error = replaceFileAtomically(path, formatTextExchange(images.items()))) {
    reportFileError(host, path, error);
    return false;
  }
  return true;
}

ImportTextResult importText(Host& host, Project& project, KeyedCollection<std::string>& urlHistory,
                            const std::string& path, const std::function<void()>& clearImageList) {
  std::error_code error;
  auto bytes = readWholeFile(path, error);
  if (error) {
    host.showMessage({MessageIcon::Critical, MessageButtons::YesNo, std::string(), path + ": " + error.message()});
    return {};
  }
  auto imported = parseTextExchange(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (imported.empty()) return {true, false};

  if (clearImageList) clearImageList();
  project.images.replaceAfterLoad(std::move(imported));
  for (std::int32_t i = 0; i < project.images.count(); ++i) {
    auto& item = project.images.item(i);
    item.outputBaseName = uniqueImageName(project.images, getFileName(item.sourcePath, false));
    rememberUrl(urlHistory, item.linkUrl);
  }
  host.settingsSetValues();
  return {true, true};
}

}  // namespace velvara::core
