// The thumbnail strip driven as the user drives it: real mouse, key, wheel
// and drop events on its cells and windows.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <chrono>

#include "tests/app/EditorFixture.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestImages.h"
#include "tests/support/qt/AccessibleEvents.h"
#include "tests/support/qt/Screenshots.h"

namespace velvara::app {
namespace {

using testing::EditorWindow;

imagelib::Bitmap tinyPreview(int width, int height) {
  imagelib::Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.bytesPerPixel = 3;
  bitmap.bytesPerLine = (width * 3 + 3) / 4 * 4;
  bitmap.pixels.assign(static_cast<std::size_t>(bitmap.bytesPerLine) * height, 0x60);
  return bitmap;
}

class StripTest : public ::testing::Test {
 protected:
  // Appends count images with previews, as adding does, then arranges.
  void addImages(int count) {
    for (int i = 0; i < count; ++i) {
      core::ImageItem image;
      image.sourcePath = "/photos/img" + std::to_string(ui.project.images.count()) + ".jpg";
      image.title = "img" + std::to_string(ui.project.images.count());
      ui.project.images.append(image, tinyPreview(4, 3));
      ui.strip.showNewSlide(ui.project.images.count() - 1);
    }
    ui.strip.arrangeSlides();
  }
  std::vector<std::string> order() const {
    std::vector<std::string> titles;
    for (const auto& image : ui.project.images.items()) titles.push_back(image.title.substr(3));
    return titles;
  }
  // The selected cells; each one in view shows its frame accordingly.
  std::vector<std::int32_t> framed() {
    std::vector<std::int32_t> cells;
    for (int i = 0; i < ui.strip.cellCount(); ++i) {
      if (ui.strip.cellSelected(i)) cells.push_back(i);
      if (const widgets::usSlide* cell = ui.cell(i)) {
        EXPECT_EQ(cell->slideSelected(), ui.strip.cellSelected(i)) << i;
      }
    }
    return cells;
  }
  void click(int index, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseClick(ui.cell(index), Qt::LeftButton, modifiers, ui.cellCentre());
  }

