#include "app/strip/StripLayout.h"

#include <algorithm>
#include <cmath>

namespace velvara::app {

CellPosition cellPosition(const StripGrid& grid, std::int32_t index, std::int32_t picInRow) {
  return {(index % picInRow) * grid.cellWidth, (index / picInRow) * grid.cellHeight};
}

std::int32_t limitRowToWidth(const StripGrid& grid, std::int32_t picInRow) {
  // The widest row that fits, found at once: a stored row length may be as
  // large as the box allows, and counting down to it would freeze the window.
  return std::max(std::min(picInRow, kCanvasLimit / grid.cellWidth), std::int32_t{1});
}

std::int32_t limitRowsToHeight(const StripGrid& grid, std::int32_t picInRow, std::int32_t imageCount) {
  const auto tooTall = [&](std::int32_t n) {
    return static_cast<double>(imageCount) / n * grid.cellHeight > kCanvasLimit;
  };
  // Start just below the answer, then step as the rule steps, so that the
  // rounding of the quotient is the rule's own.
  const auto below = static_cast<std::int32_t>(static_cast<double>(imageCount) * grid.cellHeight / kCanvasLimit) - 1;
  std::int32_t n = std::max(picInRow, below);
  while (tooTall(n)) ++n;
  return n;
}

CanvasSize canvasSize(const StripGrid& grid, std::int32_t cellCount, std::int32_t imageCount, std::int32_t picInRow) {
  std::int32_t rows = cellCount / picInRow;
  if (picInRow * rows < imageCount) ++rows;
  return {picInRow * grid.cellWidth, grid.cellHeight * rows};
}

GridCell slideGridCell(const StripGrid& grid, float x, float y, std::int32_t picInRow) {
  GridCell cell;
  if (x < 5) {
    cell.col = -1;
  } else {
    cell.col = picInRow;
    while (cell.col > 0 && static_cast<float>(cell.col) * grid.cellWidth > x) --cell.col;
  }
  if (y < 5) {
    cell.row = -1;
  } else {
    cell.row = 0;
    while (y > static_cast<float>(cell.row + 1) * grid.cellHeight) ++cell.row;
  }
  return cell;
}

std::int32_t wheelScrollValue(const ScrollRange& bar, float rotation) {
  float v = static_cast<float>(bar.value) - rotation * static_cast<float>(bar.largeChange);
  // nearbyint rounds halves to even in the default rounding mode.
  auto rounded = static_cast<std::int64_t>(std::nearbyint(v));
  if (rounded < bar.minimum) rounded = bar.minimum;
  if (rounded > bar.maximum) rounded = bar.maximum;
  return static_cast<std::int32_t>(rounded);
}

std::optional<std::int32_t> scrollIntoViewValue(std::int32_t cellStart, std::int32_t canvasStart,
                                                std::int32_t windowExtent, std::int32_t largeChange) {
  std::int32_t inWindow = cellStart + canvasStart;
  if (inWindow < 0) return cellStart;
  if (inWindow >= windowExtent) return cellStart - windowExtent + largeChange;
  return std::nullopt;
}

}  // namespace velvara::app
