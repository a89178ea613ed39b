#include "app/strip/StripCells.h"

#include <algorithm>

namespace velvara::app {

bool StripCells::PositionOrder::operator()(const CellPosition& a, const CellPosition& b) const {
  return a.top != b.top ? a.top < b.top : a.left < b.left;
}

void StripCells::listIfApart(std::int32_t index) {
  const CellPosition at = looks_[index].position;
  if (at != cellPosition(grid_, index, gridRowLength_)) placedApart_[at].insert(index);
}

void StripCells::unlistApart(std::int32_t index) {
  const auto stack = placedApart_.find(looks_[index].position);
  if (stack == placedApart_.end()) return;
  stack->second.erase(index);
  if (stack->second.empty()) placedApart_.erase(stack);
}

bool StripCells::ensure(std::int32_t index) {
  if (index < count()) return false;
  const std::int32_t first = count();
  looks_.resize(index + 1);
  // A new cell lies at the canvas's corner until it is placed.
  for (std::int32_t i = first; i <= index; ++i) listIfApart(i);
  return true;
}

void StripCells::truncate(std::int32_t count) {
  looks_.resize(std::max(count, std::int32_t{1}));
  for (auto stack = placedApart_.begin(); stack != placedApart_.end();) {
    stack->second.erase(stack->second.lower_bound(this->count()), stack->second.end());
    stack = stack->second.empty() ? placedApart_.erase(stack) : std::next(stack);
  }
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
  for (std::int32_t i = 0; i < count(); ++i) listIfApart(i);
}

void StripCells::place(std::int32_t index, CellPosition position) {
  unlistApart(index);
  looks_.at(index).position = position;
  listIfApart(index);
}

bool StripCells::meets(std::int32_t index, const CanvasRect& window) const {
  const CellPosition at = looks_[index].position;
  return at.left < window.left + window.width && window.left < at.left + grid_.cellWidth &&
         at.top < window.top + window.height && window.top < at.top + grid_.cellHeight;
}

std::vector<std::int32_t> StripCells::shownIn(const CanvasRect& window) const {
  std::vector<std::int32_t> found;
  if (window.width <= 0 || window.height <= 0) return found;
  // The cells whose grid places are under the window, then of each stack of
  // cells placed apart the one on top.
  const std::int32_t firstRow = std::max(window.top / grid_.cellHeight - 1, 0);
  const std::int32_t lastRow = (window.top + window.height) / grid_.cellHeight;
  const std::int32_t firstCol = std::max(window.left / grid_.cellWidth - 1, 0);
  const std::int32_t lastCol = std::min((window.left + window.width) / grid_.cellWidth, gridRowLength_ - 1);
  for (std::int32_t row = firstRow; row <= lastRow; ++row) {
    const std::int64_t rowStart = static_cast<std::int64_t>(row) * gridRowLength_;
    if (rowStart >= count()) break;
    for (std::int32_t col = firstCol; col <= lastCol; ++col) {
      const auto i = static_cast<std::int32_t>(rowStart + col);
      if (i < count() && looks_[i].visible && meets(i, window)) found.push_back(i);
    }
  }
  for (const auto& [position, stack] : placedApart_) {
    const auto top = std::find_if(stack.rbegin(), stack.rend(), [this](std::int32_t i) { return looks_[i].visible; });
    if (top != stack.rend() && meets(*top, window)) found.push_back(*top);
  }
  // Grid cells, cells placed apart and stacks may share a place: of the
  // cells at one place only the highest is seen.
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  std::vector<std::int32_t> seen;
  std::set<CellPosition, PositionOrder> taken;
  for (auto i = found.rbegin(); i != found.rend(); ++i)
    if (taken.insert(looks_[*i].position).second) seen.push_back(*i);
  std::reverse(seen.begin(), seen.end());
  return seen;
}

bool StripCells::seenIn(std::int32_t index, const CanvasRect& window) const {
  const std::vector<std::int32_t> seen = shownIn(window);
  return std::binary_search(seen.begin(), seen.end(), index);
}

}  // namespace velvara::app
