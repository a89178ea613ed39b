// What a screen reader reads in the program's windows, in English and in
// German after the language is switched: every control it reaches has a name
// (never a control's code name), no two text fields of a window share one,
// the frames and bars that show no caption are named in the current
// language, and every description is the one the window gives in that
// language when the program starts in it. Each window is opened the way the
// user opens it.
#include <gmock/gmock.h>

#include <QAccessible>
#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <map>

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

// What a screen reader reads as descriptions, by the place of each control:
// the code names, roles and child numbers on the way down to it.
using Descriptions = std::map<std::string, std::string>;

// Adds the descriptions of window and everything below it to found.
void readDescriptions(QWidget& window, Descriptions& found) {
  std::function<void(QAccessibleInterface*, const QString&)> walk = [&](QAccessibleInterface* node,
                                                                        const QString& place) {
    const QString description = node->text(QAccessible::Description);
    if (!description.isEmpty()) found[place.toStdString()] = description.toStdString();
    for (int i = 0; i < node->childCount(); ++i) {
      QAccessibleInterface* child = node->child(i);
      if (child == nullptr) continue;
      const QObject* object = child->object();
      walk(child, QStringLiteral("%1/%2 %3 %4")
                      .arg(place, object ? object->objectName() : QString())
                      .arg(static_cast<int>(child->role()))
                      .arg(i));
    }
  };
  walk(QAccessible::queryAccessibleInterface(&window), window.objectName());
}

std::string nameOf(const QWidget* widget) { return widget->accessibleName().toStdString(); }

template <typename W>
W& child(QWidget& parent, const char* name) {
  W* found = parent.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return *found;
}

TEST_F(AccessibleNamesTest, EveryControlHasAPersonsNameInTheCurrentLanguage) {
  const auto startWindow = [this] {
    Form1& window = start({writeProject("trip.vlr", 2, true)});
    data_.project.images.item(0).linkUrl = "http://127.0.0.1/page.html";
    window.setLinkChecker([this] {
      linkcheck::frmVerifyLinks checker(data_.project, data_.urlHistory, strings_, "http://127.0.0.1:9/", nullptr,
                                        window_.get());
      checker.doModal();
    });
    return &window;
  };
  Form1* window = startWindow();
  std::vector<std::string> problems;
  // The reading that check adds each window's descriptions to.
  Descriptions* described = nullptr;
  const auto check = [&problems, &described](QWidget& shown) {
    const auto found = namingProblems(shown);
    problems.insert(problems.end(), found.begin(), found.end());
    readDescriptions(shown, *described);
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
  // Every window, each opened as the user opens it.
  const auto checkEveryWindow = [&](int language) {
    check(*window);
    stripNames[language] = nameOf(window->controls().pbOuter);
    checkModal(
        "frmSettings", [&] { window->menus().mnuSettings->trigger(); }, "cmdExit",
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
        "frmAbout", [&] { window->menus().mnuAbout->trigger(); }, "cmdOK");
    // The link checker edits a page's address in the URL dialog.
    checkModal(
        "frmVerifyLinks", [&] { window->menus().mnuLink_verify->trigger(); }, "cmdExit",
        [&](QWidget& checker) {
          auto& list = child<QTreeWidget>(checker, "ListView1");
          const auto rows = list.findItems("page.html", Qt::MatchEndsWith, 1);
          ASSERT_EQ(rows.size(), 1);
          QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(rows[0]).center());
          checkModal(
              "frmGetString", [&] { QTest::mouseClick(&child<QPushButton>(checker, "cmdEdit"), Qt::LeftButton); },
              "cmdCancel");
        });
  };

  // Started in English, then switched to German and back.
  std::map<int, Descriptions> switched;
  for (const int language : {i18n::kEnglishUk, i18n::kGermanDe, i18n::kEnglishUk}) {
    SCOPED_TRACE(language);
    announcer.raiseLanguageChanged(language, i18n::StringService::languageDisplayName(language));
    Descriptions read;
    described = &read;
    checkEveryWindow(language);
    if (switched.count(language)) {
      EXPECT_THAT(read, ::testing::ContainerEq(switched[language])) << "back in English";
    }
    switched[language] = read;
  }
  EXPECT_EQ(problems, std::vector<std::string>{});
  EXPECT_EQ(stripNames[i18n::kEnglishUk], "Thumbnail strip");
  EXPECT_EQ(stripNames[i18n::kGermanDe], "Bildleiste");
  EXPECT_EQ(cellHeightNames[i18n::kEnglishUk], "Cell height");
  EXPECT_EQ(cellHeightNames[i18n::kGermanDe], "Zellenhöhe");

  // Started in German: every description reads as after the switch.
  window_.reset();
  strings_.setCurrentLanguage(i18n::kGermanDe);
  window = startWindow();
  Descriptions startedInGerman;
  described = &startedInGerman;
  checkEveryWindow(i18n::kGermanDe);
  EXPECT_THAT(startedInGerman, ::testing::ContainerEq(switched[i18n::kGermanDe]));
}

}  // namespace
}  // namespace velvara::app::testing
