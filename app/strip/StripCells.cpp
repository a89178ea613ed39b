#include "app/strip/StripCells.h"

#include <algorithm>

namespace velvara::app {

bool StripCells::ensure(std::int32_t index) {
  if (index < count()) return false;
  const std::int32_t first = count();
  looks_.resize(index + 1);
  // A new cell lies at the canvas's corner until it is placed.
  for (std::int32_t i = first; i <= index; ++i)
    if (looks_[i].position != cellPosition(grid_, i, gridRowLength_)) placedApart_.push_back(i);
  return true;
}

void StripCells::truncate(std::int32_t count) {
  looks_.resize(std::max(count, std::int32_t{1}));
  std::erase_if(placedApart_, [this](std::int32_t i) { return i >= this->count(); });
}

void StripCells::clearPicture(std::int32_t index) {
  CellLook& cell = looks_.at(index);
  cell.cleared = true;
  cell.showsPreview = false;
  cell.tooltip.clear();
}

void StripCells::showPreview(std::int32_t index, double picHeightPercentOfWidth, const std::string& tooltip) {
  CellLook& cell = looks_.at(index);
  cell.showsPreview = true;
  cell.picHeightPercentOfWidth = picHeightPercentOfWidth;
  cell.tooltip = tooltip;
}

void StripCells::placeAll(std::int32_t picInRow) {
  gridRowLength_ = picInRow;
  placedApart_.clear();
  for (std::int32_t i = 0; i < count(); ++i) looks_[i].position = cellPosition(grid_, i, picInRow);
}

void StripCells::startPlacing(std::int32_t picInRow) {
  if (picInRow == gridRowLength_) return;
  gridRowLength_ = picInRow;
  placedApart_.clear();
  for (std::int32_t i = 0; i < count(); ++i)
    if (looks_[i].position != cellPosition(grid_, i, picInRow)) placedApart_.push_back(i);
}

void StripCells::place(std::int32_t index, CellPosition position) {
  looks_.at(index).position = position;
  if (position != cellPosition(grid_, index, gridRowLength_)) placedApart_.push_back(index);
}

bool StripCells::meets(std::int32_t index, const CanvasRect& window) const {
  const CellPosition at = looks_[index].position;
  return at.left < window.left + window.width && window.left < at.left + grid_.cellWidth &&
         at.top < window.top + window.height && window.top < at.top + grid_.cellHeight;
}

std::vector<std::int32_t> StripCells::shownIn(const CanvasRect& window) const {
  std::vector<std::int32_t> found;
  if (window.width <= 0 || window.height <= 0) return found;
  auto consider = [&](std::int32_t i) {
    if (i >= 0 && i < count() && looks_[i].visible && meets(i, window)) found.push_back(i);
  };
  // The grid cells under the window, then those placed apart from the grid.
  const std::int32_t firstRow = std::max(window.top / grid_.cellHeight - 1, 0);
  const std::int32_t lastRow = (window.top + window.height) / grid_.cellHeight;
  const std::int32_t firstCol = std::max(window.left / grid_.cellWidth - 1, 0);
  const std::int32_t lastCol = std::min((window.left + window.width) / grid_.cellWidth, gridRowLength_ - 1);
  for (std::int32_t row = firstRow; row <= lastRow; ++row) {
    const std::int64_t rowStart = static_cast<std::int64_t>(row) * gridRowLength_;
    if (rowStart >= count()) break;
    for (std::int32_t col = firstCol; col <= lastCol; ++col) consider(static_cast<std::int32_t>(rowStart + col));
  }
  for (std::int32_t i : placedApart_) consider(i);
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

}  // namespace velvara::app
