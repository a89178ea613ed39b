// The settings dialog driven through its controls: the size rules, the
// colour and font pickers with their samples, the commands, closing, the
// language button, and pictures of every tab in both languages.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <filesystem>
#include <fstream>

#include "core/files/ProjectFileFormat.h"
#include "core/files/SettingsFileFormat.h"
#include "platform/mlruntime/LanguageSupport.h"
#include "settings/controls/ColorButton.h"
#include "settings/controls/FontSample.h"
#include "tests/settings/EditorFixture.h"
#include "tests/support/qt/Screenshots.h"
#include "widgets/numericbox/UpDownSpinner.h"
#include "widgets/numericbox/usNumericBox.h"

namespace velvara::settings::testing {
namespace {

using widgets::usNumericBox;

std::vector<std::uint8_t> fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

class DialogTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    editor.setValues();
    dialog().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog()));
  }
  void TearDown() override {
    if (editor.isLoaded()) dialog().hide();
    EditorTest::TearDown();
  }

  // One press and release on the upper (up) or lower (down) half of a box's
  // spinner.
  void spin(const char* box, bool up, int times = 1) {
    auto* spinner = control<usNumericBox>(box).findChild<widgets::UpDownSpinner*>();
    ASSERT_NE(spinner, nullptr) << box;
    const QPoint at(spinner->width() / 2, up ? 2 : spinner->height() - 2);
    for (int i = 0; i < times; ++i) {
      QTest::mousePress(spinner, Qt::LeftButton, {}, at);
      QTest::mouseRelease(spinner, Qt::LeftButton, {}, at);
    }
  }

  void click(const char* name) { QTest::mouseClick(&control<QAbstractButton>(name), Qt::LeftButton); }

  // Clicks a colour button and answers the colour dialog it opens: a colour
  // taken over from the platform's dialog and OK, or Cancel. The dialog's
  // title.
  QString pickColor(const char* button, std::optional<std::uint32_t> color) {
    QString title;
    whenUp("frmHexaColor", [&](QWidget& colorDialog) {
      title = colorDialog.windowTitle();
      const char* close = "cmdCancel";
      if (color) {
        host.colors = {*color};
        QTest::mouseClick(colorDialog.findChild<QPushButton*>("cmdChooseColor_0"), Qt::LeftButton);
        close = "cmdOK";
      }
      QTest::mouseClick(colorDialog.findChild<QPushButton*>(close), Qt::LeftButton);
    });
    click(button);
    return title;
  }

  double value(const char* box) { return control<usNumericBox>(box).value(); }
  double minimum(const char* box) { return control<usNumericBox>(box).min(); }
};

TEST_F(DialogTest, TheCellGrowsWithItsThumbnailAndNeverShrinksBelowIt) {
  ASSERT_EQ(value("usImgSize_0"), 160);
  ASSERT_EQ(value("usSlideSize_0"), 160);
  spin("usImgSize_0", true);
  EXPECT_EQ(value("usSlideSize_0"), 170);
  EXPECT_EQ(minimum("usSlideSize_0"), 170);
  spin("usSlideSize_0", false);
  EXPECT_EQ(value("usSlideSize_0"), 170);

  // A smaller thumbnail lowers the minimum and leaves the cell.
  spin("usImgSize_0", false, 2);
  EXPECT_EQ(value("usImgSize_0"), 150);
  EXPECT_EQ(value("usSlideSize_0"), 170);
  EXPECT_EQ(minimum("usSlideSize_0"), 150);
  // The height pair follows the same rule on its own.
  EXPECT_EQ(value("usSlideSize_1"), 120);
}

TEST_F(DialogTest, ThePaddingPutsTheCellMinimumsBackWithoutChangingASize) {
  record.thumbWidth = "200";
  record.thumbHeight = "100";
  record.cellWidth = "200";
  record.cellHeight = "120";
  editor.setValues();
  control<usNumericBox>("usSlideSize_0").setMin(0);
  control<usNumericBox>("usSlideSize_1").setMin(0);
  spin("usSlide_cell_padding", true);
  EXPECT_EQ(value("usSlideSize_0"), 200);
  EXPECT_EQ(value("usSlideSize_1"), 120);
  EXPECT_EQ(minimum("usSlideSize_0"), 200);
  EXPECT_EQ(minimum("usSlideSize_1"), 100);
}

