#include "linkcheck/frmGetString.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/files/UrlListFormat.h"
#include "core/helpers/Blanks.h"
#include "core/helpers/Urls.h"
#include "i18n/StringService.h"
#include "platform/windowing/WindowPlacement.h"
#include "platform/windowing/WindowTitle.h"
#include "widgets/access/AccessibleNames.h"
#include "widgets/address/AddressCombo.h"

namespace velvara::linkcheck {

frmGetString::frmGetString(core::KeyedCollection<std::string>& urlHistory, i18n::StringService& strings,
                           QWidget* parent)
    : QDialog(parent),
      urlHistory_(urlHistory),
      strings_(strings),
      languageSupport_([this](int langId, const std::string& langName) {
        strings_.setCurrentLanguage(langId, langName);
        applyCaptions();
      }),
      comboURL_(new widgets::AddressCombo(this)),
      cmdOK_(new QPushButton(QStringLiteral("OK"), this)),
      cmdCancel_(new QPushButton(this)) {
  setObjectName(QStringLiteral("frmGetString"));
  comboURL_->setObjectName(QStringLiteral("comboURL"));
  comboURL_->setMinimumContentsLength(48);
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdOK_->setAccessibleName(QStringLiteral("OK"));
  cmdOK_->setDefault(true);
  cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK_);
  buttons->addWidget(cmdCancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(comboURL_);
  layout->addLayout(buttons);

  connect(cmdOK_, &QPushButton::clicked, this, &frmGetString::cmdOKClicked);
  // The dialog has no title.
  windowing::setShownTitle(*this, QString());
  windowing::openOnOwnersScreen(*this);
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
  applyCaptions();
}

void frmGetString::applyCaptions() {
  const QString cancel = QString::fromStdString(strings_.loadMlString(150));
  cmdCancel_->setText(cancel);
  cmdCancel_->setAccessibleName(cancel);
  const QString tooltip = QString::fromStdString(strings_.loadMlString(262));
  comboURL_->setToolTip(tooltip);
  widgets::setComboBoxName(*comboURL_, tooltip);
}

bool frmGetString::bDoModal(std::string& sValue, const std::string&) {
  comboURL_->offer(urlHistory_);
  comboURL_->setEditText(QString::fromStdString(core::normalizeUrl(sValue)));
  enteredUrl_ = sValue;
  answered_ = false;
  exec();
  if (!answered_) return false;
  sValue = std::string(core::trimBlanks(enteredUrl_));
  if (sValue.empty()) return false;
  core::rememberUrl(urlHistory_, sValue);
  return true;
}

void frmGetString::cmdOKClicked() {
  answered_ = true;
  enteredUrl_ = core::normalizeUrl(comboURL_->currentText().toStdString());
  accept();
}

}  // namespace velvara::linkcheck
