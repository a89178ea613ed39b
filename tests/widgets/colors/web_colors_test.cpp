// The web palette shown modally: its grid, OK and Cancel across showings.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTest>

#include "i18n/StringService.h"
#include "tests/support/qt/ModalAnswer.h"
#include "tests/support/qt/Screenshots.h"
#include "widgets/colors/ColorLabel.h"
#include "widgets/colors/frmWebColors.h"

namespace velvara::widgets {
namespace {

ColorLabel& cell(QWidget& window, int index) {
  auto* found = window.findChild<ColorLabel*>(QString("lblColor_%1").arg(index));
  EXPECT_NE(found, nullptr) << index;
  return *found;
}

void click(QWidget& window, const char* name) { QTest::mouseClick(window.findChild<QWidget*>(name), Qt::LeftButton); }

class WebColorsTest : public ::testing::Test {
 protected:
  WebColorsTest() {
    strings.initMlResources();
    strings.setCurrentLanguage(i18n::kEnglishUk);
  }
  i18n::StringService strings;
  frmWebColors palette{strings};
};

TEST_F(WebColorsTest, SixColumnsOfThirtySixRowsFromBlackToWhite) {
  testing::whenModalOpens([](QWidget& window) {
    EXPECT_EQ(window.windowTitle(), "Page colour");
    EXPECT_EQ(window.findChildren<ColorLabel*>(QRegularExpression("^lblColor_\\d+$")).size(), 217);
    struct Corner {
      int index;
      const char* text;
      std::uint32_t color;
      QPoint place;
      std::uint32_t textColor;
    };
    const Corner corners[] = {
        {1, "000000", 0x000000, {3, 3}, 0xFFFFFF},     {6, "0000FF", 0xFF0000, {457, 3}, 0xFFFFFF},
        {211, "FFFF00", 0x00FFFF, {3, 657}, 0x000000}, {216, "FFFFFF", 0xFFFFFF, {457, 657}, 0x000000},
        {19, "009900", 0x009900, {3, 59}, 0x000000},
    };
    for (const Corner& c : corners) {
      SCOPED_TRACE(c.index);
      EXPECT_EQ(cell(window, c.index).toolTip(), c.text);
      EXPECT_EQ(cell(window, c.index).backColor(), c.color);
      EXPECT_EQ(cell(window, c.index).geometry(), QRect(c.place, QSize(89, 17)));
      EXPECT_EQ(cell(window, c.index).foreColor(), c.textColor);
    }
    EXPECT_EQ(cell(window, 0).geometry(), cell(window, 1).geometry());
    EXPECT_EQ(cell(window, 0).backColor(), cell(window, 1).backColor());
    EXPECT_EQ(cell(window, 15).foreColor(), 0xFFFFFFu) << "row 3, green 66";
    EXPECT_EQ(cell(window, 25).foreColor(), 0x000000u) << "row 5, green CC";
    click(window, "cmdCancel");
  });
  std::uint32_t color = 0x123456;
  EXPECT_FALSE(palette.bChooseColor("Page colour", color));
  EXPECT_EQ(color, 0x123456u);
}

TEST_F(WebColorsTest, OkTakesTheSampleAndALaterCancelOrCloseLeavesTheColour) {
  std::uint32_t color = 0x123456;
  testing::whenModalOpens([](QWidget& window) { click(window, "cmdOK"); });
  EXPECT_TRUE(palette.bChooseColor("Select", color));
  EXPECT_EQ(color, 0u) << "black when no cell was clicked";

  testing::whenModalOpens([](QWidget& window) {
    QTest::mouseClick(&cell(window, 216), Qt::LeftButton);
    EXPECT_EQ(window.findChild<ColorLabel*>("lblSample")->backColor(), 0xFFFFFFu);
    click(window, "cmdOK");
  });
  EXPECT_TRUE(palette.bChooseColor("Select", color));
  EXPECT_EQ(color, 0xFFFFFFu);

  testing::whenModalOpens([](QWidget& window) {
    QTest::mouseClick(&cell(window, 6), Qt::LeftButton);
    click(window, "cmdCancel");
  });
  EXPECT_FALSE(palette.bChooseColor("Select", color));
  testing::whenModalOpens([](QWidget& window) {
    QTest::mouseClick(&cell(window, 6), Qt::LeftButton);
    window.close();
  });
  EXPECT_FALSE(palette.bChooseColor("Select", color));
  EXPECT_EQ(color, 0xFFFFFFu);
}

TEST_F(WebColorsTest, Screenshots) {
  for (const int language : {i18n::kEnglishUk, i18n::kGermanDe}) {
    strings.setCurrentLanguage(language);
    testing::whenModalOpens([language](QWidget& window) {
      QTest::mouseClick(&cell(window, 100), Qt::LeftButton);
      testing::saveScreenshot(window, language == i18n::kEnglishUk ? "web_palette_en" : "web_palette_de");
      click(window, "cmdCancel");
    });
    std::uint32_t color = 0;
    palette.bChooseColor(strings.loadMlString(31), color);
  }
}

}  // namespace
}  // namespace velvara::widgets
