#include "app/strip/DropReorder.h"

#include <algorithm>

namespace velvara::app {

std::int32_t dropTarget(const StripGrid& grid, float x, float y, std::int32_t picInRow, std::int32_t imageCount) {
  GridCell cell = slideGridCell(grid, x + static_cast<float>(grid.cellWidth) / 2, y, picInRow);
  std::int32_t target = picInRow * cell.row + cell.col;
  return std::clamp(target, 0, imageCount);
}

std::optional<DropOrder> planDrop(const std::vector<std::int32_t>& selected, std::int32_t imageCount,
                                  std::int32_t target, std::int32_t firstSelectedCell) {
  if (target == firstSelectedCell || selected.empty()) return std::nullopt;
  std::vector<bool> isSelected(imageCount, false);
  for (std::int32_t index : selected) isSelected.at(index) = true;
  DropOrder plan;
  plan.order.reserve(imageCount);
  for (std::int32_t i = 0; i < target; ++i)
    if (!isSelected[i]) plan.order.push_back(i);
  plan.insertAt = static_cast<std::int32_t>(plan.order.size());
  plan.order.insert(plan.order.end(), selected.begin(), selected.end());
  for (std::int32_t i = target; i < imageCount; ++i)
    if (!isSelected[i]) plan.order.push_back(i);
  return plan;
}

}  // namespace velvara::app
