#include "core/files/TextTooLongMessage.h"

#include "core/helpers/Paths.h"
#include "core/host/Host.h"
#include "i18n/AddedStrings.h"
#include "i18n/StringService.h"

namespace velvara::core {
namespace {

// A file name past this many bytes is cut, so that the message stays
// readable whatever name the image has.
constexpr std::size_t kLongestShownName = 60;

}  // namespace

std::string shownFileName(const std::string& sourcePath) {
  const std::string name = getFileName(sourcePath, true);
  if (name.size() <= kLongestShownName) return name;
  std::size_t cut = kLongestShownName;
  // Never inside a UTF-8 sequence.
  while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  return name.substr(0, cut) + "...";
}

void reportTextTooLong(Host& host, const std::string& path, const TextTooLong& tooLong,
                       const std::vector<ImageItem>& images) {
  const auto& strings = host.strings();
  const std::string field = tooLong.reservedNumber != 0
                                ? strings.fillIn(tooLong.fieldNameId, {std::to_string(tooLong.reservedNumber)})
                                : strings.loadMlString(tooLong.fieldNameId);
  std::string text;
  if (tooLong.imageIndex && *tooLong.imageIndex < images.size()) {
    const std::size_t index = *tooLong.imageIndex;
    text = strings.fillIn(i18n::added::kImageFieldTooLong,
                          {std::to_string(index + 1), shownFileName(images[index].sourcePath), field});
  } else {
    text = strings.fillIn(i18n::added::kSettingTooLong, {field});
  }
  host.showMessage({MessageIcon::Critical, MessageButtons::Ok, path, text});
}

}  // namespace velvara::core
