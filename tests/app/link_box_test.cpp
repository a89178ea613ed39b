// The edit panel's link box in the main window: it offers the remembered
// addresses, and a link typed into it is stored exactly as typed, whatever
// remembered address it resembles.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <fstream>

#include "app/strip/ThumbnailStrip.h"
#include "core/files/ProjectFileFormat.h"
#include "tests/app/MainWindowFixture.h"
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

}  // namespace
}  // namespace velvara::app::testing
