#include "core/imaging/NonUtf8Names.h"

#include "core/host/Host.h"
#include "core/text/Encoding.h"
#include "i18n/AddedStrings.h"
#include "i18n/StringService.h"

namespace velvara::core {
namespace {

// More names would make a box taller than the screen.
constexpr std::size_t kMostNamesShown = 10;

}  // namespace

bool NonUtf8Names::refuse(const std::string& path) {
  if (isValidUtf8(path)) return false;
  refused_.push_back(path);
  return true;
}

void NonUtf8Names::report(Host& host) const {
  if (refused_.empty()) return;
  const auto& strings = host.strings();
  Message message;
  message.icon = MessageIcon::Exclamation;
  if (refused_.size() == 1) {
    message.text = strings.fillIn(i18n::added::kNameNotUtf8, {replaceInvalidUtf8(refused_.front())});
  } else {
    message.text = strings.fillIn(i18n::added::kNamesNotUtf8, {std::to_string(refused_.size())});
    const std::size_t shown = std::min(refused_.size(), kMostNamesShown);
    for (std::size_t i = 0; i < shown; ++i) message.text += "\r\n" + replaceInvalidUtf8(refused_[i]);
    if (shown < refused_.size())
      message.text +=
          "\r\n" + strings.fillIn(i18n::added::kMoreNamesNotUtf8, {std::to_string(refused_.size() - shown)});
  }
  host.showMessage(message);
}

}  // namespace velvara::core
