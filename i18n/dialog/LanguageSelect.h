#pragma once
// The language dialog and the owner of the stored language choice: "LangId",
// "LangName" and "ShowDialog" in the section "MultiLang" of the
// per-application settings area. At start-up showDialog(true) applies and
// announces the stored language and shows the dialog only when the user asked
// to be asked at every start; selectLang() always shows it. Each caller makes
// an instance for one call.
#include <QDialog>
#include <memory>
#include <string>

#include "i18n/StringService.h"
#include "platform/mlruntime/LanguageSupport.h"
#include "platform/registry/AppSettings.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace velvara::i18n {

class LanguageSelect : public QDialog {
  Q_OBJECT

 public:
  // application names the values' place in the settings area: the program's
  // file name without its extension.
  LanguageSelect(StringService& strings, std::string application,
                 registry::AppSettings settings = registry::AppSettings(), QWidget* parent = nullptr);
  ~LanguageSelect() override;

  void showDialog(bool isStartup);
  void selectLang();

  bool askAtStart() const { return askAtStart_; }

 private:
  // Reads and applies the stored language, announces it, reads the
  // ask-at-start flag and fills the list.
  void applyStoredChoice();
  void fillList();
  // OK and a double click on the list.
  void takeChoice();
  // Shows the dialog modally; whichever way it closes, the choice is stored.
  void showAndStore();
  std::string stored(const char* key, const char* defaultValue) const;

  StringService& strings_;
  std::string application_;
  registry::AppSettings settings_;
  std::unique_ptr<mlruntime::LanguageSupport> languageSupport_;
  bool askAtStart_ = false;

  QListWidget* languageList_;
  QPushButton* okButton_;
  QCheckBox* chkShowOnStartup_;
};

}  // namespace velvara::i18n
