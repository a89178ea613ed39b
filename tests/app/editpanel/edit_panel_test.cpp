// The edit panel driven through its own controls: what is shown for the
// selection, what is stored, where Enter goes, and the two Links commands.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/editpanel/EditPanel.h"
#include "tests/support/FakeHost.h"
#include "tests/support/qt/Screenshots.h"

namespace velvara::app {
namespace {

// A selection without a strip: moving it shows the new image in the panel.
struct FakeSelection : SelectionSource {
  std::vector<std::int32_t> selected;
  EditPanel* panel = nullptr;
  std::int32_t count = 0;
  std::int32_t selectedCount() const override { return static_cast<std::int32_t>(selected.size()); }
  std::int32_t firstSelected() const override { return selected.empty() ? -1 : selected.front(); }
  void moveSelection(std::int32_t, std::int32_t to) override {
    if (to < 0 || to >= count) return;
    selected = {to};
    panel->showImageDetails(to);
  }
  void titlesChanged() override {}
};

class EditPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 3; ++i) {
      core::ImageItem image;
      image.sourcePath = "/photos/img" + std::to_string(i) + ".jpg";
      image.title = "Title " + std::to_string(i);
      image.tooltip = "Tip " + std::to_string(i);
      image.linkText = "More";
      project.images.append(image, imagelib::Bitmap());
    }
    project.settings.imageWidth = "750";
    project.settings.imageHeight = "500";
    urlHistory.add("http://example.com/", "http://example.com/");
    selection.count = 3;
    selection.panel = &panel;
    panel.setSelectionSource(selection);
    panel.fillUrlCombo();
    panel.show();
    QApplication::setActiveWindow(&panel);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
  }

  void select(std::vector<std::int32_t> images) {
    selection.selected = std::move(images);
    panel.showImageDetails(selection.firstSelected());
  }
  template <typename W>
  W* child(const char* name) {
    W* widget = panel.findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QLineEdit* field(int i) { return child<QLineEdit>(("txtPhotos_" + std::to_string(i)).c_str()); }

  testing::FakeHost host;
  widgets::CommandGate commands{host};
  core::Project project;
  core::KeyedCollection<std::string> urlHistory;
  FakeSelection selection;
  EditPanel panel{project, urlHistory, host.stringService, host, commands};
};

TEST_F(EditPanelTest, SeveralSelectedShowOnlyTheCountAndStoreNothing) {
  select({0, 2});
  EXPECT_EQ(field(0)->text(), "2 images selected");
  for (int i = 1; i < 4; ++i) {
    EXPECT_TRUE(field(i)->text().isEmpty());
    EXPECT_FALSE(field(i)->isEnabled());
  }
  EXPECT_FALSE(child<QPushButton>("cmdUpdateItem_1")->isEnabled());
  panel.stepImage(true);
  EXPECT_EQ(selection.selected, (std::vector<std::int32_t>{0, 2}));
}

TEST_F(EditPanelTest, UntickingDropsTypedTextAndTheUntickedPanelStoresNothing) {
  select({1});
  QTest::keyClicks(field(1), " changed");
  QTest::mouseClick(child<QCheckBox>("chkAutoUpdate"), Qt::LeftButton);
  EXPECT_EQ(field(1)->text(), "Title 1");
  EXPECT_FALSE(field(1)->isEnabled());
  panel.commitImageDetails();
  EXPECT_EQ(project.images.item(1).title, "Title 1");
}

TEST_F(EditPanelTest, TypedLinkIsNormalisedRememberedAndOfferedAgain) {
  select({0});
  QComboBox* combo = child<QComboBox>("comboURL");
  QTest::keyClicks(combo, "www.velvara.test");
  panel.stepImage(true);
  EXPECT_EQ(project.images.item(0).linkUrl, "http://www.velvara.test");
  EXPECT_TRUE(urlHistory.contains("http://www.velvara.test"));
  EXPECT_EQ(combo->count(), 2);
  EXPECT_EQ(selection.firstSelected(), 1);
  EXPECT_TRUE(combo->currentText().isEmpty());
}