TEST_F(DialogTest, AThumbnailSizeStillBeingTypedRaisesTheCellBeforeTheRecordIsWritten) {
  auto& field = *control<usNumericBox>("usImgSize_0").findChild<QLineEdit*>();
  field.setFocus();
  field.selectAll();
  QTest::keyClicks(&field, "300");
  editor.getValues();
  EXPECT_EQ(record.thumbWidth, "300");
  EXPECT_EQ(record.cellWidth, "300");
}

TEST_F(DialogTest, APickedColourReachesTheRecordAndItsSample) {
  struct Case {
    const char* button;
    QString title;
    std::string core::GallerySettings::*field;
    const char* sample;  // nullptr: no sample
    bool background;
  };
  const Case cases[] = {
      {"cmdBackground_color", "Web page background color", &core::GallerySettings::pageBackColor,
       "lblWebTitle_font_name", true},
      {"cmdWebTitle_font_color", "Select web title text color", &core::GallerySettings::webTitleColor,
       "lblWebTitle_font_name", false},
      {"cmdImg_title_color", "Image title color", &core::GallerySettings::titleColor, "lblImg_font_name", false},
      {"cmdSlide_padding_color", "Cell background (padding) color", &core::GallerySettings::cellBackColor,
       "lblImg_font_name", true},
      {"cmdImg_border_color", "Image border color", &core::GallerySettings::thumbBorderColor, nullptr, false},
  };
  for (const auto& c : cases) {
    const auto before = control<ColorButton>(c.button).color();
    EXPECT_EQ(pickColor(c.button, 0x332211), c.title);
    ASSERT_FALSE(host.colorRequests.empty());
    EXPECT_EQ(host.colorRequests.back().first, static_cast<std::uint32_t>(before)) << c.button;
    if (c.sample) {
      auto& sample = control<FontSample>(c.sample);
      EXPECT_EQ(c.background ? sample.backColor() : sample.textColor(), 0x332211) << c.button;
    }
    editor.getValues();
    EXPECT_EQ(record.*(c.field), "#112233") << c.button;
  }
  // A cancelled pick changes nothing.
  pickColor("cmdBackground_color", std::nullopt);
  editor.getValues();
  EXPECT_EQ(record.pageBackColor, "#112233");
}

TEST_F(DialogTest, CellBorderAndLightboxColoursGoToTheirPartOfTheText) {
  EXPECT_EQ(pickColor("cmdSlide_border_color_1", 0x0000FF), "Cell right border color");

  // The Lightbox buttons open the dialog untitled; the caption sample takes
  // the button's colour even when the pick is cancelled.
  auto& sample = control<FontSample>("lblImageContainerSample");
  sample.setBackColor(0x123456);
  EXPECT_EQ(pickColor("cmdLightbox_color_2", std::nullopt).trimmed(), "");
  EXPECT_EQ(sample.backColor(), 0xFFFFFF);
  pickColor("cmdLightbox_color_3", 0x00FF00);
  EXPECT_EQ(sample.textColor(), 0x00FF00);

  editor.getValues();
  EXPECT_EQ(record.cellBorderColors, "#aaaaaa #ff0000 #666666 #aaaaaa");
  EXPECT_EQ(record.lightboxStyle, "#000000*#FFFFFF*#FFFFFF*10px Verdana, Helvetica, sans-serif*bold*#00FF00");
}

TEST_F(DialogTest, AFontTooLargeForItsBoxShowsInTheSampleButIsNotStored) {
  host.fonts = {core::FontChoice{"Georgia", 30, true}};
  click("cmdImg_choose_font");
  ASSERT_EQ(host.fontRequests.size(), 1u);
  EXPECT_EQ(host.fontRequests[0].name, "Verdana");
  EXPECT_EQ(host.fontRequests[0].size, 10);
  EXPECT_FALSE(host.fontRequests[0].bold);
  EXPECT_EQ(host.beeps, 1);
  auto& sample = control<FontSample>("lblImg_font_name");
  EXPECT_EQ(sample.fontSize(), 30);
  EXPECT_EQ(sample.text(), "Georgia");
  EXPECT_FALSE(sample.bold());
  editor.getValues();
  EXPECT_EQ(record.titleFontSize, "10");
  EXPECT_EQ(record.titleFontName, "Georgia");
}

