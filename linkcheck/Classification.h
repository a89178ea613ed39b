#pragma once
// What the link checker makes of a row before any web address is tested.
#include <optional>
#include <string>

#include "linkcheck/LinkStatus.h"

namespace velvara::linkcheck {

struct LinkVerdict {
  LinkStatus status = LinkStatus::NotVerifiedYet;
  // Set when the row's status is decided by a web test of this address
  // (one trailing "/" already dropped); status is then NotVerifiedYet.
  std::optional<std::string> webAddress;
};

// An image row: Validated when its file or folder exists.
LinkStatus checkImageFile(const std::string& path);

// A link row, relative links resolved against baseUrl.
LinkVerdict classifyLink(const std::string& target, const std::string& baseUrl);

}  // namespace velvara::linkcheck
