#include "core/files/TextExchange.h"

#include "core/files/FileAccess.h"
#include "core/files/TextExchangeFormat.h"
#include "core/files/TextTooLongMessage.h"
#include "core/files/UrlListFormat.h"
#include "core/helpers/Paths.h"
#include "core/host/Host.h"
#include "i18n/AddedStrings.h"
#include "i18n/StringService.h"

namespace velvara::core {

namespace {

void reportLineBreak(Host& host, const std::string& path, const ValueWithLineBreak& value,
                     const std::vector<ImageItem>& images) {
  const auto& strings = host.strings();
  const std::string text =
      strings.fillIn(i18n::added::kImageFieldLineBreak,
                     {std::to_string(value.imageIndex + 1), shownFileName(images[value.imageIndex].sourcePath),
                      strings.loadMlString(value.fieldNameId)});
  host.showMessage({MessageIcon::Critical, MessageButtons::Ok, path, text});
}

}  // namespace

bool exportText(Host& host, const ImageList& images, const std::string& path) {
  if (images.empty()) return true;
  if (auto value = findValueWithLineBreak(images.items())) {
    reportLineBreak(host, path, *value, images.items());
    return false;
  }
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
