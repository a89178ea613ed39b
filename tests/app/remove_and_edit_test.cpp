// Removing images and the title and tooltip edits, on images selected in the
// strip with the mouse.
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "app/strip/ThumbnailStrip.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/qt/AccessibleEvents.h"
#include "widgets/slide/usSlide.h"

namespace velvara::app::testing {
namespace {

class RemoveAndEditTest : public MainWindowFixture {
 protected:
  void click(int index, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    widgets::usSlide* cell = window_->strip().cell(index);
    QTest::mouseClick(cell, Qt::LeftButton, modifiers, cell->rect().center());
  }
  QImage shown(int index) { return window_->strip().cell(index)->grab().toImage(); }
  // The cells whose new names a screen reader was told since the last look.
  std::vector<std::string> renamedCells() { return heard_.takeRenamedWithin(*window_->controls().pbInner); }

  velvara::testing::AccessibleEvents heard_;
};

TEST_F(RemoveAndEditTest, RemovingImagesTwoAndFourOfSixKeepsTheOthersWithTheirPreviews) {
  Form1& window = start({writeProject("six.vlr", 6)});
  std::vector<std::vector<std::uint8_t>> previews;
  std::vector<QImage> cells;
  for (const int kept : {0, 2, 4, 5}) {
    previews.push_back(data_.project.images.bitmap(kept).pixels);
    cells.push_back(shown(kept));
  }
  click(1);
  click(3, Qt::ControlModifier);
  ASSERT_EQ(window.strip().selectedImages(), (std::vector<std::int32_t>{1, 3}));
  renamedCells();
  window.menus().mnuRemoveSelected->trigger();
  // Told once of each cell that now shows another image, of no other.
  EXPECT_EQ(renamedCells(), (std::vector<std::string>{"usSlide1_1 photo3", "usSlide1_2 photo5", "usSlide1_3 photo6"}));

  EXPECT_EQ(titles(), (std::vector<std::string>{"photo1", "photo3", "photo5", "photo6"}));
  EXPECT_EQ(window.strip().cellCount(), 4);
  EXPECT_TRUE(window.strip().selectedImages().empty());
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(data_.project.images.item(i).thumbnailCached);
    EXPECT_EQ(data_.project.images.bitmap(i).pixels, previews[i]);
    EXPECT_TRUE(window.strip().cell(i)->isVisible());
    EXPECT_EQ(shown(i), cells[i]);
  }
  EXPECT_TRUE(prompts_.messages.empty());
  EXPECT_TRUE(window.controls().cmdMakeGallery->isEnabled());
  EXPECT_TRUE(window.menus().mnuSaveAs->isEnabled()) << "the dropped images can be saved";
}

TEST_F(RemoveAndEditTest, RemovingEverySelectedImageLeavesOnlyTheFirstCellHidden) {
  Form1& window = start({writeProject("three.vlr", 3)});
  window.menus().mnuSelectAll->trigger();
  window.menus().mnuRemoveSelected->trigger();
  EXPECT_EQ(data_.project.images.count(), 0);
  EXPECT_EQ(window.strip().cellCount(), 1);
  EXPECT_FALSE(window.strip().cellLook(0).visible);
  EXPECT_EQ(window.strip().cell(0), nullptr);
  EXPECT_FALSE(window.controls().cmdMakeGallery->isEnabled());
  EXPECT_FALSE(window.menus().mnuExport->isEnabled());
  EXPECT_FALSE(window.menus().mnuToolsAction->isEnabled());
  EXPECT_FALSE(window.menus().mnuPopUp_imagesAction->isEnabled());
}

TEST_F(RemoveAndEditTest, EditsActOnTheSelectedImagesExactlyAsAnswered) {
  Form1& window = start({writeProject("three.vlr", 3)});
  click(0);
  click(2, Qt::ControlModifier);
  prompts_.texts = {std::string("2010 ")};
  renamedCells();
  window.menus().mnuCaptionPrefix->trigger();
  EXPECT_EQ(titles(), (std::vector<std::string>{"2010 photo1", "photo2", "2010 photo3"}));
  EXPECT_EQ(renamedCells(), (std::vector<std::string>{"usSlide1_0 2010 photo1", "usSlide1_2 2010 photo3"}));

  prompts_.answers = {core::MessageAnswer::Yes};
  window.menus().mnuTooltipEquCaption->trigger();
  EXPECT_EQ(data_.project.images.item(0).tooltip, "2010 photo1");
  EXPECT_EQ(data_.project.images.item(1).tooltip, "photo2");

  prompts_.answers = {core::MessageAnswer::No};
  window.menus().mnuClearImageTitles->trigger();
  EXPECT_EQ(titles(), (std::vector<std::string>{"2010 photo1", "photo2", "2010 photo3"}));
  prompts_.answers = {core::MessageAnswer::Yes};
  renamedCells();
  window.menus().mnuClearImageTitles->trigger();
  EXPECT_EQ(titles(), (std::vector<std::string>{"", "photo2", ""}));
  EXPECT_EQ(renamedCells(), (std::vector<std::string>{"usSlide1_0 photo1.jpg", "usSlide1_2 photo3.jpg"}));
}

TEST_F(RemoveAndEditTest, FilesDroppedOnTheStripAreAddedToTheProject) {
  Form1& window = start();
  writeProject("pictures.vlr", 2);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir_.file("photo1.jpg"))),
                QUrl::fromLocalFile(QString::fromStdString(dir_.file("photo2.jpg")))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(window.controls().pbInner, &enter);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(window.controls().pbInner, &drop);
  EXPECT_EQ(titles(), (std::vector<std::string>{"photo1", "photo2"}));
  // One drop, one adding: no second pass refusing the files as duplicates.
  ASSERT_EQ(prompts_.messages.size(), 1u);
  EXPECT_EQ(prompts_.messages[0].text, "Added 2 new images.");
  EXPECT_TRUE(window.strip().cell(1)->isVisible());
  EXPECT_TRUE(window.controls().cmdMakeGallery->isEnabled());
  EXPECT_TRUE(window.menus().mnuSaveAs->isEnabled()) << "the dropped images can be saved";
}

}  // namespace
}  // namespace velvara::app::testing