TEST_F(EditPanelTest, ALinkThatIsNoListEntryIsKeptByTheNextStore) {
  project.images.item(2).linkUrl = "http://EXAMPLE.com/";
  select({2});
  EXPECT_EQ(child<QComboBox>("comboURL")->currentText(), "http://EXAMPLE.com/");
  panel.commitImageDetails();
  EXPECT_EQ(project.images.item(2).linkUrl, "http://EXAMPLE.com/");
}

TEST_F(EditPanelTest, OpenModeCaptionsFollowTheDisplayStyle) {
  struct Case {
    core::GalleryStyle style;
    const char* first;
    const char* second;
    bool linkTextShown;
  };
  for (Case c : {Case{core::GalleryStyle::Lightbox, "Open in a new browser window....:  _blank",
                      "Open in the same browser window: _self", true},
                 Case{core::GalleryStyle::Shadowbox, "Open in full screen", "Open in box: 750x500", false},
                 Case{core::GalleryStyle::Simple, "Open in a new browser window....:  _blank",
                      "Open in the same browser window: _self", false}}) {
    project.settings.galleryStyle = static_cast<std::int16_t>(c.style);
    select({0});
    EXPECT_EQ(child<QRadioButton>("opUrlOpen_0")->text(), c.first);
    EXPECT_EQ(child<QRadioButton>("opUrlOpen_1")->text(), c.second);
    EXPECT_EQ(field(3)->isVisible(), c.linkTextShown);
    EXPECT_EQ(child<QLabel>("lblPhotos_4")->isVisible(), c.linkTextShown);
  }
}

TEST_F(EditPanelTest, EnterMovesTheFocusByTheImageLinksSetting) {
  for (std::int16_t links : {1, 0}) {
    project.settings.addImageLinks = links;
    select({0});
    field(1)->setFocus();
    QTest::keyClick(field(1), Qt::Key_Return);
    EXPECT_TRUE(field(2)->hasFocus());
    QTest::keyClick(field(2), Qt::Key_Return);
    QWidget* expected =
        links == 1 ? static_cast<QWidget*>(child<QComboBox>("comboURL")) : child<QPushButton>("cmdUpdateItem_1");
    EXPECT_EQ(QApplication::focusWidget(), expected) << "addImageLinks " << links;
  }
}

TEST_F(EditPanelTest, PreviousOnTheFirstImageStoresAndFocusesTheTitle) {
  select({0});
  QTest::keyClicks(field(1), "!");
  QTest::mouseClick(child<QPushButton>("cmdUpdateItem_0"), Qt::LeftButton);
  EXPECT_EQ(project.images.item(0).title, "Title 0!");
  EXPECT_EQ(selection.firstSelected(), 0);
  EXPECT_TRUE(field(1)->hasFocus());
  QTest::mouseClick(child<QPushButton>("cmdUpdateItem_1"), Qt::LeftButton);
  EXPECT_EQ(selection.firstSelected(), 1);
  EXPECT_EQ(field(1)->text(), "Title 1");
}

TEST_F(EditPanelTest, LinkCommandsActOnEveryImage) {
  select({1});
  project.settings.defaultLinkText = "Details";
  panel.setDefaultLinkTextOnAllImages();
  for (const auto& image : project.images.items()) EXPECT_EQ(image.linkText, "Details");
  EXPECT_EQ(field(3)->text(), "Details");

  host.texts = {std::string("   ")};
  panel.addLinkToAllImages("Add link to image");
  ASSERT_EQ(host.textRequests.size(), 1u);
  EXPECT_EQ(host.textRequests[0].prompt, "Enter default website link:");
  EXPECT_EQ(host.textRequests[0].title, "Add link to image");
  for (const auto& image : project.images.items()) EXPECT_EQ(image.linkUrl, "   ");
  EXPECT_EQ(urlHistory.size(), 1u);

  host.texts = {std::nullopt};
  panel.addLinkToAllImages("Add link to image");
  EXPECT_EQ(project.images.item(0).linkUrl, "   ");
}

TEST_F(EditPanelTest, Screenshots) {
  select({1});
  testing::saveScreenshot(panel, "edit_panel_en");
  host.stringService.setCurrentLanguage(i18n::kGermanDe);
  panel.applyLanguage();
  select({0, 1});
  testing::saveScreenshot(panel, "edit_panel_de_two_selected");
  select({1});
  testing::saveScreenshot(panel, "edit_panel_de");
}

}  // namespace
}  // namespace velvara::app
