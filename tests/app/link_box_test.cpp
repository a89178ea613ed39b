// The edit panel's link box in the main window: it offers the remembered
// addresses, and a link typed into it is stored exactly as typed, whatever
// remembered address it resembles. Texts of any length, in the panel and in
// the settings window, are stored whole.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "app/strip/ThumbnailStrip.h"
#include "core/files/ProjectFileFormat.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/qt/ModalAnswer.h"
#include "widgets/slide/usSlide.h"

namespace velvara::app::testing {
namespace {

class LinkBoxTest : public MainWindowFixture {
 protected:
  void click(int index) {
    widgets::usSlide* cell = window_->strip().cell(index);
    QTest::mouseClick(cell, Qt::LeftButton, {}, cell->rect().center());
  }
  // Replaces the link box's text key by key, as a user types it.
  void typeLink(const QString& text) {
    QLineEdit& edit = *window_->controls().comboURL->lineEdit();
    QTest::mouseClick(&edit, Qt::LeftButton);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClicks(&edit, text);
  }
};

TEST_F(LinkBoxTest, ATypedLinkIsStoredAsTypedBesideRememberedOnes) {
  const std::string path = writeProject("links.vlr", 3);
  core::GallerySettings settings;
  core::setDefaultSettings(settings, "Links", "");
  std::vector<core::ImageItem> images;
  for (int i = 1; i <= 3; ++i) {
    core::ImageItem image;
    image.sourcePath = dir_.file("photo" + std::to_string(i) + ".jpg");
    images.push_back(image);
  }
  images[0].linkUrl = "http://e.test/Page.HTML";
  images[1].linkUrl = "http://e.test/long/path.html";
  std::ofstream(path, std::ios::binary) << core::serializeProjectFile(settings, images);
  Form1& window = start();
  prompts_.fileNames = {path};
  window.menus().mnuOpenProject->trigger();
  ASSERT_EQ(data_.project.images.count(), 3);
  QComboBox& combo = *window.controls().comboURL;
  ASSERT_EQ(combo.count(), 2);

  // Another letter case than a remembered address, and the start of one.
  for (const std::string typed : {"http://e.test/page.html", "http://e.test/long"}) {
    SCOPED_TRACE(typed);
    click(2);
    typeLink(QString::fromStdString(typed));
    EXPECT_EQ(combo.currentText().toStdString(), typed);
    // Selecting another image stores the panel.
    click(0);
    EXPECT_EQ(data_.project.images.item(2).linkUrl, typed);
    EXPECT_EQ(data_.project.images.item(0).linkUrl, "http://e.test/Page.HTML");
  }
  // A new address joins the list once; those differing only in case do not.
  EXPECT_EQ(combo.count(), 3);
  EXPECT_EQ(combo.itemText(2), "http://e.test/long");
}

// A text file or project may hold texts longer than the 32,767 characters a
// text field takes by default; showing them in a field and storing them
// again keeps every character.
TEST_F(LinkBoxTest, LongTextsSurviveThePanelAndTheSettingsWindow) {
  const std::string text(40000, 'x');
  const std::string path = writeProject("long.vlr", 2);
  core::GallerySettings settings;
  core::setDefaultSettings(settings, text, "");
  settings.homeUrl = "http://127.0.0.1/" + text;
  settings.homeCaption = settings.defaultLinkText = text;
  settings.destFolder = settings.pageBackImage = settings.cellBackImage = "/" + text;
  std::vector<core::ImageItem> images(2);
  for (int i = 0; i < 2; ++i) images[i].sourcePath = dir_.file("photo" + std::to_string(i + 1) + ".jpg");
  images[0].title = images[0].tooltip = images[0].linkText = text;
  images[0].linkUrl = "http://127.0.0.1/" + text;
  std::ofstream(path, std::ios::binary) << core::serializeProjectFile(settings, images);
  Form1& window = start();
  prompts_.fileNames = {path};
  window.menus().mnuOpenProject->trigger();
  ASSERT_EQ(data_.project.images.count(), 2);

  click(0);
  click(1);
  const core::ImageItem& stored = data_.project.images.item(0);
  const std::vector<std::size_t> panelLengths = {stored.title.size(), stored.tooltip.size(), stored.linkText.size(),
                                                 stored.linkUrl.size()};
  EXPECT_EQ(panelLengths, (std::vector<std::size_t>{40000, 40000, 40000, 40017}));
  velvara::testing::whenModalOpens(
      [](QWidget& dialog) { QTest::mouseClick(dialog.findChild<QPushButton*>("cmdExit"), Qt::LeftButton); });
  window.menus().mnuSettings->trigger();
  const core::GallerySettings& kept = data_.project.settings;
  const std::vector<std::size_t> settingsLengths = {
      kept.webTitle.size(),   kept.homeUrl.size(),       kept.homeCaption.size(),  kept.defaultLinkText.size(),
      kept.destFolder.size(), kept.pageBackImage.size(), kept.cellBackImage.size()};
  EXPECT_EQ(settingsLengths, (std::vector<std::size_t>{40000, 40017, 40000, 40000, 40001, 40001, 40001}));
  EXPECT_TRUE(prompts_.messages.empty());
}

}  // namespace
}  // namespace velvara::app::testing