TEST_F(DialogTest, TheLightboxFontDialogCarriesTheCaptionWeight) {
  host.fonts = {core::FontChoice{"Courier", 12, false}};
  click("cmdIimageDataContainer_font");
  ASSERT_EQ(host.fontRequests.size(), 1u);
  EXPECT_TRUE(host.fontRequests[0].bold);
  EXPECT_EQ(host.fontRequests[0].size, 10);
  EXPECT_FALSE(control<FontSample>("lblImageContainerSample").bold());
  EXPECT_EQ(value("usImageDataContainer_size"), 12);
  editor.getValues();
  EXPECT_EQ(record.lightboxStyle, "#000000*#FFFFFF*#FFFFFF*12px Courier, Helvetica, sans-serif*normal*#666666");
}

TEST_F(DialogTest, ACancelledFontDialogKeepsTheFontAndComplainsOnlyWithoutOne) {
  click("cmdWebTitleFont");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(control<FontSample>("lblWebTitle_font_name").fontName(), "Verdana");

  record.webTitleFontName = "";
  editor.setValues();
  click("cmdWebTitleFont");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "No font selected!");
  EXPECT_EQ(host.messages[0].icon, core::MessageIcon::None);
  EXPECT_FALSE(host.messages[0].title.has_value());
}

TEST_F(DialogTest, RestoringTheDefaultsKeepsTheBackgroundImages) {
  record.pageBackImage = "/pics/page.jpg";
  record.cellBackImage = "/pics/cell.gif";
  record.webTitle = "Holiday";
  record.columns = 7;
  editor.setValues();
  click("cmdRestoreDefaults");
  EXPECT_EQ(control<QLineEdit>("txtWebTitle").text(), "My Image Gallery");
  EXPECT_EQ(value("usColumns"), 4);
  EXPECT_EQ(control<QLineEdit>("txtBackGroundImage_0").text(), "/pics/page.jpg");
  EXPECT_EQ(record.cellBackImage, "/pics/cell.gif");
}

TEST_F(DialogTest, LoadingTakesOverTheSettingsOfASettingsOrProjectFile) {
  core::GallerySettings fromFile = record;
  fromFile.webTitle = "From a settings file";
  fromFile.columns = 9;
  const std::string settingsPath = dataFolder.file("mine.vls");
  writeFile(settingsPath, core::serializeSettingsFile(fromFile));
  core::GallerySettings fromProject = record;
  fromProject.webTitle = "From a project";
  const std::string projectPath = dataFolder.file("trip.vlr");
  core::ImageItem image;
  image.sourcePath = "/photos/a.jpg";
  writeFile(projectPath, core::serializeProjectFile(fromProject, {image}));

  host.fileNames = {settingsPath};
  click("cmdSettings_0");
  ASSERT_EQ(host.fileRequests.size(), 1u);
  EXPECT_EQ(host.fileRequests[0].title, "Select settings");
  EXPECT_EQ(host.fileRequests[0].startFolder, dataPath);
  EXPECT_TRUE(host.fileRequests[0].mustExist);
  EXPECT_FALSE(host.fileRequests[0].isSave);
  EXPECT_EQ(record.webTitle, "From a settings file");
  EXPECT_EQ(control<QLineEdit>("txtWebTitle").text(), "From a settings file");
  EXPECT_EQ(value("usColumns"), 9);

  host.fileNames = {projectPath};
  click("cmdSettings_0");
  EXPECT_EQ(control<QLineEdit>("txtWebTitle").text(), "From a project");

  // A file of another kind is refused and changes nothing.
  const std::string other = dataFolder.file("notes.vls");
  writeFile(other, "not settings");
  host.fileNames = {other};
  click("cmdSettings_0");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Invalid file!");
  EXPECT_EQ(host.messages[0].title, other);
  EXPECT_EQ(control<QLineEdit>("txtWebTitle").text(), "From a project");
}

