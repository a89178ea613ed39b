// The record passes through the dialog's controls and back: what a round
// trip changes, the order in which setValues fills the controls, and the
// dialog loading itself hidden the first time it is asked.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <random>

#include "core/helpers/Urls.h"
#include "settings/controls/FontSample.h"
#include "tests/settings/EditorFixture.h"
#include "widgets/numericbox/usNumericBox.h"

namespace velvara::settings::testing {
namespace {

using widgets::usNumericBox;

// What a round trip through the dialog makes of a record: colours in upper
// case but the cell borders in lower case, the title alignment and the parent
// link normalised, the Lightbox caption font with one family.
core::GallerySettings afterRoundTrip(core::GallerySettings r) {
  const auto upper = [](std::string text) {
    for (auto& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
  };
  const auto lower = [](std::string text) {
    for (auto& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  };
  for (auto* color : {&r.pageBackColor, &r.cellBackColor, &r.thumbBorderColor, &r.titleColor, &r.webTitleColor}) {
    *color = upper(*color);
  }
  r.cellBorderColors = lower(r.cellBorderColors);
  if (r.titleAlign != "left" && r.titleAlign != "right") r.titleAlign = "center";
  r.homeUrl = r.homeUrl == "http://" ? std::string() : core::normalizeUrl(r.homeUrl);
  if (r.lightboxStyle.empty()) r.lightboxStyle = core::kDefaultLightboxStyle;
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const auto star = r.lightboxStyle.find('*', start);
    parts.push_back(r.lightboxStyle.substr(start, star - start));
    if (star == std::string::npos) break;
    start = star + 1;
  }
  const auto space = parts[3].find(' ');
  const auto comma = parts[3].find(',');
  const std::string family = parts[3].substr(space + 1, comma - space - 1);
  r.lightboxStyle = upper(parts[0]) + "*" + upper(parts[1]) + "*" + upper(parts[2]) + "*" + parts[3].substr(0, space) +
                    " " + family + ", Helvetica, sans-serif*" + (parts[4] == "bold" ? "bold" : "normal") + "*" +
                    upper(parts[5]);
  return r;
}

TEST_F(EditorTest, ARoundTripNormalisesExactlyTheListedFields) {
  record.pageBackColor = "#abcdef";
  record.cellBorderColors = "#AABBCC #000000 #000000 #AABBCC";
  record.titleAlign = "Left";
  record.homeUrl = "www.example.org/home";
  record.lightboxStyle = "";
  record.titleFontSize = "12px";
  record.pageFontFamily = "Georgia, serif";
  record.baseUrl = "http://base/";
  record.spareTexts[3] = "kept";
  record.spareBytes[5] = 7;
  core::GallerySettings expected = record;

  editor.setValues();
  // The alignment is put right in the record itself, before any getValues.
  EXPECT_EQ(record.titleAlign, "center");
  EXPECT_EQ(control<QComboBox>("cboImg_title_align").currentText(), "center");
  EXPECT_FALSE(dialog().isVisible());
  editor.getValues();

  expected.pageBackColor = "#ABCDEF";
  expected.cellBorderColors = "#aabbcc #000000 #000000 #aabbcc";
  expected.titleAlign = "center";
  expected.homeUrl = "http://www.example.org/home";
  expected.lightboxStyle = "#000000*#FFFFFF*#FFFFFF*10px Verdana, Helvetica, sans-serif*bold*#666666";
  expected.titleFontSize = "12";
  EXPECT_EQ(record, expected);
  EXPECT_EQ(control<QLineEdit>("txtHomeUrl_0").text(), "http://www.example.org/home");
}

TEST_F(EditorTest, ABareSchemeShowsAsAnEmptyParentLink) {
  record.homeUrl = "http://";
  editor.setValues();
  EXPECT_EQ(control<QLineEdit>("txtHomeUrl_0").text(), "");
  editor.getValues();
  EXPECT_EQ(record.homeUrl, "");
}

TEST_F(EditorTest, AfterTheLinkCheckerTheBoxShowsTheRecordsAddressAsItStands) {
  record.homeUrl = "www.checked.org";
  editor.showHomeUrl();
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_EQ(control<QLineEdit>("txtHomeUrl_0").text(), "www.checked.org");
}

TEST_F(EditorTest, ACellBelowItsThumbnailIsRefusedAndKeepsTheThumbnailSize) {
  record.thumbWidth = "160";
  record.cellWidth = "160";
  editor.setValues();
  record.thumbWidth = "300";
  editor.setValues();
  EXPECT_EQ(control<usNumericBox>("usSlideSize_0").value(), 300);
  EXPECT_EQ(control<usNumericBox>("usSlideSize_0").min(), 300);
  EXPECT_EQ(host.beeps, 1);
  editor.getValues();
  EXPECT_EQ(record.cellWidth, "300");
}

TEST_F(EditorTest, NumbersOutsideABoxComeBackAsTheBoxHoldsThem) {
  editor.setValues();
  record.rows = 2000;
  record.jpegQuality = "5";
  record.titleFontSize = "30.5px";
  editor.setValues();
  EXPECT_EQ(host.beeps, 3);
  editor.getValues();
  EXPECT_EQ(record.rows, 100);
  EXPECT_EQ(record.jpegQuality, "90");
  EXPECT_EQ(record.titleFontSize, "10");
}

TEST_F(EditorTest, ADamagedRecordFillsEveryOtherControl) {
  editor.setValues();
  record.imageWidth = "wide";
  record.cellBorderColors = "#FF0000 #00FF00";
  record.galleryStyle = 7;
  record.webTitle = "Still shown";
  editor.setValues();
  EXPECT_EQ(control<QLineEdit>("txtWebTitle").text(), "Still shown");
  editor.getValues();
  EXPECT_EQ(record.imageWidth, "750");
  EXPECT_EQ(record.cellBorderColors, "#ff0000 #00ff00 #666666 #aaaaaa");
  EXPECT_EQ(record.galleryStyle, 7);
}

TEST_F(EditorTest, TheStyleSelectsItsOptionAndLayout) {
  const struct {
    std::int16_t style;
    bool linkControls;
    QString imageCaption;
  } cases[] = {{1, false, "Large image and Shadowbox"}, {2, true, "Large image"}, {0, true, "Large image"}};
  for (const auto& c : cases) {
    record.galleryStyle = c.style;
    editor.setValues();
    EXPECT_TRUE(control<QRadioButton>(QString("OpStyle_%1").arg(c.style).toUtf8()).isChecked());
    EXPECT_EQ(!control<QCheckBox>("chkAddLink").isHidden(), c.linkControls) << c.style;
    EXPECT_EQ(!control<QLineEdit>("txtLink").isHidden(), c.linkControls) << c.style;
    EXPECT_EQ(control<QGroupBox>("frmImage").title(), c.imageCaption);
  }
}

TEST_F(EditorTest, TheLightboxWeightAndCaptionFontSurviveARoundTrip) {
  const struct {
    const char* style;
    bool bold;
    const char* back;
  } cases[] = {
      {"#000000*#ffffff*#eeeeee*14px Georgia, serif*normal*#123456", false,
       "#000000*#FFFFFF*#EEEEEE*14px Georgia, Helvetica, sans-serif*normal*#123456"},
      {"#000000*#ffffff*#eeeeee*4px Tahoma*bold*#123456", true,
       "#000000*#FFFFFF*#EEEEEE*6px Tahoma, Helvetica, sans-serif*bold*#123456"},
      // Missing parts are black, and an empty caption font is the smallest size.
      {"#111111*#222222", false, "#111111*#222222*#000000*6px Verdana, Helvetica, sans-serif*normal*#000000"},
  };
  for (const auto& c : cases) {
    record.lightboxStyle = c.style;
    editor.setValues();
    EXPECT_EQ(control<FontSample>("lblImageContainerSample").bold(), c.bold) << c.style;
    editor.getValues();
    EXPECT_EQ(record.lightboxStyle, c.back);
  }
}

// Random records of the kinds the program's own writers produce: every
// number within its box, colours in either case, and texts of any kind.
core::GallerySettings randomRecord(std::mt19937& random) {
  const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const auto number = [&](int low, int high) { return std::to_string(pick(low, high)); };
  const auto color = [&] {
    static const char digits[] = "0123456789abcdefABCDEF";
    std::string text = "#";
    for (int i = 0; i < 6; ++i) text += digits[pick(0, 21)];
    return text;
  };
  const auto text = [&] {
    static const std::vector<std::string> pieces = {"Gallery", " ", "Ä", "ö",  "ß", "é",    "\"", "'", "<b>",
                                                    "&",       "#", "/", "\\", ":", "日本", "1",  "x"};
    std::string out;
    for (int n = pick(0, 6); n > 0; --n) out += pieces[pick(0, static_cast<int>(pieces.size()) - 1)];
    return out;
  };
  const auto oneOf = [&](std::vector<std::string> choices) {
    return choices[pick(0, static_cast<int>(choices.size()) - 1)];
  };
  const std::vector<std::string> fonts = {"Verdana", "Arial", "DejaVu Sans", "Times New Roman", "Noto Serif"};

  core::GallerySettings r;
  r.columns = pick(0, 20);
  r.rows = pick(1, 1000);
  r.imageWidth = number(0, 2000);
  r.imageHeight = number(0, 2000);
  r.jpegQuality = number(10, 100);
  const int thumbWidth = pick(0, 1000);
  const int thumbHeight = pick(0, 1000);
  r.thumbWidth = std::to_string(thumbWidth);
  r.thumbHeight = std::to_string(thumbHeight);
  r.cellWidth = number(thumbWidth, 1000);
  r.cellHeight = number(thumbHeight, 1000);
  r.thumbBorderWidth = number(0, 25);
  r.titleFontSize = number(6, 26);
  r.titleFontName = oneOf(fonts);
  r.titleAlign = oneOf({"left", "center", "right", "Right", "justify", ""});
  r.titleColor = color();
  r.thumbBorderColor = color();
  r.pageBackColor = color();
  r.cellBorderColors = color() + " " + color() + " " + color() + " " + color();
  r.cellBorderWidth = number(0, 25);
  r.cellSpacing = number(0, 100);
  r.cellPadding = number(0, 100);
  r.cellBackColor = color();
  r.webTitle = text();
  r.webTitleFontName = oneOf(fonts);
  r.webTitleFontSize = number(6, 56);
  r.webTitleColor = color();
  r.destFolder = "/home/user/" + text();
  r.homeUrl = oneOf({"", "http://", "www.example.org", "http://host\\\\a\\\\b", "https://secure/", "../up.html"});
  r.homeCaption = text();
  r.defaultLinkText = text();
  r.keepAspectRatio = static_cast<std::int16_t>(pick(0, 1));
  r.addParentLink = static_cast<std::int16_t>(pick(0, 1));
  r.addImageLinks = static_cast<std::int16_t>(pick(0, 1));
  r.galleryStyle = static_cast<std::int16_t>(pick(0, 2));
  r.pageBackImage = text();
  r.cellBackImage = text();
  r.lightboxStyle = pick(0, 4) == 0 ? std::string()
                                    : color() + "*" + color() + "*" + color() + "*" + number(6, 26) + "px " +
                                          oneOf(fonts) + oneOf({", Helvetica, sans-serif", ", serif", ""}) + "*" +
                                          oneOf({"bold", "normal", "bolder"}) + "*" + color();
  // Fields the dialog never shows.
  r.pageFontFamily = text();
  r.titleFontWeight = oneOf({"normal", "bold"});
  r.baseUrl = text();
  r.spareNumber = number(0, 99);
  r.spareText1 = text();
  for (auto& spare : r.spareTexts) spare = text();
  for (auto& byte : r.spareBytes) byte = static_cast<std::uint8_t>(pick(0, 255));
  return r;
}

TEST_F(EditorTest, EveryValidRecordComesBackAsItsNormalForm) {
  std::mt19937 random(20261209);
  for (int round = 0; round < 300; ++round) {
    record = randomRecord(random);
    const core::GallerySettings expected = afterRoundTrip(record);
    editor.setValues();
    editor.getValues();
    ASSERT_EQ(record, expected) << "round " << round << ", lightbox " << expected.lightboxStyle;
  }
  EXPECT_EQ(host.beeps, 0);
}

}  // namespace
}  // namespace velvara::settings::testing
