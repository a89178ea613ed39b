#pragma once
// The small dialog that asks for one web address: typed, or picked from the
// remembered addresses.
#include <QDialog>
#include <string>

#include "core/helpers/KeyedCollection.h"
#include "platform/mlruntime/LanguageSupport.h"

class QPushButton;

namespace velvara::i18n {
class StringService;
}

namespace velvara::widgets {
class AddressCombo;
}

namespace velvara::linkcheck {

class frmGetString : public QDialog {
  Q_OBJECT

 public:
  frmGetString(core::KeyedCollection<std::string>& urlHistory, i18n::StringService& strings, QWidget* parent = nullptr);

  // Shows the dialog on sValue. True only when OK was pressed on an address
  // that is not empty; sValue then holds it (normalised, then trimmed) and it
  // is remembered. Otherwise sValue is left as it came. sTitle is not shown.
  bool bDoModal(std::string& sValue, const std::string& sTitle);

 private:
  void applyCaptions();
  void cmdOKClicked();

  core::KeyedCollection<std::string>& urlHistory_;
  i18n::StringService& strings_;
  mlruntime::LanguageSupport languageSupport_;
  widgets::AddressCombo* comboURL_;
  QPushButton* cmdOK_;
  QPushButton* cmdCancel_;
  bool answered_ = false;
  std::string enteredUrl_;
};

}  // namespace velvara::linkcheck
