#pragma once
// The arithmetic of the thumbnail strip: where cells go, how large the canvas
// is, which grid cell a canvas point falls in, and where the scroll bars move
// for the wheel and for bringing a cell into view. No widgets here.
#include <cstdint>
#include <optional>

namespace velvara::app {

// The platform keeps widget coordinates within this many pixels, so the
// canvas must too.
inline constexpr std::int32_t kCanvasLimit = 32000;

struct StripGrid {
  std::int32_t cellWidth = 140;
  std::int32_t cellHeight = 140;
};

struct CellPosition {
  std::int32_t left = 0;
  std::int32_t top = 0;
  bool operator==(const CellPosition&) const = default;
};

struct CanvasSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const CanvasSize&) const = default;
};

CellPosition cellPosition(const StripGrid& grid, std::int32_t index, std::int32_t picInRow);

// Fewer pictures per row until a row fits the canvas limit.
std::int32_t limitRowToWidth(const StripGrid& grid, std::int32_t picInRow);

// More pictures per row until the rows of imageCount images fit the canvas
// limit; the quotient is taken as a fraction, not rounded up to whole rows.
std::int32_t limitRowsToHeight(const StripGrid& grid, std::int32_t picInRow, std::int32_t imageCount);

// The canvas for cellCount placed cells: the full rows among all of them, and
// one more for a partly filled last row of images. Cells left over from a
// larger list therefore still count.
CanvasSize canvasSize(const StripGrid& grid, std::int32_t cellCount, std::int32_t imageCount, std::int32_t picInRow);

// Row and column of a canvas point: -1 for a point within 5 pixels of the
// top or the left edge; the column may equal picInRow right of the last
// column. A point on a vertical grid line belongs to the column on its right,
// one on a horizontal grid line to the row above it.
struct GridCell {
  std::int32_t row = 0;
  std::int32_t col = 0;
  bool operator==(const GridCell&) const = default;
};
GridCell slideGridCell(const StripGrid& grid, float x, float y, std::int32_t picInRow);

struct ScrollRange {
  std::int32_t value = 0;
  std::int32_t minimum = 0;
  std::int32_t maximum = 0;
  std::int32_t largeChange = 0;
};

// The bar's value after the wheel turned by rotation notches (positive away
// from the user): one large change per notch, rounded halves to even and
// kept within the bar's range.
std::int32_t wheelScrollValue(const ScrollRange& bar, float rotation);

// The value that brings a cell into view along one axis, or nothing when its
// leading edge is visible already. cellStart is the cell's place on the
// canvas, canvasStart the canvas's place in the window (minus the value).
std::optional<std::int32_t> scrollIntoViewValue(std::int32_t cellStart, std::int32_t canvasStart,
                                                std::int32_t windowExtent, std::int32_t largeChange);

}  // namespace velvara::app