  EditorWindow ui;
};

TEST_F(StripTest, RowLengthFollowsTheCanvasLimitAndTheBoxShowsIt) {
  addImages(10);
  ui.picInRowBox.setValue(300);
  EXPECT_EQ(ui.strip.picInRow(), 228);
  EXPECT_EQ(ui.picInRowBox.value(), 228);
  EXPECT_EQ(ui.controls.pbInner->width(), 228 * 140);

  ui.picInRowBox.setValue(1);
  addImages(218);  // 228 images
  EXPECT_EQ(ui.strip.picInRow(), 1);
  EXPECT_EQ(ui.controls.pbInner->height(), 31920);
  addImages(1);
  EXPECT_EQ(ui.strip.picInRow(), 2);
  EXPECT_EQ(ui.picInRowBox.value(), 2);
}

TEST_F(StripTest, AThousandImagesAtFourPerRowBecomeFiveAndArrangeQuickly) {
  addImages(999);
  ui.picInRowBox.setValue(4);
  auto start = std::chrono::steady_clock::now();
  addImages(1);
  auto took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(ui.strip.picInRow(), 5);
  EXPECT_EQ(ui.picInRowBox.value(), 5);
  EXPECT_EQ(ui.controls.pbInner->height(), 200 * 140);
  EXPECT_LT(std::chrono::duration<double>(took).count(), 1.0);
  EXPECT_EQ(ui.strip.cellLook(999).position, (CellPosition{4 * 140, 199 * 140}));
}

TEST_F(StripTest, CellsLeftFromALargerProjectStillCountInTheCanvas) {
  auto open = [this](int count) {
    ui.strip.clearImageList();
    std::vector<core::ImageItem> items(count);
    for (int i = 0; i < count; ++i) items[i].sourcePath = "/missing/photo" + std::to_string(i) + ".jpg";
    ui.project.images.replaceAfterLoad(items);
    ui.strip.reloadAllSlides(120, 120);
    ui.strip.arrangeSlides();
  };
  open(50);
  open(10);
  EXPECT_EQ(ui.controls.pbInner->height(), 1680);
  EXPECT_EQ(ui.strip.cellCount(), 50);
  EXPECT_FALSE(ui.strip.cellLook(10).visible);
  EXPECT_EQ(ui.cell(10), nullptr);
  EXPECT_TRUE(ui.cell(9)->isVisible());
  EXPECT_FALSE(ui.project.images.item(0).thumbnailCached);  // the placeholder, and no message
  EXPECT_TRUE(ui.host.messages.empty());
  EXPECT_EQ(ui.host.progressRanges.back(), (std::pair<int, int>{0, 10}));
}

TEST_F(StripTest, WheelScrollsOneCellPerNotchOnTheVisibleBar) {
  addImages(50);
  QScrollBar* bar = ui.controls.VScroll1;
  ASSERT_FALSE(bar->isHidden());
  // Turned over a cell in view.
  auto turn = [this](int notches) {
    QWidget* cell = ui.controls.pbInner->childAt(ui.controls.pbInner->mapFrom(ui.controls.pbOuter, QPoint(70, 70)));
    ASSERT_NE(cell, nullptr);
    QWheelEvent wheel(QPointF(10, 10), cell->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(cell, &wheel);
  };
  bar->setValue(300);
  turn(1);
  EXPECT_EQ(bar->value(), 160);
  EXPECT_EQ(ui.controls.pbInner->y(), -160);
  bar->setValue(300);
  turn(3);
  EXPECT_EQ(bar->value(), 0);

  ui.picInRowBox.setValue(50);
  ASSERT_TRUE(ui.controls.VScroll1->isHidden());
  ui.controls.HScroll1->setValue(300);
  turn(1);
  EXPECT_EQ(ui.controls.HScroll1->value(), 160);
  EXPECT_EQ(ui.controls.pbInner->x(), -160);
}

TEST_F(StripTest, DraggedSelectionMovesAsOneBlockWithItsPreviews) {
  addImages(6);
  const std::uint8_t* previewOf2 = ui.project.images.bitmap(2).pixels.data();
  click(2);
  click(4, Qt::ControlModifier);
  QTest::mousePress(ui.cell(4), Qt::LeftButton, {}, ui.cellCentre());
  QTest::mouseMove(ui.cell(4), QPoint(60, 70));
  EXPECT_TRUE(ui.strip.dragging());
  EXPECT_EQ(ui.controls.pbInner->cursor().shape(), Qt::SizeAllCursor);
  // Cell 4 is at (0, 140); the left half of image 1 is at canvas (150, 60).
  QTest::mouseRelease(ui.cell(4), Qt::LeftButton, {}, QPoint(150, 60 - 140));
  EXPECT_EQ(order(), (std::vector<std::string>{"0", "2", "4", "1", "3", "5"}));
  EXPECT_EQ(ui.project.images.bitmap(1).pixels.data(), previewOf2);
  EXPECT_EQ(ui.project.images.capacity(), 6);
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{1, 2}));
  EXPECT_EQ(ui.strip.firstSelected(), 1);
  EXPECT_EQ(ui.strip.lastSelected(), 2);
  EXPECT_FALSE(ui.strip.dragging());
  EXPECT_EQ(ui.cell(1)->tooltip(), "img2");

  // Behind the last image: the pointer past the end of the last row.
  QTest::mousePress(ui.cell(1), Qt::LeftButton, {}, ui.cellCentre());
  QTest::mouseMove(ui.cell(1), QPoint(80, 80));
  QTest::mouseRelease(ui.cell(1), Qt::LeftButton, {}, QPoint(300, 200));
  EXPECT_EQ(order(), (std::vector<std::string>{"0", "1", "3", "5", "2", "4"}));
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{4, 5}));
}

