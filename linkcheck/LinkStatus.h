#pragma once
// The status of one row of the link checker, and its text in the current
// language.
#include <string>

namespace velvara::i18n {
class StringService;
}

namespace velvara::linkcheck {

// Each status is its string id; the one status that has a fixed text in
// every language has none.
enum class LinkStatus : int {
  NotVerified = 184,
  // What a run sets before it tests the rows; reads as NotVerified.
  NotVerifiedYet = 188,
  Validated = 189,
  ImageNotFound = 190,
  UrlNotFound = 192,
  LinkNotFound = 193,
  ExternalNotVerified = 248,
  LinkFileNotFound = 249,
  RelativeNotVerified = 0,
};

std::string statusText(const i18n::StringService& strings, LinkStatus status);

}  // namespace velvara::linkcheck
