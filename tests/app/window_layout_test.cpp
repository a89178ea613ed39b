// The main window's resize layout: the fixed panels along the bottom, the
// strip above them and the scroll bars shown only when the canvas is larger;
// and the real window, which lays itself out for every size it ends up with
// and never stays below its smallest size.
#include <gtest/gtest.h>

#include <QFrame>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "app/WindowLayout.h"
#include "tests/app/MainWindowFixture.h"

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

using MainWindowLayoutTest = testing::MainWindowFixture;

// Once the window system has given the window the outer size, the scroll bar
// runs along the right edge of the client, the strip beside it and the edit
// panel along the bottom: the window is laid out for the client it has.
void expectLaidOutFor(Form1& window, const QSize& outer) {
  const QWidget* client = window.centralWidget();
  const QScrollBar* bar = window.controls().VScroll1;
  const QWidget* panel = window.controls().frmImageDescription;
  const auto laidOut = [&] {
    return window.frameGeometry().size() == outer && bar->geometry().right() + 1 == client->width() &&
           panel->geometry().bottom() + 1 == client->height();
  };
  // The window system answers in its own time (an X server in a second
  // process); the wait ends as soon as everything holds.
  EXPECT_TRUE(QTest::qWaitFor(laidOut, 10000))
      << "outer " << window.frameGeometry().width() << "x" << window.frameGeometry().height() << ", client "
      << client->width() << "x" << client->height() << ", scroll bar ends at " << bar->geometry().right() + 1
      << ", edit panel at " << panel->geometry().bottom() + 1;
  EXPECT_EQ(window.controls().pbOuter->geometry().right() + 1, bar->x());
}

TEST_F(MainWindowLayoutTest, TheWindowIsLaidOutForTheSmallestSizeItGrowsTo) {
  // The designed 9525 by 9630 twips are narrower than the smallest width.
  Form1& window = start();
  expectLaidOutFor(window, QSize(643, 642));

  // A window system without a manager to keep the window's smallest size
  // shrinks it as asked; the window grows back and lays itself out again.
  window.windowHandle()->resize(400, 300);
  expectLaidOutFor(window, QSize(643, 600));
  window.close();
  EXPECT_EQ(stored("width"), "9645");
  EXPECT_EQ(stored("height"), "9000");
}

}  // namespace
}  // namespace velvara::app
