#pragma once
// The objects a gallery of the project depends on, one row each, in the
// order the link checker lists them: per image its source file and its link,
// then the home address and the two background images.
#include <string>
#include <vector>

#include "core/model/Project.h"

namespace velvara::linkcheck {

enum class RowKind { Image, Url };

struct LinkRow {
  RowKind kind = RowKind::Image;
  std::string target;
  // The index of the row's image; -1 for the rows of the settings.
  int imageIndex = -1;

  bool operator==(const LinkRow&) const = default;
};

std::vector<LinkRow> collectLinkRows(const core::Project& project);

}  // namespace velvara::linkcheck
