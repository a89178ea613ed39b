// The thumbnail cell: its layout numbers, selection frame, placeholder,
// painted previews, stored properties and the events it passes on.
#include <gtest/gtest.h>

#include <QMimeData>
#include <QTest>

#include "i18n/StringService.h"
#include "tests/support/qt/Screenshots.h"
#include "widgets/slide/usSlide.h"

namespace velvara::widgets {
namespace {

struct SeenMouse {
  int button;
  int shift;
  double x;
  double y;
};

class SlideTest : public ::testing::Test {
 protected:
  SlideTest() : cell(strings, &canvas) {
    strings.initMlResources();
    strings.setCurrentLanguage(i18n::kEnglishUk);
    cell.setObjectName("usSlide1_0");
    canvas.resize(320, 180);
    canvas.show();
  }

  // A bitmap in the image library's layout whose top row is red and whose
  // other rows are blue.
  static imagelib::Bitmap redOverBlue(int width, int height) {
    imagelib::Bitmap bmp;
    bmp.width = width;
    bmp.height = height;
    bmp.bytesPerPixel = 3;
    bmp.bytesPerLine = (width * 3 + 3) / 4 * 4;
    bmp.pixels.assign(static_cast<std::size_t>(bmp.bytesPerLine) * height, 0);
    for (int row = 0; row < height; ++row) {
      const bool top = row == height - 1;  // rows are stored bottom-up
      for (int x = 0; x < width; ++x) {
        std::uint8_t* pixel = &bmp.pixels[static_cast<std::size_t>(row) * bmp.bytesPerLine + x * 3];
        pixel[0] = top ? 0 : 255;  // blue
        pixel[2] = top ? 255 : 0;  // red
      }
    }
    return bmp;
  }

