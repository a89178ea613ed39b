#pragma once
// Where the main window's resize puts its parts, computed from the client
// size and the sizes of the parts that keep theirs. Pixels throughout.
#include <cstdint>

namespace velvara::app {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

struct ScrollBarSetup {
  bool visible = false;
  std::int16_t maximum = 0;
  std::int16_t largeChange = 0;
  std::int16_t smallChange = 0;
  bool operator==(const ScrollBarSetup&) const = default;
};

struct LayoutInput {
  int clientWidth = 0;
  int clientHeight = 0;
  int descriptionWidth = 0;  // frmImageDescription, designed size
  int descriptionHeight = 0;
  int toolsWidth = 0;  // frmImagesTools, designed size
  int vScrollWidth = 0;
  int hScrollHeight = 0;
  int progressHeight = 0;
  bool projectHasImages = false;
  // The strip canvas as the strip sized it; used when the project has images.
  int canvasWidth = 0;
  int canvasHeight = 0;
  int cellWidth = 140;
  int cellHeight = 140;
};

struct Layout {
  Rect description;
  Rect tools;
  Rect vScroll;
  Rect hScroll;
  Rect outer;   // pbOuter
  Rect canvas;  // pbInner, always back at the top-left corner
  Rect progress;
  ScrollBarSetup vBar;
  ScrollBarSetup hBar;
};

// The smallest outer window size: both frames side by side with 25 pixels to
// spare, and 600 pixels high.
int minimumOuterWidth(int descriptionWidth, int toolsWidth);
inline constexpr int kMinimumOuterHeight = 600;

Layout layoutWindow(const LayoutInput& input);

}  // namespace velvara::app
