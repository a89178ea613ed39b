#include "app/strip/StripSelection.h"

#include <algorithm>

namespace velvara::app {

void StripSelection::ensureCells(std::int32_t count) {
  if (count > cellCount()) selected_.resize(count, false);
}

std::vector<std::int32_t> StripSelection::selectedImages(std::int32_t imageCount) const {
  std::vector<std::int32_t> images;
  for (std::int32_t i = 0; i < std::min(imageCount, cellCount()); ++i)
    if (selected_[i]) images.push_back(i);
  return images;
}

void StripSelection::unselectAll() {
  std::fill(selected_.begin(), selected_.end(), false);
  selectedCount_ = 0;
  firstSelected_ = -1;
  lastSelected_ = -1;
}

void StripSelection::countSelection(std::int32_t imageCount) {
  std::vector<std::int32_t> images = selectedImages(imageCount);
  selectedCount_ = static_cast<std::int32_t>(images.size());
  firstSelected_ = images.empty() ? -1 : images.front();
  lastSelected_ = images.empty() ? -1 : images.back();
}

void StripSelection::pressLeft(std::int32_t index, int shift) {
  ensureCells(index + 1);
  auto selectRange = [this](std::int32_t from, std::int32_t to) {
    for (std::int32_t i = from; i <= to; ++i) selected_[i] = true;
  };
  if (shift == kCtrlMask) {
    selected_[index] = !selected_[index];
  } else if (shift == kShiftMask) {
    if (selectedCount_ == 0) {
      selected_[index] = true;
    } else if (index < firstSelected_) {
      selectRange(index, firstSelected_);
    } else if (index > lastSelected_) {
      selectRange(lastSelected_, index);
    } else {
      selected_[index] = true;
    }
  } else if (selectedCount_ == 0) {
    selected_[index] = true;
  } else if (selectedCount_ == 1 || !selected_[index]) {
    unselectAll();
    selected_[index] = true;
  }
}

void StripSelection::toggleSelectAll(std::int32_t imageCount) {
  ensureCells(imageCount);
  bool select = imageCount != selectedCount_;
  std::fill(selected_.begin(), selected_.begin() + imageCount, select);
  selectedCount_ = select ? imageCount : 0;
  firstSelected_ = 0;
  lastSelected_ = 0;
}

std::int32_t StripSelection::lowestSelectedCell() const {
  auto it = std::find(selected_.begin(), selected_.end(), true);
  return it == selected_.end() ? 0 : static_cast<std::int32_t>(it - selected_.begin());
}

void StripSelection::selectBlock(std::int32_t from, std::int32_t count) {
  unselectAll();
  ensureCells(from + count);
  std::fill(selected_.begin() + from, selected_.begin() + from + count, true);
}

}  // namespace velvara::app
