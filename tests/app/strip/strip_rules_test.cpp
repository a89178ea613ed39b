// The strip's arithmetic and selection rules, without widgets.
#include <gtest/gtest.h>

#include "app/strip/DropReorder.h"
#include "app/strip/StripLayout.h"
#include "app/strip/StripSelection.h"

namespace velvara::app {
namespace {

const StripGrid grid;

TEST(StripLayout, RowLengthKeepsTheCanvasWithinTheLimit) {
  struct Case {
    std::int32_t picInRow, imageCount, expected;
  };
  for (Case c :
       {Case{300, 10, 228}, Case{228, 10, 228}, Case{4, 1000, 5}, Case{1, 229, 2}, Case{1, 228, 1},
        Case{300, 100000, 438}, Case{INT32_MAX, 10, 228}, Case{1, 10000, 44}, Case{4, 914, 4}, Case{4, 915, 5}}) {
    std::int32_t n = limitRowsToHeight(grid, limitRowToWidth(grid, c.picInRow), c.imageCount);
    EXPECT_EQ(n, c.expected) << c.picInRow << " per row, " << c.imageCount << " images";
  }
}

TEST(StripLayout, CanvasCountsLeftOverCellsAndAPartialLastRow) {
  EXPECT_EQ(canvasSize(grid, 50, 10, 4), (CanvasSize{560, 1680}));
  EXPECT_EQ(canvasSize(grid, 10, 10, 4), (CanvasSize{560, 420}));
  EXPECT_EQ(canvasSize(grid, 8, 8, 4), (CanvasSize{560, 280}));
  EXPECT_EQ(canvasSize(grid, 1, 0, 4), (CanvasSize{560, 0}));
  EXPECT_EQ(cellPosition(grid, 5, 4), (CellPosition{140, 140}));
}

TEST(StripLayout, SlideGridCellBordersBelongRightAndUp) {
  EXPECT_EQ(slideGridCell(grid, 205, 150, 4), (GridCell{1, 1}));
  EXPECT_EQ(slideGridCell(grid, 4, 150, 4).col, -1);
  EXPECT_EQ(slideGridCell(grid, 600, 150, 4).col, 4);
  EXPECT_EQ(slideGridCell(grid, 140, 150, 4).col, 1);
  EXPECT_EQ(slideGridCell(grid, 100, 140, 4).row, 0);
  EXPECT_EQ(slideGridCell(grid, 100, 140.5f, 4).row, 1);
  EXPECT_EQ(slideGridCell(grid, 100, 4, 4).row, -1);
}

TEST(StripLayout, WheelMovesOneCellPerNotchWithinTheRange) {
  ScrollRange bar{300, 0, 1000, 140};
  EXPECT_EQ(wheelScrollValue(bar, 1), 160);
  EXPECT_EQ(wheelScrollValue(bar, 3), 0);
  EXPECT_EQ(wheelScrollValue(bar, -1), 440);
  EXPECT_EQ(wheelScrollValue(bar, -10), 1000);
  EXPECT_EQ(wheelScrollValue(ScrollRange{1, 0, 100, 1}, 0.5f), 0);  // 0.5 rounds to even
  EXPECT_EQ(wheelScrollValue(ScrollRange{2, 0, 100, 1}, 0.5f), 2);  // 1.5 rounds to 2
}

TEST(StripLayout, ScrollIntoViewOnlyWhenTheLeadingEdgeIsHidden) {
  EXPECT_EQ(scrollIntoViewValue(140, -280, 400, 140), 140);  // above the window
  EXPECT_EQ(scrollIntoViewValue(700, 0, 400, 140), 440);     // below: lower edges meet
  EXPECT_EQ(scrollIntoViewValue(400, 0, 400, 140), 140);     // top exactly on the lower edge
  EXPECT_EQ(scrollIntoViewValue(280, -140, 400, 140), std::nullopt);
}

std::vector<std::int32_t> selectedAfter(std::initializer_list<std::pair<std::int32_t, int>> presses) {
  StripSelection selection;
  for (auto [index, shift] : presses) {
    selection.pressLeft(index, shift);
    selection.countSelection(10);
  }
  return selection.selectedImages(10);
}

TEST(StripSelection, ClickSequences) {
  using V = std::vector<std::int32_t>;
  EXPECT_EQ(selectedAfter({{2, 0}, {4, kShiftMask}, {7, kShiftMask}}), (V{2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(selectedAfter({{2, 0}, {4, kShiftMask}, {0, kShiftMask}}), (V{0, 1, 2, 3, 4}));
  EXPECT_EQ(selectedAfter({{2, 0}, {5, kCtrlMask}, {3, kShiftMask}}), (V{2, 3, 5}));
  // A plain click inside a group keeps it (to drag it); outside it starts anew.
  EXPECT_EQ(selectedAfter({{2, 0}, {4, kShiftMask}, {3, 0}}), (V{2, 3, 4}));
  EXPECT_EQ(selectedAfter({{2, 0}, {4, kShiftMask}, {8, 0}}), (V{8}));
  EXPECT_EQ(selectedAfter({{2, 0}, {3, 0}}), (V{3}));
  EXPECT_EQ(selectedAfter({{2, 0}, {2, kCtrlMask}}), (V{}));
  // Ctrl+Shift is neither Shift alone nor Ctrl alone.
  EXPECT_EQ(selectedAfter({{2, 0}, {4, kShiftMask}, {9, kShiftMask | kCtrlMask}}), (V{9}));
}

TEST(StripSelection, SelectAllTogglesAndLeavesTheCountersAtZero) {
  StripSelection selection;
  selection.pressLeft(3, 0);
  selection.countSelection(6);
  selection.toggleSelectAll(6);
  EXPECT_EQ(selection.selectedImages(6).size(), 6u);
  EXPECT_EQ(selection.firstSelected(), 0);
  EXPECT_EQ(selection.lastSelected(), 0);
  selection.toggleSelectAll(6);
  EXPECT_TRUE(selection.selectedImages(6).empty());
  EXPECT_EQ(selection.firstSelected(), 0);
}

TEST(DropReorder, SelectedImagesBecomeOneBlockAtTheGap) {
  using V = std::vector<std::int32_t>;
  // The pointer over the left half of image 1 (canvas x 150 at 4 per row).
  std::int32_t beforeOne = dropTarget(grid, 150, 60, 4, 6);
  ASSERT_EQ(beforeOne, 1);
  auto plan = planDrop({2, 4}, 6, beforeOne, 2);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->order, (V{0, 2, 4, 1, 3, 5}));
  EXPECT_EQ(plan->insertAt, 1);

  plan = planDrop({2, 4}, 6, 6, 2);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->order, (V{0, 1, 3, 5, 2, 4}));
  EXPECT_EQ(plan->insertAt, 4);

  EXPECT_FALSE(planDrop({3}, 6, 3, 3));
  plan = planDrop({3}, 6, 4, 3);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->order, (V{0, 1, 2, 3, 4, 5}));
  EXPECT_FALSE(planDrop({}, 6, 4, 0));
}

TEST(DropReorder, TargetIsClampedToTheList) {
  EXPECT_EQ(dropTarget(grid, 900, 900, 4, 6), 6);  // far right and below
  EXPECT_EQ(dropTarget(grid, -200, 2, 4, 6), 0);   // above the top edge
  EXPECT_EQ(dropTarget(grid, 60, 300, 4, 10), 8);  // left half of the first cell of row 2
  EXPECT_EQ(dropTarget(grid, 80, 300, 4, 10), 9);  // its right half
}

}  // namespace
}  // namespace velvara::app