TEST_F(StripTest, ADragStartsOnlyBeyondTwoPixels) {
  addImages(6);
  click(3);
  for (double distance : {2.0, 2.5}) {
    EditorWindow::sendMouse(ui.cell(3), QEvent::MouseButtonPress, QPointF(50, 50), Qt::LeftButton, Qt::LeftButton);
    EditorWindow::sendMouse(ui.cell(3), QEvent::MouseMove, QPointF(50 + distance, 50), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(ui.strip.dragging(), distance > 2) << distance;
    // Released over its own left half: the order stays.
    EditorWindow::sendMouse(ui.cell(3), QEvent::MouseButtonRelease, QPointF(50, 50), Qt::LeftButton, Qt::NoButton);
  }
  EXPECT_EQ(order(), (std::vector<std::string>{"0", "1", "2", "3", "4", "5"}));
  EXPECT_EQ(ui.project.images.capacity(), 200);
}

TEST_F(StripTest, ShiftAndCtrlClicksAndTheRightButton) {
  addImages(10);
  QMenu menu;
  menu.addAction("Select all");
  ui.strip.setImagesMenu(&menu);
  click(2);
  click(4, Qt::ShiftModifier);
  click(7, Qt::ShiftModifier);
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{2, 3, 4, 5, 6, 7}));
  click(0, Qt::ShiftModifier);
  EXPECT_EQ(ui.strip.selectedCount(), 8);
  click(5);  // inside the group: kept for dragging
  EXPECT_EQ(ui.strip.selectedCount(), 8);
  click(9);
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{9}));
  QTest::mouseClick(ui.cell(1), Qt::RightButton, {}, ui.cellCentre());
  EXPECT_TRUE(menu.isVisible());
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{9}));
  EXPECT_EQ(ui.panel.findChild<QLineEdit*>("txtPhotos_1")->text(), "img9");
  menu.hide();

  QTest::mouseDClick(ui.controls.pbInner, Qt::LeftButton, {}, QPoint(5, 500));
  EXPECT_EQ(ui.strip.selectedCount(), 0);
  EXPECT_TRUE(framed().empty());
}

