// What a screen reader reads in the program's windows, in English and in
// German after the language is switched: every control it reaches has a name
// (never a control's code name), no two text fields of a window share one,
// and the frames and bars that show no caption are named in the current
// language. Each window is opened the way the user opens it.
#include <QAccessible>
#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/MainHost.h"
#include "i18n/StringService.h"
#include "linkcheck/frmVerifyLinks.h"
#include "platform/mlruntime/LanguageSupport.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/qt/ModalAnswer.h"

namespace velvara::app::testing {
namespace {

using AccessibleNamesTest = MainWindowFixture;

// Roles a screen reader reads as controls or as the frames that hold them.
bool mustBeNamed(QAccessible::Role role) {
  switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::ScrollBar:
    case QAccessible::ProgressBar:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::Grouping:
    case QAccessible::Border:
    case QAccessible::Graphic:
    case QAccessible::PageTabList:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
      return true;
    default:
      return false;
  }
}

QString describe(QAccessibleInterface& node) {
  const QObject* object = node.object();
  return QStringLiteral("%1 %2 \"%3\"")
      .arg(static_cast<int>(node.role()))
      .arg(object ? object->objectName() : QString())
      .arg(node.text(QAccessible::Name));
}

// The naming faults in window and everything below it.
std::vector<std::string> namingProblems(QWidget& window) {
  QSet<QString> codeNames;
  for (const QObject* child : window.findChildren<QObject*>()) {
    if (!child->objectName().isEmpty()) codeNames.insert(child->objectName());
  }
  std::vector<std::string> problems;
  QMap<QString, int> fieldNames;
  std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
    if (node == nullptr) return;
    const QString name = node->text(QAccessible::Name).trimmed();
    const QString where = window.objectName() + ": " + describe(*node);
    if (mustBeNamed(node->role()) && name.isEmpty()) problems.push_back((where + " has no name").toStdString());
    if (codeNames.contains(name)) problems.push_back((where + " is named by a code name").toStdString());
    if (node->role() == QAccessible::EditableText && ++fieldNames[name] == 2) {
      problems.push_back((where + " shares its name with another field").toStdString());
    }
    for (int i = 0; i < node->childCount(); ++i) walk(node->child(i));
  };
  walk(QAccessible::queryAccessibleInterface(&window));
  return problems;
}

std::string nameOf(const QWidget* widget) { return widget->accessibleName().toStdString(); }

template <typename W>
W& child(QWidget& parent, const char* name) {
  W* found = parent.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return *found;
}

TEST_F(AccessibleNamesTest, EveryControlHasAPersonsNameInTheCurrentLanguage) {
  Form1& window = start({writeProject("trip.vlr", 2, true)});
  data_.project.images.item(0).linkUrl = "http://127.0.0.1/page.html";
  window.setLinkChecker([this] {
    linkcheck::frmVerifyLinks checker(data_.project, data_.urlHistory, strings_, "http://127.0.0.1:9/", nullptr,
                                      window_.get());
    checker.doModal();
  });
  std::vector<std::string> problems;
  const auto check = [&problems](QWidget& shown) {
    const auto found = namingProblems(shown);
    problems.insert(problems.end(), found.begin(), found.end());
  };
  // Opens a modal window by trigger, checks it and closes it by its button.
  const auto checkModal = [&](const char* name, const std::function<void()>& trigger, const char* closeButton,
                              const std::function<void(QWidget&)>& inside = {}) {
    bool seen = false;
    velvara::testing::whenModalOpens(
        [&](QWidget& modal) {
          seen = true;
          check(modal);
          if (inside) inside(modal);
          QTest::mouseClick(&child<QPushButton>(modal, closeButton), Qt::LeftButton);
        },
        name);
    trigger();
    EXPECT_TRUE(seen) << name;
  };
  mlruntime::LanguageSupport announcer;
  std::map<int, std::string> stripNames;
  std::map<int, std::string> cellHeightNames;

  for (const int language : {i18n::kEnglishUk, i18n::kGermanDe}) {
    SCOPED_TRACE(language);
    announcer.raiseLanguageChanged(language, i18n::StringService::languageDisplayName(language));
    check(window);
    stripNames[language] = nameOf(window.controls().pbOuter);

    checkModal(
        "frmSettings", [&] { window.menus().mnuSettings->trigger(); }, "cmdExit",
        [&](QWidget& settings) {
          cellHeightNames[language] = nameOf(settings.findChild<QWidget*>("usSlideSize_1"));
          // A colour button opens the colour dialog, whose HTML button opens
          // the web palette.
          checkModal(
              "frmHexaColor",
              [&] { QTest::mouseClick(&child<QPushButton>(settings, "cmdBackground_color"), Qt::LeftButton); },
              "cmdCancel",
              [&](QWidget& colors) {
                checkModal(
                    "frmWebColors",
                    [&] { QTest::mouseClick(&child<QPushButton>(colors, "cmdChooseColor_1"), Qt::LeftButton); },
                    "cmdCancel");
              });
        });
    checkModal(
        "frmAbout", [&] { window.menus().mnuAbout->trigger(); }, "cmdOK");
    // The link checker edits a page's address in the URL dialog.
    checkModal(
        "frmVerifyLinks", [&] { window.menus().mnuLink_verify->trigger(); }, "cmdExit",
        [&](QWidget& checker) {
          auto& list = child<QTreeWidget>(checker, "ListView1");
          const auto rows = list.findItems("page.html", Qt::MatchEndsWith, 1);
          ASSERT_EQ(rows.size(), 1);
          QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(rows[0]).center());
          checkModal(
              "frmGetString", [&] { QTest::mouseClick(&child<QPushButton>(checker, "cmdEdit"), Qt::LeftButton); },
              "cmdCancel");
        });
  }
  EXPECT_EQ(problems, std::vector<std::string>{});
  EXPECT_EQ(stripNames[i18n::kEnglishUk], "Thumbnail strip");
  EXPECT_EQ(stripNames[i18n::kGermanDe], "Bildleiste");
  EXPECT_EQ(cellHeightNames[i18n::kEnglishUk], "Cell height");
  EXPECT_EQ(cellHeightNames[i18n::kGermanDe], "Zellenhöhe");
}

}  // namespace
}  // namespace velvara::app::testing
