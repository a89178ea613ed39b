#include "linkcheck/LinkStatus.h"

#include "i18n/StringService.h"

namespace velvara::linkcheck {

std::string statusText(const i18n::StringService& strings, LinkStatus status) {
  if (status == LinkStatus::RelativeNotVerified) return "Relative URL: not verifyed";
  return strings.loadMlString(static_cast<int>(status));
}

}  // namespace velvara::linkcheck
