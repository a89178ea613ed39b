#pragma once
// The Images menu's edits of the titles and tooltips of the selected images.
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/ImageList.h"

namespace velvara::app {

enum class BulkEdit {
  ClearTitles,
  ClearTooltips,
  TooltipEqualsTitle,
  TitlePrefix,
  TitleSuffix,
  TooltipPrefix,
  TooltipSuffix,
};

// Whether the edit first asks "Are you sure?"; the others ask for a text.
bool asksForConfirmation(BulkEdit edit);

// The string id of the question's title (confirmed edits) or of the input
// box's prompt (the prefix and suffix edits).
int bulkEditStringId(BulkEdit edit);

// Applies the edit to the images at the selected indexes, in index order;
// text is the prefix or suffix, used exactly as typed.
void applyBulkEdit(core::ImageList& images, const std::vector<std::int32_t>& selected, BulkEdit edit,
                   const std::string& text = {});

}  // namespace velvara::app
