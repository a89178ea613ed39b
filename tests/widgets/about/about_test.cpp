// The About window: its credits, links through the shell, Close, and its
// captions following a language change while it is open.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "platform/mlruntime/LanguageSupport.h"
#include "tests/support/FakeHost.h"
#include "tests/support/qt/ModalAnswer.h"
#include "tests/support/qt/Screenshots.h"
#include "widgets/about/frmAbout.h"

namespace velvara::widgets {
namespace {

QString textOf(QWidget& window, const QString& name) {
  QWidget* control = window.findChild<QWidget*>(name);
  EXPECT_NE(control, nullptr) << name.toStdString();
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* button = qobject_cast<QPushButton*>(control)) return button->text();
  return {};
}

class AboutTest : public ::testing::Test {
 protected:
  ~AboutTest() override { host.stringService.setCurrentLanguage(i18n::kEnglishUk); }
  testing::FakeHost host;
};

TEST_F(AboutTest, ALanguageChangeReloadsTheTranslatedCaptionsOnly) {
  frmAbout window(host.stringService, host);
  window.show();
  const QStringList names = {
      "Label1",           "lblInfo_1",        "lblAuthor_0",      "lblAuthor_1",      "lblLightBoxUrl_0",
      "lblLightBoxUrl_1", "lblLightBoxUrl_2", "lblLightBoxUrl_3", "lblLightBoxUrl_4", "cmdOK"};
  QStringList english;
  for (const QString& name : names) english << textOf(window, name);
  EXPECT_EQ(window.windowTitle(), "  About Velvara");
  EXPECT_EQ(english[0], "Velvara v.1.1.1.");
  EXPECT_TRUE(english[1].contains("libvips")) << english[1].toStdString();
  EXPECT_FALSE(english[1].contains("Gfl"));
  EXPECT_EQ(english[5], "libvips");
  EXPECT_EQ(english[9], "Close");

  mlruntime::LanguageSupport announcer;
  announcer.raiseLanguageChanged(i18n::kGermanDe, "German (Germany)");
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8(" Über Velvara"));
  const QSet<int> translated = {1, 3, 6, 7, 9};
  for (int i = 0; i < names.size(); ++i) {
    SCOPED_TRACE(names[i].toStdString());
    const QString german = textOf(window, names[i]);
    EXPECT_EQ(german != english[i], translated.contains(i)) << german.toStdString();
    EXPECT_EQ(window.findChild<QWidget*>(names[i])->accessibleName(), german);
  }
}

TEST_F(AboutTest, LinksOpenTheirPagesThroughTheShellAndLeaveTheWindowOpen) {
  frmAbout window(host.stringService, host, nullptr, "https://home.test/velvara/");
  window.show();
  for (int i = 0; i < 5; ++i) {
    QTest::mouseClick(window.findChild<QWidget*>(QString("lblLightBoxUrl_%1").arg(i)), Qt::LeftButton);
  }
  EXPECT_TRUE(window.isVisible());
  ASSERT_EQ(host.openedDocuments.size(), 5u);
  EXPECT_EQ(host.openedDocuments[1], "https://www.libvips.org/");
  EXPECT_EQ(host.openedDocuments[2], "https://home.test/velvara/") << "the author's gallery";
  EXPECT_EQ(host.openedDocuments[3], "https://home.test/velvara/");
  for (const std::string& page : host.openedDocuments) EXPECT_EQ(page.rfind("http", 0), 0u) << page;
}

// A build that names no home page shows the two labels that would lead there
// as plain text: no link look, no focus stop, nothing opened on a click or a
// key; the other three stay links.
TEST_F(AboutTest, WithoutAHomePageItsTwoLabelsArePlainText) {
  frmAbout window(host.stringService, host, nullptr, "");
  window.show();
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    auto* label = window.findChild<QLabel*>(QString("lblLightBoxUrl_%1").arg(i));
    ASSERT_NE(label, nullptr);
    const bool link = i != 2 && i != 3;
    EXPECT_EQ(label->font().underline(), link);
    EXPECT_EQ(label->focusPolicy() != Qt::NoFocus, link);
    EXPECT_EQ(label->toolTip().isEmpty(), !link);
    EXPECT_FALSE(label->text().isEmpty());
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::keyClick(label, Qt::Key_Return);
  }
  EXPECT_EQ(host.openedDocuments, (std::vector<std::string>{"http://prototypejs.org/", "http://prototypejs.org/",
                                                            "https://www.libvips.org/", "https://www.libvips.org/",
                                                            "http://script.aculo.us/", "http://script.aculo.us/"}));
}

TEST_F(AboutTest, CloseEndsTheModalShowingInEitherLanguage) {
  for (const int language : {i18n::kEnglishUk, i18n::kGermanDe}) {
    host.stringService.setCurrentLanguage(language);
    bool shown = false;
    testing::whenModalOpens([&](QWidget& window) {
      shown = true;
      testing::saveScreenshot(window, language == i18n::kEnglishUk ? "about_en" : "about_de");
      QTest::mouseClick(window.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    frmAbout::showModal(host.stringService, host, nullptr);
    EXPECT_TRUE(shown);
  }
}

}  // namespace
}  // namespace velvara::widgets