TEST_F(StripTest, KeyboardCommands) {
  addImages(10);
  int removals = 0;
  ui.strip.setRemoveSelected([&removals] { ++removals; });
  QWidget* strip = ui.controls.pbInner;
  QTest::keyClick(strip, Qt::Key_Down);  // nothing selected: image picInRow - 1
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{3}));
  QTest::keyClick(strip, Qt::Key_Tab);
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{4}));
  QTest::keyClick(strip, Qt::Key_Tab, Qt::ControlModifier);
  QTest::keyClick(strip, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{2}));
  QTest::keyClick(strip, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{3}));
  QTest::keyClick(strip, Qt::Key_Up);  // first row: nothing
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{3}));
  QTest::keyClick(strip, Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{9}));
  QTest::keyClick(strip, Qt::Key_PageUp);  // without Ctrl: nothing
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{9}));
  click(4, Qt::ControlModifier);
  QTest::keyClick(strip, Qt::Key_Tab);  // two selected: Tab does nothing
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{4, 9}));
  QTest::keyClick(strip, Qt::Key_Delete);
  EXPECT_EQ(removals, 1);

  QTest::keyClick(strip, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(ui.strip.selectedCount(), 10);
  EXPECT_EQ(ui.strip.firstSelected(), 0);
  EXPECT_EQ(ui.strip.lastSelected(), 0);
  QTest::keyClick(strip, Qt::Key_A, Qt::ControlModifier);
  EXPECT_TRUE(framed().empty());
  QTest::keyClick(strip, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(framed().size(), 10u);
}

TEST_F(StripTest, ThePanelIsStoredBeforeAnotherCellIsShown) {
  addImages(3);
  click(0);
  QLineEdit* title = ui.panel.findChild<QLineEdit*>("txtPhotos_1");
  QTest::keyClicks(title, " edited");
  click(2);
  EXPECT_EQ(ui.project.images.item(0).title, "img0 edited");
  EXPECT_EQ(title->text(), "img2");
  EXPECT_EQ(ui.cell(0)->tooltip(), "img0");  // the tooltip follows at the next paint
}

TEST_F(StripTest, PointerOverTheStripTakesTheFocusAndMovingSelectionScrolls) {
  addImages(40);
  ui.panel.findChild<QLineEdit*>("txtPhotos_1")->setFocus();
  QTest::mouseMove(ui.controls.pbOuter, QPoint(10, 10));
  EditorWindow::sendMouse(ui.controls.pbInner, QEvent::MouseMove, QPointF(600, 10), Qt::NoButton, Qt::NoButton);
  EXPECT_TRUE(ui.controls.pbInner->hasFocus());
  ui.strip.moveSelection(-1, 39);
  // The last row's lower edge meets the window's lower edge.
  EXPECT_EQ(ui.controls.VScroll1->value(), 9 * 140 - ui.controls.pbOuter->height() + 140);
  EXPECT_EQ(ui.controls.pbInner->y(), -ui.controls.VScroll1->value());
  ui.strip.moveSelection(39, 0);
  EXPECT_EQ(ui.controls.VScroll1->value(), 0);
}

// Many images: only the cells in view are widgets, and each shows the cell at
// its place, with that image's preview, tooltip and frame, whatever scrolled,
// moved or cleared before.
class LargeStripTest : public StripTest {
 protected:
  // Image i's preview is grey of level i % 250, so a cell shows whose it is.
  // New images wait at the canvas's corner until the strip is arranged.
  void appendShadedImages(int count) {
    for (int i = 0; i < count; ++i) {
      core::ImageItem image;
      const int index = ui.project.images.count();
      image.title = "img" + std::to_string(index);
      image.sourcePath = "/photos/img" + std::to_string(index) + ".jpg";
      imagelib::Bitmap preview = tinyPreview(120, 90);
      std::fill(preview.pixels.begin(), preview.pixels.end(), static_cast<std::uint8_t>(index % 250));
      ui.project.images.append(image, std::move(preview));
      ui.strip.showNewSlide(index);
    }
  }
  void addShadedImages(int count) {
    appendShadedImages(count);
    ui.strip.arrangeSlides();
    // Arranging shows the canvas at its corner but leaves the bars where
    // bringing the last image into view put them.
    ui.controls.VScroll1->setValue(0);
  }
  // The cell widgets on the canvas, each checked against the image at its
  // index; their indexes.
  std::vector<int> cellWidgets() {
    std::vector<int> indexes;
    for (widgets::usSlide* cell : ui.controls.pbInner->findChildren<widgets::usSlide*>()) {
      if (cell->isHidden()) continue;
      const int index = cell->objectName().section('_', 1).toInt();
      indexes.push_back(index);
      EXPECT_EQ(ui.cell(index), cell);
      EXPECT_EQ(cell->pos(), QPoint(ui.strip.cellLook(index).position.left, ui.strip.cellLook(index).position.top));
      EXPECT_EQ(cell->tooltip(), ui.project.images.item(index).title);
      EXPECT_EQ(cell->slideSelected(), ui.strip.cellSelected(index)) << index;
      const QImage shown = cell->pictureBox().grab().toImage();
      const int level = std::stoi(ui.project.images.item(index).title.substr(3)) % 250;
      EXPECT_EQ(QColor(shown.pixel(60, 45)), QColor(level, level, level)) << index;
    }
    std::sort(indexes.begin(), indexes.end());
    return indexes;
  }
  void wheel(int notches) {
    QWheelEvent turn(QPointF(70, 70), ui.controls.pbOuter->mapToGlobal(QPointF(70, 70)), QPoint(),
                     QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(ui.controls.pbOuter, &turn);
  }
  // Everything a screen reader meets in the window.
  std::vector<QAccessibleInterface*> accessibleTree() {
    std::vector<QAccessibleInterface*> nodes{QAccessible::queryAccessibleInterface(&ui.window)};
    for (std::size_t n = 0; n < nodes.size(); ++n)
      for (int i = 0; i < nodes[n]->childCount(); ++i) nodes.push_back(nodes[n]->child(i));
    return nodes;
  }
  // The cells a screen reader meets in the window, once the event loop has
  // deleted the widgets that left.
  std::vector<QString> accessibleCells() {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::vector<QString> cells;
    for (QAccessibleInterface* node : accessibleTree()) {
      if (node->object() && node->object()->objectName().startsWith("usSlide1_")) {
        EXPECT_FALSE(node->state().invisible) << node->object()->objectName().toStdString();
        cells.push_back(node->text(QAccessible::Name));
      }
    }
    std::sort(cells.begin(), cells.end());
    return cells;
  }
};

TEST_F(LargeStripTest, CellsInViewFollowScrollingSelectionAndADrag) {
  addShadedImages(2000);  // nine a row
  std::vector<int> top = cellWidgets();
  ASSERT_FALSE(top.empty());
  EXPECT_EQ(top.front(), 0);
  EXPECT_LT(top.size(), 40u);  // the few cells in view, not 2,000 widgets

  QTest::keyClick(ui.controls.pbInner, Qt::Key_A, Qt::ControlModifier);
  wheel(-3);  // three rows down: the first rows leave, new ones come in selected
  std::vector<int> lower = cellWidgets();
  EXPECT_EQ(lower.front(), 27);
  QTest::keyClick(ui.controls.pbInner, Qt::Key_A, Qt::ControlModifier);
  EXPECT_TRUE(framed().empty());

  // The last image, reached with the keys, then a block of three dragged
  // from the front of the row above the last to the front of the row above.
  QTest::keyClick(ui.controls.pbInner, Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(cellWidgets().back(), 1999);
  click(1989);
  click(1991, Qt::ShiftModifier);
  QTest::mousePress(ui.cell(1991), Qt::LeftButton, {}, ui.cellCentre());
  QTest::mouseMove(ui.cell(1991), QPoint(60, 70));
  // Cell 1991 is the third of its row; the left half of image 1980 lies one
  // row up and two columns left.
  QTest::mouseRelease(ui.cell(1991), Qt::LeftButton, {}, QPoint(10 - 2 * 140, 70 - 140));
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{1980, 1981, 1982}));
  EXPECT_EQ(ui.project.images.item(1980).title, "img1989");
  EXPECT_EQ(ui.project.images.item(1983).title, "img1980");
  cellWidgets();
}

TEST_F(LargeStripTest, ClearedCellsLeaveTheViewAndTheAccessibleTree) {
  addShadedImages(300);
  EXPECT_EQ(accessibleCells().size(), cellWidgets().size());
  ui.strip.clearImageList();
  ui.strip.arrangeSlides();
  EXPECT_TRUE(accessibleCells().empty());
  addShadedImages(2);
  EXPECT_EQ(ui.strip.cellCount(), 300);  // hidden, not destroyed: they still count in the canvas
  EXPECT_EQ(ui.controls.pbInner->height(), 75 * 140);
  EXPECT_EQ(cellWidgets(), (std::vector<int>{0, 1}));
  EXPECT_EQ(accessibleCells(), (std::vector<QString>{"img0", "img1"}));
}

TEST_F(LargeStripTest, ImagesWaitingAtTheCornerAreOneWidgetUntilArranged) {
  // Each new image lies on top of the one before and of the first cell, so
  // only the newest is seen; the covered ones are no widgets.
  appendShadedImages(300);
  EXPECT_EQ(cellWidgets(), (std::vector<int>{299}));
  EXPECT_TRUE(ui.cell(299)->isAncestorOf(ui.controls.pbInner->childAt(ui.cellCentre())));
  EXPECT_EQ(accessibleCells(), (std::vector<QString>{"img299"}));
  // Without its cell the newest uncovers the one below it.
  ui.strip.unloadCellsFrom(299);
  EXPECT_EQ(cellWidgets(), (std::vector<int>{298}));

  ui.strip.arrangeSlides();
  const std::vector<int> arranged = cellWidgets();
  EXPECT_EQ(arranged.front(), 0);
  EXPECT_LT(arranged.size(), 40u);
}

TEST_F(LargeStripTest, KeysStayWithTheStripWhenTheCellUnderThePointerScrollsAway) {
  addShadedImages(400);
  QLineEdit* title = ui.panel.findChild<QLineEdit*>("txtPhotos_1");
  title->setFocus();
  click(1);
  QTest::mouseMove(ui.cell(1), ui.cellCentre());
  wheel(-10);
  EXPECT_EQ(ui.cell(1), nullptr);
  EXPECT_FALSE(title->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{5}));
}

