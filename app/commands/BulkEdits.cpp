#include "app/commands/BulkEdits.h"

#include <algorithm>

namespace velvara::app {

bool asksForConfirmation(BulkEdit edit) {
  return edit == BulkEdit::ClearTitles || edit == BulkEdit::ClearTooltips || edit == BulkEdit::TooltipEqualsTitle;
}

int bulkEditStringId(BulkEdit edit) {
  switch (edit) {
    case BulkEdit::ClearTitles:
      return 212;
    case BulkEdit::ClearTooltips:
      return 213;
    case BulkEdit::TooltipEqualsTitle:
      return 214;
    case BulkEdit::TitlePrefix:
    case BulkEdit::TooltipPrefix:
      return 215;
    case BulkEdit::TitleSuffix:
    case BulkEdit::TooltipSuffix:
      break;
  }
  return 216;
}

void applyBulkEdit(core::ImageList& images, const std::vector<std::int32_t>& selected, BulkEdit edit,
                   const std::string& text) {
  std::vector<std::int32_t> inOrder = selected;
  std::sort(inOrder.begin(), inOrder.end());
  for (const std::int32_t index : inOrder) {
    if (index < 0 || index >= images.count()) continue;
    core::ImageItem& image = images.item(index);
    switch (edit) {
      case BulkEdit::ClearTitles:
        image.title.clear();
        break;
      case BulkEdit::ClearTooltips:
        image.tooltip.clear();
        break;
      case BulkEdit::TooltipEqualsTitle:
        image.tooltip = image.title;
        break;
      case BulkEdit::TitlePrefix:
        image.title = text + image.title;
        break;
      case BulkEdit::TitleSuffix:
        image.title += text;
        break;
      case BulkEdit::TooltipPrefix:
        image.tooltip = text + image.tooltip;
        break;
      case BulkEdit::TooltipSuffix:
        image.tooltip += text;
        break;
    }
  }
}

}  // namespace velvara::app
