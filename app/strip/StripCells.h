#pragma once
// The strip's cells as plain data: every cell that exists, shown or hidden,
// with what a cell widget would show for it. Only the cells in the strip's
// window are widgets (app/strip/CellPool.h); the rest are these records, so a
// project of many thousands of images costs no widget per image, and a click
// or a scroll costs the same with ten images as with ten thousand.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/strip/StripLayout.h"

namespace velvara::app {

struct CanvasRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// What one cell shows. A cell starts as a newly placed control: a white
// picture box and no picture. Clearing it gives the grey box with the
// placeholder picture; painting a preview lays the box out for the preview's
// proportions and shows the preview of the image at the cell's index, drawn
// from the project's cached bitmap whenever the cell comes into view.
struct CellLook {
  bool visible = false;
  bool picAutoSize = false;
  bool cleared = false;
  bool showsPreview = false;
  double picHeightPercentOfWidth = 1.0;
  std::string tooltip;
  // Changed only by StripCells::place and placeAll, which keep the cells
  // placed apart from the grid listed.
  CellPosition position;
};

class StripCells {
 public:
  explicit StripCells(const StripGrid& grid) : grid_(grid) {}

  std::int32_t count() const { return static_cast<std::int32_t>(looks_.size()); }
  bool exists(std::int32_t index) const { return index >= 0 && index < count(); }

  // Makes the cells up to index, each as newly placed and hidden; true when
  // cell index was made now.
  bool ensure(std::int32_t index);
  // Keeps the first count cells (at least one).
  void truncate(std::int32_t count);

  const CellLook& look(std::int32_t index) const { return looks_.at(index); }
  CellLook& look(std::int32_t index) { return looks_.at(index); }

  // Cell index shows the placeholder in its grey box, without a tooltip.
  void clearPicture(std::int32_t index);
  // Cell index shows the preview of its image at the preview's proportions.
  void showPreview(std::int32_t index, double picHeightPercentOfWidth, const std::string& tooltip);

  // Every cell placed on the grid of picInRow.
  void placeAll(std::int32_t picInRow);
  // Cells are about to be placed one by one on the grid of picInRow.
  void startPlacing(std::int32_t picInRow);
  void place(std::int32_t index, CellPosition position);

  // The shown cells that are seen through the rectangle (a window onto the
  // canvas), lowest index first: those whose square meets it, except a cell
  // that lies exactly where a shown cell of a higher index lies, which covers
  // it whole (cells are stacked in index order). Images being added wait at
  // the canvas's corner, one on top of the other, until the strip is
  // arranged: only the one on top is seen.
  std::vector<std::int32_t> shownIn(const CanvasRect& window) const;
  // Whether cell index is one of shownIn(window).
  bool seenIn(std::int32_t index, const CanvasRect& window) const;

 private:
  struct PositionOrder {
    bool operator()(const CellPosition& a, const CellPosition& b) const;
  };
  bool meets(std::int32_t index, const CanvasRect& window) const;
  // Lists cell index in placedApart_ when it lies off the grid, or takes it
  // out of the list.
  void listIfApart(std::int32_t index);
  void unlistApart(std::int32_t index);

  StripGrid grid_;
  std::vector<CellLook> looks_;
  // The row length the cells were last placed with all together.
  std::int32_t gridRowLength_ = 1;
  // The cells that lie elsewhere than that grid puts them, by position, each
  // position's cells in index order.
  std::map<CellPosition, std::set<std::int32_t>, PositionOrder> placedApart_;
};

}  // namespace velvara::app
