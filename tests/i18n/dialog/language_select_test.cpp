// The language dialog at start-up and from the settings dialog: which
// language the program starts in, when the dialog shows, and what it stores.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "i18n/dialog/LanguageSelect.h"
#include "platform/registry/Store.h"
#include "tests/support/TempDir.h"
#include "tests/support/qt/Screenshots.h"

namespace velvara::i18n {
namespace {

constexpr const char* kApplication = "velvara";

class LanguageSelectTest : public ::testing::Test {
 protected:
  registry::AppSettings settings() const { return registry::AppSettings(registry::Store(dir_.file("registry"))); }
  std::string stored(const char* key) const { return settings().getSetting(kApplication, "MultiLang", key, "<none>"); }
  void store(const char* key, const char* value) const {
    settings().saveSetting(kApplication, "MultiLang", key, value);
  }

  // Runs act on the dialog once it is shown modally; counts the showings.
  void whenShown(std::function<void(LanguageSelect&)> act) {
    auto* timer = new QTimer(&owner_);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [this, timer, act] {
      auto* dialog = qobject_cast<LanguageSelect*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      timer->stop();
      ++showings_;
      act(*dialog);
    });
    timer->start();
  }

  static QListWidget& list(LanguageSelect& dialog) { return *dialog.findChild<QListWidget*>("LanguageList"); }
  static QCheckBox& checkBox(LanguageSelect& dialog) { return *dialog.findChild<QCheckBox*>("chkShowOnStartup"); }
  static void pressOk(LanguageSelect& dialog) {
    QTest::mouseClick(dialog.findChild<QPushButton*>("OkButton"), Qt::LeftButton);
  }

  testing::TempDir dir_;
  QObject owner_;
  int showings_ = 0;
  StringService strings_;
};

TEST_F(LanguageSelectTest, FirstStartShowsTheDialogOnEnglishAndStoresTheChoice) {
  whenShown([](LanguageSelect& dialog) {
    EXPECT_EQ(list(dialog).count(), 2);
    EXPECT_EQ(list(dialog).item(0)->text(), "English");
    EXPECT_EQ(list(dialog).item(1)->text(), "Deutsch");
    EXPECT_EQ(list(dialog).currentRow(), 0);
    EXPECT_TRUE(checkBox(dialog).isChecked());
    EXPECT_EQ(dialog.windowTitle(), "Select Language");
    velvara::testing::saveScreenshot(dialog, "language_select");
    pressOk(dialog);
  });
  LanguageSelect(strings_, kApplication, settings()).showDialog(true);
  EXPECT_EQ(showings_, 1);
  EXPECT_EQ(strings_.currentLangId(), kEnglishUk);
  EXPECT_EQ(stored("LangId"), "2057");
  EXPECT_EQ(stored("LangName"), "English (United Kingdom)");
  EXPECT_EQ(stored("ShowDialog"), "-1");
}

TEST_F(LanguageSelectTest, StoredGermanWithoutAskingStartsGermanSilentlyAndWritesNothing) {
  store("LangId", "1031");
  store("ShowDialog", "0");
  mlruntime::LanguageSupport listener([](int, const std::string&) {});
  int announced = 0;
  listener.setHandler([&](int langId, const std::string&) { announced = langId; });
  LanguageSelect(strings_, kApplication, settings()).showDialog(true);
  EXPECT_EQ(showings_, 0);
  EXPECT_EQ(strings_.currentLangId(), kGermanDe);
  EXPECT_EQ(announced, kGermanDe);
  EXPECT_EQ(stored("LangName"), "<none>");
  EXPECT_EQ(stored("LangId"), "1031");
}

TEST_F(LanguageSelectTest, UnsupportedOrDamagedStoredLanguageStartsEnglishWithTheEnglishRow) {
  for (const char* langId : {"1033", "abc"}) {
    SCOPED_TRACE(langId);
    strings_.setCurrentLanguage(kGermanDe);
    store("LangId", langId);
    whenShown([](LanguageSelect& dialog) {
      EXPECT_EQ(list(dialog).currentRow(), 0);
      pressOk(dialog);
    });
    LanguageSelect(strings_, kApplication, settings()).showDialog(true);
    EXPECT_EQ(strings_.currentLangId(), kEnglishUk);
    EXPECT_EQ(stored("LangId"), "2057");
  }
}

TEST_F(LanguageSelectTest, ChoosingGermanAndClearingTheBoxAnnouncesAndStoresIt) {
  std::vector<int> announced;
  mlruntime::LanguageSupport listener([&](int langId, const std::string&) { announced.push_back(langId); });
  whenShown([](LanguageSelect& dialog) {
    QListWidget& rows = list(dialog);
    QTest::mouseClick(rows.viewport(), Qt::LeftButton, {}, rows.visualItemRect(rows.item(1)).center());
    QTest::mouseClick(&checkBox(dialog), Qt::LeftButton);
    pressOk(dialog);
  });
  LanguageSelect(strings_, kApplication, settings()).selectLang();
  EXPECT_EQ(strings_.currentLangId(), kGermanDe);
  EXPECT_EQ(announced, (std::vector<int>{kEnglishUk, kGermanDe}));
  EXPECT_EQ(stored("LangId"), "1031");
  EXPECT_EQ(stored("LangName"), "German (Germany)");
  EXPECT_EQ(stored("ShowDialog"), "0");
  // The next start asks no more.
  LanguageSelect(strings_, kApplication, settings()).showDialog(true);
  EXPECT_EQ(showings_, 1);
}

// A screen reader selects a row without making it the list's current row;
// OK takes the selected row all the same.
TEST_F(LanguageSelectTest, ARowSelectedByAScreenReaderIsTheChoice) {
  whenShown([](LanguageSelect& dialog) {
    QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(&list(dialog));
    QAccessibleInterface* german = nullptr;
    for (int i = 0; i < rows->childCount(); ++i) {
      if (rows->child(i)->text(QAccessible::Name) == "Deutsch") german = rows->child(i);
    }
    ASSERT_NE(german, nullptr);
    german->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    ASSERT_TRUE(list(dialog).item(1)->isSelected());
    pressOk(dialog);
    if (QApplication::activeModalWidget() == &dialog) dialog.close();
  });
  LanguageSelect(strings_, kApplication, settings()).selectLang();
  EXPECT_EQ(strings_.currentLangId(), kGermanDe);
  EXPECT_EQ(stored("LangId"), "1031");
}

TEST_F(LanguageSelectTest, ClosingByTheCloseBoxWritesTheCurrentChoiceBackUnchanged) {
  store("LangId", "1031");
  store("ShowDialog", "-1");
  whenShown([](LanguageSelect& dialog) {
    QListWidget& rows = list(dialog);
    QTest::mouseClick(rows.viewport(), Qt::LeftButton, {}, rows.visualItemRect(rows.item(0)).center());
    dialog.close();
  });
  LanguageSelect(strings_, kApplication, settings()).selectLang();
  EXPECT_EQ(strings_.currentLangId(), kGermanDe);
  EXPECT_EQ(stored("LangId"), "1031");
  EXPECT_EQ(stored("LangName"), "German (Germany)");
  EXPECT_EQ(stored("ShowDialog"), "-1");
}

}  // namespace
}  // namespace velvara::i18n
