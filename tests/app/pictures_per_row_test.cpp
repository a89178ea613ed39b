// "Pictures/row" in the real main window: the number typed into it, a click
// on another control while the number is refused, and what the box shows.
// Mouse input reaches the window as the window system delivers it, before
// the application decides which control it is for.
#define QTEST_QPA_MOUSE_HANDLING
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <functional>

#include "app/strip/ThumbnailStrip.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/qt/Screenshots.h"
#include "widgets/slide/usSlide.h"

namespace velvara::app::testing {
namespace {

class PicturesPerRowTest : public MainWindowFixture {
 protected:
  Form1& startActive() {
    Form1& window = start();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    return window;
  }
  QLineEdit& field(Form1& window) { return *window.controls().usPicInRow->findChild<QLineEdit*>("txtValue"); }

  // Clicks into the field and types text in place of the number.
  void type(Form1& window, const QString& text) {
    QLineEdit& box = field(window);
    QTest::mouseClick(&box, Qt::LeftButton);
    ASSERT_TRUE(box.hasFocus());
    QTest::keyClick(&box, Qt::Key_End);
    while (!box.text().isEmpty()) QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, text);
  }
};

// A number below the box's minimum is refused when the user clicks another
// control: a beep, the focus stays in the box, and the click does nothing.
TEST_F(PicturesPerRowTest, AClickElsewhereWhileTheNumberIsRefusedNeverReachesItsControl) {
  Form1& window = startActive();
  type(window, "0");
  QTest::mouseClick(window.controls().cmdAddImage, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(prompts_.beeps, 1);
  EXPECT_TRUE(prompts_.fileRequests.empty()) << "Add image... opened its dialog";
  EXPECT_TRUE(field(window).hasFocus());
  EXPECT_EQ(field(window).text(), "4");
  EXPECT_EQ(window.state().picInRow, 4);

  type(window, "6");
  QTest::mouseClick(window.controls().cmdAddImage, Qt::LeftButton);
  EXPECT_EQ(prompts_.beeps, 1);
  EXPECT_EQ(prompts_.fileRequests.size(), 1u);
  EXPECT_EQ(window.state().picInRow, 6);
}

// The strip takes the focus when the pointer passes over it, and a thumbnail
// when pressed; while the number is refused the pointer passing by takes
// nothing, silently, and a click reaches a thumbnail no more than any other
// control: nothing is selected and the edit panel stays as it was. A double
// click, a press dragged to another thumbnail and a right click are each one
// refused click: one beep, and the focus stays in the box. The wheel takes no
// focus: it scrolls the strip and leaves the number as typed.
TEST_F(PicturesPerRowTest, AThumbnailWhileTheNumberIsRefusedTakesNeitherFocusNorClick) {
  Form1& window = start({writeProject("trip.vlr", 3)});
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const QString panelBefore = window.controls().txtPhotos[1]->text();
  type(window, "0");
  widgets::usSlide* other = window.strip().cell(2);
  widgets::usSlide* cell = window.strip().cell(1);
  ASSERT_TRUE(other != nullptr && cell != nullptr);
  QTest::mouseMove(other, other->rect().center());
  QTest::mouseMove(window.controls().pbInner, QPoint(5, 5));
  QApplication::processEvents();
  EXPECT_EQ(prompts_.beeps, 0);
  EXPECT_TRUE(field(window).hasFocus());

  const std::vector<std::pair<const char*, std::function<void()>>> gestures{
      {"click", [&] { QTest::mouseClick(cell, Qt::LeftButton, {}, cell->rect().center()); }},
      {"double click", [&] { QTest::mouseDClick(cell, Qt::LeftButton, {}, cell->rect().center()); }},
      {"press dragged to another thumbnail",
       [&] {
         QTest::mousePress(cell, Qt::LeftButton, {}, cell->rect().center());
         QTest::mouseMove(cell, cell->rect().center() + QPoint(30, 0));
         QTest::mouseMove(other, other->rect().center());
         QTest::mouseRelease(other, Qt::LeftButton, {}, other->rect().center());
       }},
      {"right click", [&] { QTest::mouseClick(cell, Qt::RightButton, {}, cell->rect().center()); }},
  };
  for (const auto& [name, gesture] : gestures) {
    SCOPED_TRACE(name);
    type(window, "0");
    const int beepsBefore = prompts_.beeps;
    gesture();
    QApplication::processEvents();
    EXPECT_EQ(prompts_.beeps, beepsBefore + 1);
    EXPECT_EQ(window.strip().selectedCount(), 0);
    EXPECT_FALSE(window.strip().dragging());
    EXPECT_FALSE(window.menus().mnuPopUp_images->isVisible());
    EXPECT_EQ(window.controls().txtPhotos[1]->text(), panelBefore);
    EXPECT_TRUE(field(window).hasFocus());
    EXPECT_EQ(field(window).text(), "4");
  }

  type(window, "0");
  const QPoint overCell = cell->mapToGlobal(cell->rect().center());
  QWheelEvent wheel(window.mapFromGlobal(overCell), overCell, QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(window.windowHandle(), &wheel);
  QApplication::processEvents();
  EXPECT_TRUE(field(window).hasFocus());
  EXPECT_EQ(field(window).text(), "0");

  type(window, "2");
  QTest::mouseClick(cell, Qt::LeftButton, {}, cell->rect().center());
  EXPECT_EQ(prompts_.beeps, 4);
  EXPECT_TRUE(window.strip().cellSelected(1));
  EXPECT_EQ(window.controls().txtPhotos[1]->text(), "photo2");
  EXPECT_EQ(window.state().picInRow, 2);
}

// The pointer passing over a thumbnail takes the focus out of the box, which
// stores the number typed into it; the strip's new rows leave cells out of
// view, and the keys stay with the strip when their widgets go.
TEST_F(PicturesPerRowTest, TheKeysStayWithTheStripWhoseRowsTheNumberChanged) {
  Form1& window = start({writeProject("trip.vlr", 24)});
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const auto cellInView = [&window] {
    for (int i = 0; i < window.strip().cellCount(); ++i)
      if (widgets::usSlide* cell = window.strip().cell(i)) return cell;
    return static_cast<widgets::usSlide*>(nullptr);
  };
  for (const char* number : {"1", "12"}) {
    SCOPED_TRACE(number);
    type(window, number);
    widgets::usSlide* cell = cellInView();
    ASSERT_NE(cell, nullptr);
    QTest::mouseMove(cell, cell->rect().center());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.state().picInRow, std::stoi(number));
    EXPECT_EQ(QApplication::focusWidget(), window.controls().pbInner);
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(window.strip().selectedCount(), 24);
}

// The widest row the strip allows, 228 cells, shows all three digits beside
// the spinner, in English and in German.
TEST_F(PicturesPerRowTest, ThreeDigitsShowBesideTheSpinner) {
  Form1& window = startActive();
  type(window, "228");
  QTest::keyClick(&field(window), Qt::Key_Return);
  ASSERT_EQ(window.state().picInRow, 228);
  QLineEdit& box = field(window);
  const QWidget& spinner = *window.controls().usPicInRow->findChild<QWidget*>("UpDown1");
  const auto cursorX = [&box](int position) {
    box.setCursorPosition(position);
    return box.mapToGlobal(box.inputMethodQuery(Qt::ImCursorRectangle).toRect().center()).x();
  };
  const int textEnd = cursorX(3);
  const int textStart = cursorX(0);
  EXPECT_GE(textStart, box.mapToGlobal(box.contentsRect().topLeft()).x()) << "the text is scrolled";
  EXPECT_LE(textEnd, spinner.mapToGlobal(QPoint(0, 0)).x()) << "the spinner covers the text";
  const QWidget& tools = *window.controls().frmImagesTools;
  EXPECT_TRUE(tools.contentsRect().contains(window.controls().usPicInRow->geometry())) << "the box fits its panel";
  velvara::testing::saveScreenshot(*window.controls().frmImagesTools, "main_window_tools_en");
  strings_.setCurrentLanguage(i18n::kGermanDe);
  window.applyLanguage();
  velvara::testing::saveScreenshot(*window.controls().frmImagesTools, "main_window_tools_de");
}

}  // namespace
}  // namespace velvara::app::testing
