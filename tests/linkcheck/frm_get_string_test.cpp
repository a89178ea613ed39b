// The URL dialog: what OK, Cancel and the close box hand back, how the typed
// address is normalised and trimmed, and what joins the remembered addresses.
#include <gtest/gtest.h>

#include "i18n/StringService.h"
#include "linkcheck/frmGetString.h"
#include "platform/mlruntime/LanguageSupport.h"
#include "tests/linkcheck/UrlDialogScript.h"

namespace velvara::linkcheck {
namespace {

using testing::answerNextUrlDialog;
using testing::typeAndPress;

std::vector<std::string> keysOf(const core::KeyedCollection<std::string>& history) {
  std::vector<std::string> keys;
  for (const auto& [key, url] : history) keys.push_back(key);
  return keys;
}

TEST(GetStringTest, HandsBackTheAddressOnlyWhenOkWasPressedOnOne) {
  const auto closeBox = [](frmGetString& dialog) { dialog.close(); };
  const auto keepText = [](frmGetString& dialog) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
  };
  struct Case {
    const char* name;
    std::string value;
    std::function<void(frmGetString&)> act;
    bool result;
    std::string valueAfter;
    std::vector<std::string> remembered;
  };
  const std::vector<Case> cases = {
      {"ok unchanged", "www.a.org/x.html", keepText, true, "http://www.a.org/x.html", {"http://www.a.org/x.html"}},
      {"ok with two backslash pairs",
       "http:\\\\b.org\\\\x.html",
       keepText,
       true,
       "http://b.org//x.html",
       {"http://b.org//x.html"}},
      {"cancel", "www.a.org/x.html", typeAndPress("http://c.org/", "cmdCancel"), false, "www.a.org/x.html", {}},
      {"close box", "www.a.org/x.html", closeBox, false, "www.a.org/x.html", {}},
      // OK hands back what was typed, trimmed, even when that is nothing.
      {"ok on empty", "page.html", typeAndPress("", "cmdOK"), false, "", {}},
      {"ok on blanks", "page.html", typeAndPress("   ", "cmdOK"), false, "", {}},
      // Normalised first, trimmed afterwards: no "http://" before these blanks.
      {"leading blanks", "", typeAndPress("  www.d.org/ ", "cmdOK"), true, "www.d.org/", {"www.d.org/"}},
  };
  i18n::StringService strings;
  strings.setCurrentLanguage(i18n::kEnglishUk);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    core::KeyedCollection<std::string> history;
    frmGetString dialog(history, strings);
    std::string value = c.value;
    const auto opened = answerNextUrlDialog(c.act);
    EXPECT_EQ(dialog.bDoModal(value, "title"), c.result);
    EXPECT_TRUE(*opened);
    EXPECT_EQ(value, c.valueAfter);
    EXPECT_EQ(keysOf(history), c.remembered);
  }
}

TEST(GetStringTest, OffersTheRememberedAddressesAndAddsANewOneOnce) {
  i18n::StringService strings;
  strings.setCurrentLanguage(i18n::kEnglishUk);
  core::KeyedCollection<std::string> history;
  history.add("http://one.org/", "http://one.org/");
  history.add("", "");
  history.add("http://two.org/", "http://two.org/");

  QStringList offered;
  for (const char* typed : {"http://Three.org/a.html", "http://three.org/A.html"}) {
    frmGetString dialog(history, strings);
    std::string value = "x.html";
    answerNextUrlDialog([&offered, typed](frmGetString& shown) {
      offered.clear();
      for (int i = 0; i < testing::urlCombo(shown).count(); ++i) offered << testing::urlCombo(shown).itemText(i);
      typeAndPress(QString::fromLatin1(typed), "cmdOK")(shown);
    });
    EXPECT_TRUE(dialog.bDoModal(value, ""));
    EXPECT_EQ(value, typed);
  }
  EXPECT_EQ(offered, (QStringList{"http://one.org/", "http://two.org/", "http://Three.org/a.html"}));
  EXPECT_EQ(keysOf(history),
            (std::vector<std::string>{"http://one.org/", "", "http://two.org/", "http://Three.org/a.html"}));
}

TEST(GetStringTest, CaptionsFollowTheLanguage) {
  i18n::StringService strings;
  strings.setCurrentLanguage(i18n::kEnglishUk);
  core::KeyedCollection<std::string> history;
  frmGetString dialog(history, strings);
  const auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"));
  EXPECT_EQ(cancel->text(), "Cancel");
  EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("comboURL"))->toolTip(), "Link to website");
  EXPECT_TRUE(dialog.windowTitle().trimmed().isEmpty());
  mlruntime::LanguageSupport announcer;
  announcer.raiseLanguageChanged(i18n::kGermanDe, "German (Germany)");
  EXPECT_EQ(strings.currentLangId(), i18n::kGermanDe);
  EXPECT_EQ(cancel->text(), "Abbrechen");
  EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("comboURL"))->toolTip(), "Link zur Webseite");
  EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(), "OK");
}

}  // namespace
}  // namespace velvara::linkcheck
