#pragma once
// Where a drag of the selected cells ends and what order the images take:
// the selected images become one block, in their own order, placed in the
// gap the pointer is over; every other image keeps its relative order.
#include <cstdint>
#include <optional>
#include <vector>

#include "app/strip/StripLayout.h"

namespace velvara::app {

// The gap a drop at canvas point (x, y) aims at: shifting x by half a cell
// turns the column under the pointer into the nearest gap. The result lies
// in 0..imageCount.
std::int32_t dropTarget(const StripGrid& grid, float x, float y, std::int32_t picInRow, std::int32_t imageCount);

struct DropOrder {
  // order[i] is the old index of the image that goes to position i.
  std::vector<std::int32_t> order;
  // Where the moved block starts in the new order.
  std::int32_t insertAt = 0;
};

// The new order for moving the selected images (ascending old indexes) to
// target; nothing when the list stays as it is (no selection, or a target on
// the first selected image's own gap, which is firstSelectedCell).
std::optional<DropOrder> planDrop(const std::vector<std::int32_t>& selected, std::int32_t imageCount,
                                  std::int32_t target, std::int32_t firstSelectedCell);

}  // namespace velvara::app