  i18n::StringService strings;
  QWidget canvas;
  usSlide cell;
};

TEST_F(SlideTest, ThePictureTakesTheLongSideLess19PixelsAndIsCentredTheOtherWay) {
  struct Case {
    double ratio;
    PixelRect picture;
    QRect placed;
  };
  const Case cases[] = {
      {0.75, {9, 24.625, 121, 90.75}, QRect(9, 24, 121, 90)},
      {1.5, {(140 - 121 / 1.5) / 2, 9, 121 / 1.5, 121}, QRect(29, 9, 80, 121)},
      {0, {9, 9.5, 121, 121}, QRect(9, 9, 121, 121)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ratio);
    cell.setPicHeightPercentOfWidth(c.ratio);
    EXPECT_DOUBLE_EQ(cell.pictureRect().left, c.picture.left);
    EXPECT_DOUBLE_EQ(cell.pictureRect().top, c.picture.top);
    EXPECT_DOUBLE_EQ(cell.pictureRect().width, c.picture.width);
    EXPECT_DOUBLE_EQ(cell.pictureRect().height, c.picture.height);
    EXPECT_EQ(cell.pictureBox().geometry(), c.placed);
    EXPECT_EQ(cell.findChild<QWidget*>("Shape1")->geometry(), QRect(7, 7, 126, 126));
    EXPECT_EQ(cell.size(), QSize(140, 140));
  }
  EXPECT_EQ(cell.picHeightPercentOfWidth(), 1.0) << "0 reads as a square picture";

  cell.resize(200, 90);
  EXPECT_EQ(cell.size(), QSize(140, 140)) << "the cell keeps its own size";
}

TEST_F(SlideTest, SelectionColoursTheFrameRedOrWhiteWhateverItsColourWas) {
  cell.setSlideSelected(true);
  EXPECT_EQ(cell.slideBorderColor(), kSelectedBorderColor);
  cell.setSlideBorderColor(0x00FF00);
  EXPECT_TRUE(cell.slideSelected());
  EXPECT_EQ(cell.grab().toImage().pixelColor(8, 70), QColor(0, 255, 0));
  cell.setSlideSelected(false);
  EXPECT_EQ(cell.slideBorderColor(), kUnselectedBorderColor);
  cell.setSlideSelected(true);
  EXPECT_EQ(cell.grab().toImage().pixelColor(8, 70), QColor(255, 0, 0));
}

TEST_F(SlideTest, ClearPictureShowsThePlaceholderInAGreyBoxUntilTheNextLayout) {
  cell.setTooltip("Harbour");
  cell.clearPicture();
  EXPECT_EQ(cell.pictureBox().geometry(), QRect(12, 12, 114, 114));
  EXPECT_EQ(cell.pictureBox().backColor(), kPlaceholderColor);
  EXPECT_EQ(cell.pictureBox().fillColor(), kPlaceholderColor);
  EXPECT_EQ(cell.picture().size(), QSize(120, 120));
  EXPECT_EQ(cell.tooltip(), "");
  const QImage shown = cell.pictureBox().grab().toImage();
  EXPECT_EQ(shown.pixelColor(113, 113), QColor(0xE0, 0xE0, 0xE0)) << "grey beyond the placeholder's 120 pixels";

  cell.setPicHeightPercentOfWidth(0.75);
  EXPECT_EQ(cell.pictureBox().geometry(), QRect(9, 24, 121, 90));
}

TEST_F(SlideTest, APaintedBitmapIsShownUprightAndOutlivesTheBitmap) {
  cell.setPicHeightPercentOfWidth(0.75);
  {
    imagelib::Bitmap bmp = redOverBlue(120, 90);
    cell.pictureBox().paintBitmap(bmp);
  }
  const QImage shown = cell.pictureBox().grab().toImage();
  EXPECT_EQ(shown.pixelColor(0, 0), QColor(255, 0, 0));
  EXPECT_EQ(shown.pixelColor(119, 0), QColor(255, 0, 0));
  EXPECT_EQ(shown.pixelColor(60, 1), QColor(0, 0, 255));
  EXPECT_EQ(shown.pixelColor(119, 89), QColor(0, 0, 255));
  EXPECT_EQ(shown.pixelColor(120, 45), QColor(255, 255, 255)) << "1:1, not stretched into the wider box";

  cell.setPicture(QImage());
  EXPECT_EQ(cell.pictureBox().grab().toImage().pixelColor(0, 0), QColor(255, 255, 255))
      << "a new picture replaces what was painted";
}

TEST_F(SlideTest, MouseEventsOfThePictureArriveInTheCellsCoordinatesAndOnlyTheSurfaceClicks) {
  cell.setPicHeightPercentOfWidth(0.75);
  std::vector<SeenMouse> downs;
  std::vector<SeenMouse> ups;
  int clicks = 0;
  QObject::connect(&cell, &usSlide::mouseDown, [&](int button, int shift, double x, double y) {
    downs.push_back({button, shift, x, y});
  });
  QObject::connect(&cell, &usSlide::mouseUp, [&](int button, int shift, double x, double y) {
    ups.push_back({button, shift, x, y});
  });
  QObject::connect(&cell, &usSlide::click, [&] { ++clicks; });

  QTest::mouseClick(&cell.pictureBox(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0].x, 14);
  EXPECT_EQ(downs[0].y, 29);
  EXPECT_EQ(downs[0].button, 1);
  EXPECT_EQ(downs[0].shift, 1);
  EXPECT_EQ(clicks, 0);

  QTest::mouseClick(&cell, Qt::RightButton, {}, QPoint(3, 4));
  QTest::mouseClick(&cell, Qt::LeftButton, {}, QPoint(3, 4));
  ASSERT_EQ(ups.size(), 3u);
  EXPECT_EQ(ups[1].button, 2);
  EXPECT_EQ(ups[1].x, 3);
  EXPECT_EQ(ups[1].y, 4);
  EXPECT_EQ(clicks, 1);
}

TEST_F(SlideTest, KeysOnTheCellAndDropsOnThePictureReachTheContainer) {
  std::vector<int> keyCodes;
  std::vector<int> characters;
  QObject::connect(&cell, &usSlide::keyDown, [&](int& keyCode, int&) { keyCodes.push_back(keyCode); });
  QObject::connect(&cell, &usSlide::keyPress, [&](int& keyAscii) { characters.push_back(keyAscii); });
  QTest::keyClick(&cell, Qt::Key_Down);
  QTest::keyClick(&cell, Qt::Key_A);
  EXPECT_EQ(keyCodes, (std::vector<int>{40, 'A'}));
  EXPECT_EQ(characters, std::vector<int>{'a'});

  QStringList dropped;
  QPointF where;
  QObject::connect(&cell, &usSlide::oleDragDrop, [&](const QMimeData* data, int& effect, int, int, double x, double y) {
    for (const QUrl& url : data->urls()) dropped << url.toLocalFile();
    where = {x, y};
    effect = 1;
  });
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile("/photos/a.jpg")});
  QDragEnterEvent enter(QPoint(6, 7), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&cell.pictureBox(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(6, 7), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&cell.pictureBox(), &drop);
  EXPECT_EQ(dropped, QStringList{"/photos/a.jpg"});
  EXPECT_EQ(where, QPointF(6, 7)) << "drop coordinates are passed on unchanged";
  EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
}

TEST_F(SlideTest, SavingStoresOnlyWhatDiffersInOrderAndLoadingReadsItBack) {
  cell.setSlideHeight(160);
  cell.setBackColor(0x808080);
  cell.setTooltip("Pier at dusk");
  cell.setPicHeightPercentOfWidth(0.5);
  cell.setSlideSelected(true);
  PropertyBag saved;
  cell.writeProperties(saved);
  std::vector<std::string> names;
  for (const auto& entry : saved.entries()) names.push_back(entry.first);
  EXPECT_EQ(names, (std::vector<std::string>{"SlideHeight", "BackColor", "SlideSelected", "SlideBorderColor",
                                             "PicHeightPercentOfWidth", "Tooltip"}));

  usSlide loaded(strings, &canvas);
  loaded.readProperties(saved);
  EXPECT_EQ(loaded.slideHeight(), 160);
  EXPECT_EQ(loaded.backColor(), 0x808080u);
  EXPECT_EQ(loaded.tooltip(), "Pier at dusk");
  EXPECT_TRUE(loaded.slideSelected());
  EXPECT_EQ(loaded.slideBorderColor(), kSelectedBorderColor);
  EXPECT_EQ(loaded.picHeightPercentOfWidth(), 0.5);
}

TEST_F(SlideTest, Screenshot) {
  QPalette grey = canvas.palette();
  grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
  canvas.setPalette(grey);
  canvas.setAutoFillBackground(true);
  cell.setPicHeightPercentOfWidth(0.75);
  imagelib::Bitmap bmp = redOverBlue(120, 90);
  cell.pictureBox().paintBitmap(bmp);
  cell.setSlideSelected(true);
  usSlide portrait(strings, &canvas);
  portrait.move(150, 0);
  portrait.setPicHeightPercentOfWidth(1.5);
  usSlide missing(strings, &canvas);
  missing.move(0, 150);
  missing.clearPicture();
  portrait.show();
  missing.show();
  canvas.resize(300, 300);
  testing::saveScreenshot(canvas, "thumbnail_cells");
}

}  // namespace
}  // namespace velvara::widgets