// What a screen reader meets on the canvas, in its order: each cell's index
// and name, every cell a selectable list item.
std::vector<std::pair<int, std::string>> readOut(QWidget& canvas) {
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  std::vector<std::pair<int, std::string>> cells;
  bool selectableItems = true;
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&canvas);
  for (int i = 0; i < list->childCount(); ++i) {
    QAccessibleInterface* cell = list->child(i);
    selectableItems = selectableItems && cell->role() == QAccessible::ListItem && cell->state().selectable;
    cells.emplace_back(cell->object()->objectName().section('_', 1).toInt(),
                       cell->text(QAccessible::Name).toStdString());
  }
  EXPECT_TRUE(selectableItems);
  return cells;
}

TEST_F(LargeStripTest, AScreenReaderReadsTheCellsInViewInOrderWithTheirStates) {
  // Pictures 3 and 98 are missing: their cells show the missing-file picture.
  // Image 98 has no title.
  velvara::testing::TempDir dir;
  std::vector<core::ImageItem> items(100);
  for (int i = 0; i < 100; ++i) {
    const std::string name = QString("n%1").arg(i, 4, 10, QChar('0')).toStdString();
    items[i].title = i == 98 ? "" : name;
    items[i].sourcePath = dir.file(name + ".jpg");
    if (i != 3 && i != 98) velvara::testing::writeTestImage(items[i].sourcePath, {});
  }
  ui.project.images.replaceAfterLoad(items);
  ui.strip.reloadAllSlides(120, 120);
  ui.strip.arrangeSlides();
  ui.controls.VScroll1->setValue(0);
  // The cells in view row by row, named by their images' titles, or files.
  const auto inView = [this] {
    std::vector<std::pair<int, std::string>> cells;
    for (int i = 0; i < ui.strip.cellCount(); ++i)
      if (ui.cell(i)) cells.emplace_back(i, i == 98 ? "n0098.jpg" : ui.project.images.item(i).title);
    return cells;
  };
  EXPECT_EQ(readOut(*ui.controls.pbInner), inView());
  wheel(-1);
  EXPECT_EQ(readOut(*ui.controls.pbInner), inView());
  QTest::keyClick(ui.controls.pbInner, Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(readOut(*ui.controls.pbInner), inView());
  EXPECT_EQ(inView().back().first, 99);

  // Selected cells are read as selected; the current one (where the keys act)
  // as focused while the keyboard is in the strip, not the cell whose picture
  // box took the keys under the pointer.
  const auto states = [this](const std::vector<int>& selected, int focused) {
    for (const auto& [index, name] : readOut(*ui.controls.pbInner)) {
      const QAccessible::State state = QAccessible::queryAccessibleInterface(ui.cell(index))->state();
      EXPECT_EQ(state.selected, std::count(selected.begin(), selected.end(), index) == 1) << index;
      EXPECT_EQ(state.focused, index == focused) << index;
    }
  };
  click(97);
  QTest::mouseMove(ui.cell(97), ui.cellCentre());
  ASSERT_TRUE(ui.cell(97)->isAncestorOf(QApplication::focusWidget()));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  states({93}, 93);
  QTest::mouseClick(ui.panel.findChild<QLineEdit*>("txtPhotos_1"), Qt::LeftButton);
  states({93}, -1);
  QTest::mouseMove(ui.cell(95), ui.cellCentre());
  click(95, Qt::ControlModifier);
  states({93, 95}, 93);
}

// A screen reader hears the focus reach only the current cell, where the
// keys act: not a cell under the pointer, not a cell's picture, and not the
// canvas while the current cell is in view.
TEST_F(LargeStripTest, OnlyTheCurrentCellTakesAndAnnouncesTheFocus) {
  addShadedImages(40);
  QLineEdit* title = ui.panel.findChild<QLineEdit*>("txtPhotos_1");
  velvara::testing::AccessibleEvents heard;
  const auto focusedCells = [&heard] {
    std::vector<std::string> names;
    for (const auto& event : heard.take(QAccessible::Focus)) names.push_back(event.name.toStdString());
    return names;
  };
  // Every control of the window that a screen reader reads as focused.
  const auto reportedFocused = [this] {
    std::vector<std::string> focused;
    for (QAccessibleInterface* node : accessibleTree())
      if (node->state().focused) focused.push_back(node->object()->objectName().toStdString());
    return focused;
  };
  click(6);
  EXPECT_EQ(focusedCells(), std::vector<std::string>{"img6"});
  QTest::mouseClick(title, Qt::LeftButton);
  heard.take(QAccessible::Focus);

  // The pointer over another cell brings the keys back to the current one.
  QTest::mouseMove(ui.cell(8), ui.cellCentre());
  EXPECT_EQ(QApplication::focusWidget(), ui.cell(6));
  EXPECT_EQ(focusedCells(), std::vector<std::string>{"img6"});
  EXPECT_EQ(reportedFocused(), std::vector<std::string>{"usSlide1_6"});
  click(8, Qt::ShiftModifier);
  EXPECT_EQ(framed(), (std::vector<std::int32_t>{6, 7, 8}));
  EXPECT_TRUE(focusedCells().empty());
  EXPECT_EQ(reportedFocused(), std::vector<std::string>{"usSlide1_6"});
  click(9);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(focusedCells(), (std::vector<std::string>{"img9", "img13"}));
  EXPECT_EQ(reportedFocused(), std::vector<std::string>{"usSlide1_13"});

  // Tab from the edit panel comes round to the strip, at the current cell.
  QTest::mouseClick(title, Qt::LeftButton);
  heard.take(QAccessible::Focus);
  for (int tabs = 0; tabs < 30 && !ui.controls.pbOuter->isAncestorOf(QApplication::focusWidget()); ++tabs)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), ui.cell(13));
  const std::vector<std::string> onTheWay = focusedCells();
  ASSERT_FALSE(onTheWay.empty());
  EXPECT_EQ(onTheWay.back(), "img13");
  EXPECT_EQ(std::count(onTheWay.begin(), onTheWay.end(), "img13"), 1);

  // With nothing current (a double click beside the cells unselects all)
  // the strip itself holds the keys.
  QTest::mouseDClick(ui.controls.pbOuter, Qt::LeftButton, {}, QPoint(ui.controls.pbInner->width() + 5, 10));
  ASSERT_EQ(ui.strip.selectedCount(), 0);
  EXPECT_EQ(QApplication::focusWidget(), ui.controls.pbInner);
  EXPECT_EQ(reportedFocused(), std::vector<std::string>{"pbInner"});
}