TEST_F(DialogTest, SavingReplacesTheFileWithTheValuesShown) {
  const std::string path = dataFolder.file("saved.vls");
  writeFile(path, std::string(4000, 'x'));
  auto& link = control<QLineEdit>("txtLink");
  link.selectAll();
  QTest::keyClicks(&link, "More");
  host.fileNames = {path};
  click("cmdSettings_1");
  ASSERT_EQ(host.fileRequests.size(), 1u);
  EXPECT_TRUE(host.fileRequests[0].isSave);
  EXPECT_EQ(host.fileRequests[0].filter, "VLR settings files (*.vls;)|*.vls;");
  const auto saved = core::parseSettingsFile(fileBytes(path));
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->defaultLinkText, "More");
  EXPECT_EQ(*saved, record);
}

TEST_F(DialogTest, ABackgroundImageGoesIntoTheRecordAtOnceAndMovesTheSourceFolder) {
  host.fileNames = {"/pictures/sky.jpg"};
  click("cmdBackgroundImage_1");
  ASSERT_EQ(host.fileRequests.size(), 1u);
  EXPECT_EQ(host.fileRequests[0].title, "Select page background image");
  EXPECT_EQ(host.fileRequests[0].startFolder, "/photos");
  EXPECT_EQ(record.cellBackImage, "/pictures/sky.jpg");
  EXPECT_EQ(sourceFolder, "/pictures");
  EXPECT_EQ(control<QLineEdit>("txtBackGroundImage_1").text(), "/pictures/sky.jpg");
}

TEST_F(DialogTest, TheOutputFolderChooserStartsOnTheShownFolder) {
  control<QLineEdit>("txtFolders_1").setText("/out/old");
  click("cmdChooseFolder");
  host.folders = {"/out/new"};
  click("cmdChooseFolder");
  ASSERT_EQ(host.folderRequests.size(), 2u);
  EXPECT_EQ(host.folderRequests[0].title, "Select destination folder for a web gallery");
  EXPECT_EQ(host.folderRequests[0].startFolder, "/out/old");
  EXPECT_EQ(control<QLineEdit>("txtFolders_1").text(), "/out/new");
  EXPECT_EQ(record.destFolder, "/home/user/Documents/VLR/Image Gallery");
}

TEST_F(DialogTest, ChoosingAStyleChangesTheRecordAtOnce) {
  QTest::mouseClick(&control<QRadioButton>("OpStyle_1"), Qt::LeftButton);
  EXPECT_EQ(record.galleryStyle, 1);
  EXPECT_FALSE(control<QCheckBox>("chkAddLink").isVisible());
  QTest::mouseClick(&control<QRadioButton>("OpStyle_2"), Qt::LeftButton);
  EXPECT_EQ(record.galleryStyle, 2);
  EXPECT_TRUE(control<QLineEdit>("txtLink").isVisible());
}

TEST_F(DialogTest, LeavingTheQuickHelpTabWritesTheRecord) {
  auto& home = control<QLineEdit>("txtHomeUrl_0");
  QTest::keyClicks(&home, "www.example.org");
  auto& tabs = control<QTabWidget>("SSTab1");
  tabs.setCurrentIndex(2);
  EXPECT_EQ(record.homeUrl, "");
  tabs.setCurrentIndex(1);
  tabs.setCurrentIndex(0);
  EXPECT_EQ(record.homeUrl, "http://www.example.org");
  EXPECT_EQ(home.text(), "http://www.example.org");
}

class ClosingTest : public EditorTest {};

TEST_F(ClosingTest, EveryWayOfClosingKeepsTheEditsAndRewritesTheDefaultSettings) {
  const std::pair<const char*, std::function<void(frmSettings&)>> ways[] = {
      {"close box", [](frmSettings& window) { window.close(); }},
      {"Exit",
       [](frmSettings& window) { QTest::mouseClick(window.findChild<QPushButton*>("cmdExit"), Qt::LeftButton); }},
  };
  const std::string defaultFile = dataFolder.file("default.vlm");
  for (const auto& [way, close] : ways) {
    writeFile(defaultFile, "old");
    whenShown([&, close = close, way = way] {
      auto& link = control<QLineEdit>("txtLink");
      link.selectAll();
      QTest::keyClicks(&link, way);
      close(dialog());
    });
    editor.show();
    EXPECT_FALSE(editor.isLoaded()) << way;
    EXPECT_EQ(record.defaultLinkText, way);
    const auto saved = core::parseSettingsFile(fileBytes(defaultFile));
    ASSERT_TRUE(saved.has_value()) << way;
    EXPECT_EQ(*saved, record) << way;
  }
}

