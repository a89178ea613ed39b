// The program's own defaults need the string tables and the documents folder;
// kept apart from the plain record so that the file readers build without them.
#include "core/folders/DataFolder.h"
#include "core/model/GallerySettings.h"
#include "i18n/StringService.h"

namespace velvara::core {
namespace {

constexpr int kDefaultWebTitle = 102;

}  // namespace

void setDefaultSettings(GallerySettings& settings, const i18n::StringService& strings) {
  setDefaultSettings(settings, strings.loadMlString(kDefaultWebTitle), getPersonalFolder());
}

std::string webTitleInCurrentLanguage(const std::string& webTitle, const i18n::StringService& strings) {
  return strings.isTextInAnyLanguage(kDefaultWebTitle, webTitle) ? strings.loadMlString(kDefaultWebTitle) : webTitle;
}

}  // namespace velvara::core
