#include "i18n/dialog/LanguageSelect.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <charconv>
#include <optional>

#include "platform/windowing/WindowPlacement.h"

namespace velvara::i18n {

namespace {

constexpr const char* kSection = "MultiLang";

// The stored text as a number; nothing when it is not one. Surrounding
// blanks are allowed, as a hand-edited value may carry them.
std::optional<long> numberOf(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const auto last = text.find_last_not_of(' ');
  long value = 0;
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

LanguageSelect::LanguageSelect(StringService& strings, std::string application, registry::AppSettings settings,
                               QWidget* parent)
    : QDialog(parent),
      strings_(strings),
      application_(std::move(application)),
      settings_(std::move(settings)),
      languageSupport_(std::make_unique<mlruntime::LanguageSupport>()),
      languageList_(new QListWidget(this)),
      okButton_(new QPushButton(QStringLiteral("OK"), this)),
      chkShowOnStartup_(new QCheckBox(QStringLiteral("Show this dialog when the program starts"), this)) {
  setObjectName(QStringLiteral("LanguageSelect"));
  setWindowTitle(QStringLiteral("Select Language"));
  languageList_->setObjectName(QStringLiteral("LanguageList"));
  languageList_->setAccessibleName(QStringLiteral("Select Language"));
  languageList_->setSelectionMode(QAbstractItemView::SingleSelection);
  okButton_->setObjectName(QStringLiteral("OkButton"));
  okButton_->setAccessibleName(okButton_->text());
  okButton_->setDefault(true);
  chkShowOnStartup_->setObjectName(QStringLiteral("chkShowOnStartup"));
  chkShowOnStartup_->setAccessibleName(chkShowOnStartup_->text());

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(languageList_);
  layout->addWidget(chkShowOnStartup_);
  layout->addWidget(okButton_, 0, Qt::AlignRight);
  resize(320, 200);

  // The dialog's own captions are fixed; it follows announcements only to
  // keep the current language in step.
  languageSupport_->setHandler(
      [this](int langId, const std::string& langName) { strings_.setCurrentLanguage(langId, langName); });
  connect(okButton_, &QPushButton::clicked, this, &LanguageSelect::takeChoice);
  windowing::openOnOwnersScreen(*this);
  connect(languageList_, &QListWidget::itemDoubleClicked, this, &LanguageSelect::takeChoice);
}

LanguageSelect::~LanguageSelect() = default;

std::string LanguageSelect::stored(const char* key, const char* defaultValue) const {
  return settings_.getSetting(application_, kSection, key, defaultValue);
}

void LanguageSelect::applyStoredChoice() {
  const long langId = numberOf(stored("LangId", "2057")).value_or(0);
  const std::string langName = stored("LangName", "");
  strings_.setCurrentLanguage(static_cast<int>(langId), langName);
  languageSupport_ = std::make_unique<mlruntime::LanguageSupport>(
      [this](int id, const std::string& name) { strings_.setCurrentLanguage(id, name); });
  languageSupport_->raiseLanguageChanged(static_cast<int>(langId), langName);
  askAtStart_ = numberOf(stored("ShowDialog", "-1")).value_or(-1) != 0;
  fillList();
}

void LanguageSelect::fillList() {
  languageList_->clear();
  for (const int langId : StringService::getSupportedLanguages()) {
    auto* row = new QListWidgetItem(QString::fromStdString(StringService::getNativeLanguageName(langId)));
    row->setData(Qt::UserRole, langId);
    languageList_->addItem(row);
    if (langId == strings_.currentLangId()) languageList_->setCurrentItem(row);
  }
  chkShowOnStartup_->setChecked(askAtStart_);
}

void LanguageSelect::takeChoice() {
  // The selected row, not the current one: a screen reader selects a row
  // without moving the list's current row to it.
  const QList<QListWidgetItem*> selected = languageList_->selectedItems();
  if (selected.isEmpty()) return;
  const QListWidgetItem* row = selected.front();
  askAtStart_ = chkShowOnStartup_->isChecked();
  const int langId = row->data(Qt::UserRole).toInt();
  strings_.setCurrentLanguage(langId);
  languageSupport_->raiseLanguageChanged(strings_.currentLangId(),
                                         StringService::languageDisplayName(strings_.currentLangId()));
  accept();
}

void LanguageSelect::showAndStore() {
  exec();
  const int langId = strings_.currentLangId();
  settings_.saveSetting(application_, kSection, "LangId", std::to_string(langId));
  settings_.saveSetting(application_, kSection, "LangName", StringService::languageDisplayName(langId));
  settings_.saveSetting(application_, kSection, "ShowDialog", askAtStart_ ? "-1" : "0");
}

void LanguageSelect::showDialog(bool isStartup) {
  applyStoredChoice();
  if (askAtStart_ || !isStartup) showAndStore();
}

void LanguageSelect::selectLang() {
  applyStoredChoice();
  showAndStore();
}

}  // namespace velvara::i18n