TEST_F(ClosingTest, TheProgramsEndUnloadsAHiddenDialogWithItsValues) {
  editor.setValues();
  control<QLineEdit>("txtHomeUrl_1").setText("Home");
  EXPECT_FALSE(dialog().isVisible());
  editor.unload();
  EXPECT_FALSE(editor.isLoaded());
  EXPECT_EQ(record.homeCaption, "Home");
  EXPECT_TRUE(std::filesystem::exists(dataFolder.file("default.vlm")));
}

// The close reports that the default settings are too long for the file;
// asked meanwhile to show the window or to unload it, the editor leaves it to
// the close, which ends as it would.
TEST_F(ClosingTest, AShowOrUnloadWhileTheCloseReportsLeavesTheWindowToTheClose) {
  record.webTitle = std::string(70000, 'T');
  host.duringPrompt = [this] {
    editor.show();
    editor.unload();
  };
  whenShown([this] { QTest::mouseClick(&control<QPushButton>("cmdExit"), Qt::LeftButton); });
  editor.show();
  EXPECT_FALSE(editor.isLoaded());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("too long for the file"), std::string::npos);
  EXPECT_EQ(record.webTitle.size(), 70000u);
}

TEST_F(ClosingTest, TheLanguageButtonRelabelsTheDialogAndShowsItAgain) {
  bool hiddenDuringChoice = false;
  onSelectLanguage = [&] {
    hiddenDuringChoice = !dialog().isVisible();
    mlruntime::LanguageSupport languageDialog;
    languageDialog.raiseLanguageChanged(i18n::kGermanDe, "German (Germany)");
  };
  QString caption, tab0, tab2, title;
  std::function<void()> whenBack = [&] {
    if (!dialog().isVisible()) {
      QTimer::singleShot(10, whenBack);
      return;
    }
    caption = dialog().windowTitle();
    auto& tabs = control<QTabWidget>("SSTab1");
    tab0 = tabs.tabText(0);
    tab2 = tabs.tabText(2);
    title = control<QLineEdit>("txtWebTitle").text();
    dialog().close();
  };
  whenShown([&] {
    QTest::mouseClick(&control<QPushButton>("cmdLang"), Qt::LeftButton);
    QTimer::singleShot(0, whenBack);
  });
  editor.show();
  EXPECT_TRUE(hiddenDuringChoice);
  EXPECT_EQ(mainWindowShows, 1);
  EXPECT_EQ(caption, "Einstellungen");
  EXPECT_EQ(tab0, "Einstellungen");
  EXPECT_EQ(tab2, "Lightbox");
  EXPECT_EQ(title, "Meine Bildergalerie");
  EXPECT_EQ(record.webTitle, "Meine Bildergalerie");
  host.stringService.setCurrentLanguage(i18n::kEnglishUk);
}

TEST_F(ClosingTest, ScreenshotsOfEveryTabInBothLanguages) {
  for (const auto& [language, suffix] : {std::pair{i18n::kEnglishUk, "en"}, std::pair{i18n::kGermanDe, "de"}}) {
    editor.unload();
    host.stringService.setCurrentLanguage(language);
    projectFile = "/projects/Holiday.vlr";
    core::setDefaultSettings(record, host.stringService.loadMlString(102), "/home/user/Documents");
    editor.setValues();
    dialog().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog()));
    auto& tabs = control<QTabWidget>("SSTab1");
    for (int tab = 0; tab < 3; ++tab) {
      tabs.setCurrentIndex(tab);
      QApplication::processEvents();
      velvara::testing::saveScreenshot(dialog(), "settings_tab" + std::to_string(tab) + "_" + suffix);
    }
    dialog().hide();
  }
  host.stringService.setCurrentLanguage(i18n::kEnglishUk);
}

}  // namespace
}  // namespace velvara::settings::testing