// A cell is named by its image's title, or by its file while the title is
// empty, from the moment the title is stored; its name changes only when
// that text does, not with every repaint or new arrangement.
TEST_F(LargeStripTest, ACellIsNamedByItsTitleAtOnceAndOnlyWhenItChanges) {
  addShadedImages(30);
  velvara::testing::AccessibleEvents heard;
  // Every name change on the canvas since the last look, each with its name.
  const auto renamed = [&] { return heard.takeRenamedWithin(*ui.controls.pbInner); };
  QLineEdit* title = ui.panel.findChild<QLineEdit*>("txtPhotos_1");
  const auto retitle = [&](int index, const QString& text) {
    click(index);
    QTest::keyClick(title, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(title, Qt::Key_Delete);
    QTest::keyClicks(title, text);
    click(index + 1);
  };
  retitle(1, "EDITED");
  EXPECT_EQ(renamed(), std::vector<std::string>{"usSlide1_1 EDITED"});
  EXPECT_EQ(ui.cell(1)->tooltip(), "img1");  // the tooltip follows at the next paint
  retitle(1, "");
  EXPECT_EQ(renamed(), std::vector<std::string>{"usSlide1_1 img1.jpg"});

  // Painted again and arranged again, the cells keep their names.
  ui.strip.repaintSlides();
  ui.strip.arrangeSlides();
  EXPECT_TRUE(renamed().empty());
  for (widgets::usSlide* cell : ui.controls.pbInner->findChildren<widgets::usSlide*>()) {
    const int index = cell->objectName().section('_', 1).toInt();
    EXPECT_EQ(cell->accessibleName().toStdString(), index == 1 ? "img1.jpg" : "img" + std::to_string(index));
  }
}

TEST_F(StripTest, Screenshots) {
  addImages(9);
  click(1);
  click(2, Qt::ControlModifier);
  click(4);
  testing::saveScreenshot(ui.window, "strip_en");
  ui.host.stringService.setCurrentLanguage(i18n::kGermanDe);
  ui.panel.applyLanguage();
  click(5, Qt::ShiftModifier);
  testing::saveScreenshot(ui.window, "strip_de_selection");
}

}  // namespace
}  // namespace velvara::app
