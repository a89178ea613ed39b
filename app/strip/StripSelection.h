#pragma once
// Which images of the strip are selected, and how clicks, the select-all
// toggle and a drop change that. One flag per existing cell: cells beyond the
// image count (left from a larger list) keep theirs until unselectAll.
#include <cstdint>
#include <vector>

namespace velvara::app {

// Mouse buttons and the modifier mask as the strip's handlers see them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

class StripSelection {
 public:
  std::int32_t cellCount() const { return static_cast<std::int32_t>(selected_.size()); }
  void ensureCells(std::int32_t count);

  bool isSelected(std::int32_t cell) const { return selected_.at(cell); }
  void setSelected(std::int32_t cell, bool selected) { selected_.at(cell) = selected; }

  std::int32_t selectedCount() const { return selectedCount_; }
  std::int32_t firstSelected() const { return firstSelected_; }
  std::int32_t lastSelected() const { return lastSelected_; }

  // The selected image indexes, lowest first.
  std::vector<std::int32_t> selectedImages(std::int32_t imageCount) const;

  // Every existing cell unselected, the counters at none.
  void unselectAll();

  // Recomputes the counters from the flags of the image cells.
  void countSelection(std::int32_t imageCount);

  // A left press on cell index with the modifier mask shift; the counters are
  // not recomputed.
  void pressLeft(std::int32_t index, int shift);

  // Every image selected, or none when all are. Both leave first and last at
  // 0, which the edit panel and the keys take as the current image.
  void toggleSelectAll(std::int32_t imageCount);

  // The lowest selected cell among all existing cells, 0 when none.
  std::int32_t lowestSelectedCell() const;

  // Only cells from..from + count - 1 selected.
  void selectBlock(std::int32_t from, std::int32_t count);

 private:
  std::vector<bool> selected_;
  std::int32_t selectedCount_ = 0;
  std::int32_t firstSelected_ = -1;
  std::int32_t lastSelected_ = -1;
};

}  // namespace velvara::app
