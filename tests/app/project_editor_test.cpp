// The project editor inside the real main window: a project from the command
// line shows its previews, the strip's selection reaches the edit panel, the
// right button opens the Images menu and "Add image..." appends to the strip.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "tests/app/MainWindowFixture.h"
#include "tests/support/TestImages.h"
#include "tests/support/qt/Screenshots.h"
#include "widgets/slide/usSlide.h"

namespace velvara::app {
namespace {

using ProjectEditorTest = testing::MainWindowFixture;

TEST_F(ProjectEditorTest, TheWindowsStripAndPanelWorkTogether) {
  Form1& window = start({writeProject("trip.vlr", 5)});
  QWidget* inner = window.controls().pbInner;
  auto cell = [inner](int i) { return inner->findChild<QWidget*>(QStringLiteral("usSlide1_%1").arg(i)); };
  for (int i = 0; i < 5; ++i) {
    ASSERT_NE(cell(i), nullptr);
    EXPECT_TRUE(cell(i)->isVisible());
    EXPECT_TRUE(data_.project.images.item(i).thumbnailCached);
  }
  QTest::mouseClick(cell(1), Qt::LeftButton, {}, QPoint(70, 70));
  EXPECT_EQ(window.controls().txtPhotos[1]->text(), "photo2");
  QTest::keyClick(cell(1), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(window.controls().txtPhotos[0]->text(), "5 images selected");
  velvara::testing::saveScreenshot(window, "main_window_editor_en");

  QTest::mouseClick(cell(3), Qt::RightButton, {}, QPoint(70, 70));
  EXPECT_TRUE(window.menus().mnuPopUp_images->isVisible());
  window.menus().mnuPopUp_images->hide();

  const std::string added = dir_.file("extra.jpg");
  velvara::testing::writeTestImage(added, {80, 60});
  prompts_.fileNameLists = {std::vector<std::string>{added}};
  QTest::mouseClick(window.controls().cmdAddImage, Qt::LeftButton);
  ASSERT_EQ(data_.project.images.count(), 6);
  EXPECT_TRUE(cell(5)->isVisible());
  EXPECT_EQ(cell(5)->pos(), QPoint(140, 140));
  // A cell made for an added image sizes its picture box to the picture; the
  // cells of a loaded project do not.
  EXPECT_TRUE(qobject_cast<widgets::usSlide*>(cell(5))->picAutoSize());
  EXPECT_FALSE(qobject_cast<widgets::usSlide*>(cell(4))->picAutoSize());

  strings_.setCurrentLanguage(i18n::kGermanDe);
  window.applyLanguage();
  QTest::mouseClick(cell(5), Qt::LeftButton, {}, QPoint(70, 70));
  velvara::testing::saveScreenshot(window, "main_window_editor_de");
}

}  // namespace
}  // namespace velvara::app
