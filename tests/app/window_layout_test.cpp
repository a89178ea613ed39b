// The main window's resize layout: the fixed panels along the bottom, the
// strip above them and the scroll bars shown only when the canvas is larger.
#include <gtest/gtest.h>

#include "app/WindowLayout.h"

namespace velvara::app {
namespace {

LayoutInput window(int width, int height) {
  LayoutInput input;
  input.clientWidth = width;
  input.clientHeight = height;
  input.descriptionWidth = 481;
  input.descriptionHeight = 193;
  input.toolsWidth = 137;
  input.vScrollWidth = 17;
  input.hScrollHeight = 17;
  input.progressHeight = 16;
  return input;
}

TEST(WindowLayoutTest, PanelsSitAlongTheBottomAndTheStripFillsTheRest) {
  const Layout layout = layoutWindow(window(800, 600));
  EXPECT_EQ(layout.description, (Rect{5, 407, 481, 193}));
  EXPECT_EQ(layout.tools, (Rect{491, 407, 137, 193}));
  EXPECT_EQ(layout.vScroll, (Rect{783, 0, 17, 407}));
  EXPECT_EQ(layout.hScroll, (Rect{5, 390, 778, 17}));
  EXPECT_EQ(layout.outer, (Rect{5, 0, 778, 390}));
  EXPECT_EQ(layout.progress, (Rect{7, 375, 776, 16}));
  // An empty project: the canvas fills the strip and no bar shows.
  EXPECT_EQ(layout.canvas, (Rect{0, 0, 778, 390}));
  EXPECT_FALSE(layout.vBar.visible);
  EXPECT_FALSE(layout.hBar.visible);
  EXPECT_EQ(minimumOuterWidth(481, 137), 643);
}

TEST(WindowLayoutTest, ABarShowsOnlyForACanvasLargerThanTheStrip) {
  struct Case {
    int canvasWidth;
    int canvasHeight;
    ScrollBarSetup vBar;
    ScrollBarSetup hBar;
  };
  const Case cases[] = {
      {778, 391, {true, 1, 140, 70}, {}},
      {778, 390, {}, {}},
      {1120, 2800, {true, 2410, 140, 70}, {true, 342, 140, 70}},
  };
  for (const Case& c : cases) {
    LayoutInput input = window(800, 600);
    input.projectHasImages = true;
    input.canvasWidth = c.canvasWidth;
    input.canvasHeight = c.canvasHeight;
    const Layout layout = layoutWindow(input);
    EXPECT_EQ(layout.vBar, c.vBar);
    EXPECT_EQ(layout.hBar, c.hBar);
    EXPECT_EQ(layout.canvas, (Rect{0, 0, c.canvasWidth, c.canvasHeight}));
  }
}

TEST(WindowLayoutTest, AClientAreaWithoutHeightGivesNoNegativeSize) {
  const Layout layout = layoutWindow(window(0, 0));
  for (const Rect& r : {layout.vScroll, layout.hScroll, layout.outer, layout.canvas, layout.progress}) {
    EXPECT_GE(r.width, 0);
    EXPECT_GE(r.height, 0);
  }
}

}  // namespace
}  // namespace velvara::app
