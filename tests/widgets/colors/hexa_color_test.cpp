// The colour dialog shown modally and answered with real clicks: its start
// colour, OK and Cancel, the swatches, the two other pickers and a language
// change while it is open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "platform/mlruntime/LanguageSupport.h"
#include "tests/support/FakeHost.h"
#include "tests/support/qt/ModalAnswer.h"
#include "tests/support/qt/Screenshots.h"
#include "widgets/colors/ColorLabel.h"
#include "widgets/colors/frmHexaColor.h"

namespace velvara::widgets {
namespace {

template <typename Control>
Control& control(QWidget& window, const char* name) {
  auto* found = window.findChild<Control*>(name);
  EXPECT_NE(found, nullptr) << name;
  return *found;
}

void click(QWidget& window, const char* name) { QTest::mouseClick(&control<QWidget>(window, name), Qt::LeftButton); }

class HexaColorTest : public ::testing::Test {
 protected:
  testing::FakeHost host;
  frmHexaColor dialog{host.stringService, host};
};

TEST_F(HexaColorTest, TheStartColourIsShownInPartsAndOkWithoutChangesKeepsIt) {
  std::uint32_t color = 0x0080FF;
  testing::whenModalOpens([](QWidget& window) {
    EXPECT_EQ(window.windowTitle(), "Background colour");
    EXPECT_EQ(window.pos(), QPoint(100, 50));
    EXPECT_EQ(control<QSlider>(window, "sliderRGB_0").value(), 255);
    EXPECT_EQ(control<QSlider>(window, "sliderRGB_1").value(), 128);
    EXPECT_EQ(control<QSlider>(window, "sliderRGB_2").value(), 0);
    EXPECT_EQ(control<QLabel>(window, "lblRGB_0").text(), " R: #FF");
    EXPECT_EQ(control<QLabel>(window, "lblRGB_1").text(), " G: #80");
    EXPECT_EQ(control<QLabel>(window, "lblRGB_2").text(), " B: #0");
    EXPECT_EQ(control<ColorLabel>(window, "lblSample").backColor(), 0x0080FFu);
    click(window, "cmdOK");
  });
  EXPECT_TRUE(dialog.bDoModal("Background colour", color, 1500, 750));
  EXPECT_EQ(color, 0x0080FFu);
}

TEST_F(HexaColorTest, CancelAndTheCloseBoxLeaveTheColourAlsoAfterAnEarlierOk) {
  std::uint32_t color = 0x123456;
  testing::whenModalOpens([](QWidget& window) {
    click(window, "picBW_1");
    EXPECT_EQ(control<QLabel>(window, "lblRGB_2").text(), " B: #FF");
    click(window, "cmdOK");
  });
  EXPECT_TRUE(dialog.bDoModal("Text colour", color, 0, 0));
  EXPECT_EQ(color, 0xFFFFFFu) << "the white swatch";

  color = 0x123456;
  testing::whenModalOpens([](QWidget& window) {
    QTest::keyClick(&control<QSlider>(window, "sliderRGB_0"), Qt::Key_End);
    EXPECT_EQ(control<QLabel>(window, "lblRGB_0").text(), " R: #FF");
    click(window, "cmdCancel");
  });
  EXPECT_FALSE(dialog.bDoModal("Text colour", color, 0, 0));
  EXPECT_EQ(color, 0x123456u);

  testing::whenModalOpens([](QWidget& window) {
    click(window, "picBW_0");
    window.close();
  });
  EXPECT_FALSE(dialog.bDoModal("Text colour", color, 0, 0));
  EXPECT_EQ(color, 0x123456u);
}

TEST_F(HexaColorTest, TheOtherPickersChangeTheWorkingColourOnlyWhenTheyAnswer) {
  host.colors = {0x00FF00u, std::nullopt};
  std::uint32_t color = 0x0000FF;
  testing::whenModalOpens([this](QWidget& window) {
    click(window, "cmdChooseColor_0");
    EXPECT_EQ(control<ColorLabel>(window, "lblSample").backColor(), 0x00FF00u);
    click(window, "cmdChooseColor_0");
    EXPECT_EQ(control<ColorLabel>(window, "lblSample").backColor(), 0x00FF00u) << "a cancelled colour dialog";
    ASSERT_EQ(host.colorRequests.size(), 2u);
    EXPECT_EQ(host.colorRequests[0].first, 0x0000FFu);
    EXPECT_EQ(host.colorRequests[1].first, 0x00FF00u);

    QString paletteTitle;
    testing::whenModalOpens(
        [&](QWidget& palette) {
          paletteTitle = palette.windowTitle();
          click(palette, "lblColor_6");
          click(palette, "cmdOK");
        },
        "frmWebColors");
    click(window, "cmdChooseColor_1");
    EXPECT_EQ(paletteTitle, "Link colour");
    EXPECT_EQ(control<ColorLabel>(window, "lblSample").backColor(), 0xFF0000u) << "web colour 0000FF";

    testing::whenModalOpens(
        [](QWidget& palette) {
          click(palette, "lblColor_1");
          click(palette, "cmdCancel");
        },
        "frmWebColors");
    click(window, "cmdChooseColor_1");
    EXPECT_EQ(control<ColorLabel>(window, "lblSample").backColor(), 0xFF0000u) << "a cancelled palette";
    click(window, "cmdOK");
  });
  EXPECT_TRUE(dialog.bDoModal("Link colour", color, 0, 0));
  EXPECT_EQ(color, 0xFF0000u);
}

TEST_F(HexaColorTest, EnterChoosesNothingInTheDialogOrInItsPalette) {
  host.colors = {0x00FF00u};
  std::uint32_t color = 0x0000FF;
  bool openAfterEnter = false;
  bool paletteOpenAfterEnter = false;
  testing::whenModalOpens([&](QWidget& window) {
    QApplication::setActiveWindow(&window);
    QTest::keyClick(window.focusWidget(), Qt::Key_Return);
    openAfterEnter = window.isVisible();
    testing::whenModalOpens(
        [&](QWidget& palette) {
          QApplication::setActiveWindow(&palette);
          click(palette, "lblColor_6");
          QTest::keyClick(palette.focusWidget(), Qt::Key_Return);
          paletteOpenAfterEnter = palette.isVisible();
          click(palette, "cmdCancel");
        },
        "frmWebColors");
    click(window, "cmdChooseColor_1");
    click(window, "cmdOK");
  });
  EXPECT_TRUE(dialog.bDoModal("Link colour", color, 0, 0));
  EXPECT_TRUE(openAfterEnter);
  EXPECT_TRUE(host.colorRequests.empty()) << "the platform's colour dialog opened";
  EXPECT_TRUE(paletteOpenAfterEnter);
  EXPECT_EQ(color, 0x0000FFu);
}

TEST_F(HexaColorTest, ALanguageChangeWhileOpenReloadsTheCaptions) {
  std::uint32_t color = 0x3366CC;
  testing::whenModalOpens([this](QWidget& window) {
    EXPECT_EQ(control<QPushButton>(window, "cmdCancel").text(), "Cancel");
    EXPECT_EQ(control<QPushButton>(window, "cmdChooseColor_0").text(), "Choose windows color...");
    EXPECT_EQ(control<QWidget>(window, "picBW_0").toolTip(), "Set black color");
    testing::saveScreenshot(window, "colour_dialog_en");
    mlruntime::LanguageSupport announcer;
    announcer.raiseLanguageChanged(i18n::kGermanDe, "German (Germany)");
    EXPECT_EQ(host.stringService.currentLangId(), i18n::kGermanDe);
    EXPECT_EQ(control<QPushButton>(window, "cmdCancel").text(), "Abbrechen");
    EXPECT_EQ(control<QPushButton>(window, "cmdChooseColor_1").text(),
              QString::fromStdString(host.stringService.loadMlString(5)));
    EXPECT_EQ(window.windowTitle(), "Hintergrundfarbe") << "the caller's title stays";
    testing::saveScreenshot(window, "colour_dialog_de");
    click(window, "cmdCancel");
  });
  EXPECT_FALSE(dialog.bDoModal("Hintergrundfarbe", color, 0, 0));
  host.stringService.setCurrentLanguage(i18n::kEnglishUk);
}

}  // namespace
}  // namespace velvara::widgets
