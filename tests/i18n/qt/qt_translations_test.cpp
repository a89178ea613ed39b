// Qt's own texts follow the program's language: chosen in the language
// dialog as the user chooses it, seen in the program's real message boxes and
// file dialogs (the prompt seam's Qt side).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "i18n/dialog/LanguageSelect.h"
#include "i18n/qt/QtTranslations.h"
#include "platform/registry/Store.h"
#include "tests/support/TempDir.h"
#include "tests/support/qt/ModalAnswer.h"
#include "widgets/prompt/QtPrompts.h"

namespace velvara::i18n {
namespace {

constexpr const char* kApplication = "velvara";

std::string withoutMnemonic(QString text) { return text.remove(QLatin1Char('&')).toStdString(); }

// The captions of a Yes/No question's buttons, as the user sees them.
std::string questionButtons() {
  std::string captions;
  velvara::testing::whenModalOpens([&captions](QWidget& modal) {
    auto& box = dynamic_cast<QMessageBox&>(modal);
    captions = withoutMnemonic(box.button(QMessageBox::Yes)->text()) + " " +
               withoutMnemonic(box.button(QMessageBox::No)->text());
    QTest::mouseClick(box.button(QMessageBox::No), Qt::LeftButton);
  });
  widgets::QtPrompts prompts;
  prompts.showMessage({core::MessageIcon::Question, core::MessageButtons::YesNo, std::nullopt, "Are you sure?"});
  return captions;
}

// The caption of the open dialog's cancel button.
std::string fileDialogCancel() {
  std::string caption;
  velvara::testing::whenModalOpens([&caption](QWidget& modal) {
    QPushButton* cancel = modal.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
    caption = withoutMnemonic(cancel->text());
    QTest::mouseClick(cancel, Qt::LeftButton);
  });
  widgets::QtPrompts prompts;
  core::FileDialogRequest request;
  request.title = "Select project";
  prompts.askFileName(request);
  return caption;
}

TEST(QtTranslations, QtsTextsSwitchWithTheLanguageChosenInTheLanguageDialog) {
  velvara::testing::TempDir dir;
  const registry::AppSettings settings(registry::Store(dir.file("registry")));
  settings.saveSetting(kApplication, "MultiLang", "LangId", "1031");
  settings.saveSetting(kApplication, "MultiLang", "ShowDialog", "0");
  StringService strings;
  QtTranslations qtTranslations;

  // Start-up applies the stored German.
  LanguageSelect(strings, kApplication, settings).showDialog(true);
  EXPECT_EQ(questionButtons(), "Ja Nein");
  EXPECT_EQ(fileDialogCancel(), "Abbrechen");

  // The user picks English in the dialog.
  velvara::testing::whenModalOpens([](QWidget& dialog) {
    auto* list = dialog.findChild<QListWidget*>("LanguageList");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QTest::mouseClick(dialog.findChild<QPushButton*>("OkButton"), Qt::LeftButton);
  });
  LanguageSelect(strings, kApplication, settings).selectLang();
  ASSERT_EQ(strings.currentLangId(), kEnglishUk);
  EXPECT_EQ(questionButtons(), "Yes No");
  EXPECT_EQ(fileDialogCancel(), "Cancel");

  // An unsupported stored language is English for Qt's texts too.
  qtTranslations.apply(kGermanDe);
  qtTranslations.apply(1033);
  EXPECT_EQ(questionButtons(), "Yes No");
}

}  // namespace
}  // namespace velvara::i18n
