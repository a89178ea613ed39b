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
      << "the client is " << client->width() << " wide, the bar ends at " << bar->geometry().right() + 1;
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

using MainWindowPlacementTest = testing::MainWindowFixture;

// Waits for the window system to give the window that outer place (only its
// position and width when the height is 0).
void expectFrame(Form1& window, const QRect& frame) {
  const auto placed = [&] {
    const QRect now = window.frameGeometry();
    return frame.height() == 0 ? now.topLeft() == frame.topLeft() && now.width() == frame.width() : now == frame;
  };
  EXPECT_TRUE(QTest::qWaitFor(placed, 10000))
      << "the window is at " << window.frameGeometry().x() << "," << window.frameGeometry().y() << ", "
      << window.frameGeometry().width() << "x" << window.frameGeometry().height();
}

// A stored size applies when it is not 0, a stored edge when it is 0 or more,
// each only where the screens can show it; an edge that does not apply is
// left to the window system, which places the window at the screen's left
// and top here (no window manager).
TEST_F(MainWindowPlacementTest, StoredSizesAndEdgesApplyOnlyWhereTheScreensShowThem) {
  store("width", "0");
  store("height", "9000");
  store("left", "1500");
  store("top", "-1");
  Form1& window = load();
  EXPECT_FALSE(window.testAttribute(Qt::WA_Moved)) << "the top edge is still the window system's to choose";
  window.show();
  expectFrame(window, QRect(100, 0, 643, 600));
  window.move(20, 30);
  expectFrame(window, QRect(20, 30, 643, 600));
  window.close();
  EXPECT_EQ(stored("width"), "9645");
  EXPECT_EQ(stored("height"), "9000");
  EXPECT_EQ(stored("left"), "300");
  EXPECT_EQ(stored("top"), "450");

  // Values the screens cannot show: sizes larger than them, edges beyond them.
  store("width", "11250");
  store("left", "99999999");
  store("top", "99999999");
  start();
  expectFrame(*window_, QRect(0, 0, 750, 600));
  window_->close();
  store("width", "99999999");
  store("height", "99999999");
  store("left", "0");
  store("top", "1500");
  start();
  expectFrame(*window_, QRect(0, 100, 643, 0));
  window_->close();
  EXPECT_EQ(stored("width"), "9645");
  EXPECT_NE(stored("height"), "99999999");

  // A minimised window keeps the placement of the run before.
  start();
  window_->resize(900, 700);
  window_->showMinimized();
  window_->close();
  EXPECT_EQ(stored("width"), "9645");
  EXPECT_EQ(stored("top"), "1500");
}

}  // namespace
}  // namespace velvara::app
