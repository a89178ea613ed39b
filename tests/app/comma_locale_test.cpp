// Numbers with a fraction under a locale whose decimal separator is a comma:
// the settings window may show the user's separator, but the record, the
// project and settings files and the gallery's style sheet keep the point
// that browsers and other copies of the program read.
#include <QAction>
#include <QCheckBox>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "core/files/ProjectFileFormat.h"
#include "core/files/SettingsFileFormat.h"
#include "tests/app/MainWindowFixture.h"

namespace velvara::app::testing {
namespace {

std::vector<std::uint8_t> fileBytes(const std::string& path) {
  const std::string text = fileText(path);
  return {text.begin(), text.end()};
}

class CommaLocaleTest : public MainWindowFixture {
 protected:
  CommaLocaleTest() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
  ~CommaLocaleTest() override { QLocale::setDefault(userLocale_); }

 private:
  QLocale userLocale_;
};

TEST_F(CommaLocaleTest, FractionsReachTheFilesAndTheStyleSheetWithAPoint) {
  ASSERT_EQ(QLocale().decimalPoint(), ",");
  const std::string path = writeProject("fractions.vlr", 2);
  auto contents = core::parseProjectFile(fileBytes(path));
  ASSERT_TRUE(contents.has_value());
  contents->settings.thumbBorderWidth = "1.5";
  contents->settings.titleFontSize = "12.5px";
  std::ofstream(path, std::ios::binary) << core::serializeProjectFile(contents->settings, contents->images);

  Form1& window = start();
  prompts_.fileNames = {path};
  window.menus().mnuOpenProject->trigger();
  window.menus().mnuSaveProject->trigger();
  const auto saved = core::parseProjectFile(fileBytes(path));
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->settings.thumbBorderWidth, "1.5");
  EXPECT_EQ(saved->settings.titleFontSize, "12.5");

  QTest::mouseClick(window.controls().chkHtmlOnly, Qt::LeftButton);
  QTest::mouseClick(window.controls().cmdMakeGallery, Qt::LeftButton);
  const std::string css = fileText(galleryFolder() + "/library/ktvlr.css");
  EXPECT_NE(css.find("img.eImage {border:1.5px solid;"), std::string::npos) << css;
  EXPECT_NE(css.find("font:12.5px "), std::string::npos) << css;

  window.close();
  const auto defaults = core::parseSettingsFile(fileBytes(dataFolder() + "/default.vlm"));
  ASSERT_TRUE(defaults.has_value());
  EXPECT_EQ(defaults->thumbBorderWidth, "1.5");
  EXPECT_EQ(defaults->titleFontSize, "12.5");
}

}  // namespace
}  // namespace velvara::app::testing
