#include "linkcheck/frmVerifyLinks.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/files/UrlListFormat.h"
#include "core/helpers/Urls.h"
#include "i18n/StringService.h"
#include "linkcheck/Classification.h"
#include "linkcheck/LinkRows.h"
#include "linkcheck/frmGetString.h"
#include "platform/windowing/WindowPlacement.h"
#include "widgets/input/AnyLength.h"

namespace velvara::linkcheck {
namespace {

constexpr int kProbeLimitSeconds = 5;
constexpr int kUrlLimitSeconds = 3;

// 15 twips to the pixel: 700 and 1800 twips.
constexpr int kKindColumnWidth = 47;
constexpr int kStatusColumnWidth = 120;
// Room for the cell's margins beside its text.
constexpr int kCellPadding = 16;

constexpr LinkStatus kAllStatuses[] = {
    LinkStatus::NotVerified,         LinkStatus::NotVerifiedYet,   LinkStatus::Validated,
    LinkStatus::ImageNotFound,       LinkStatus::UrlNotFound,      LinkStatus::LinkNotFound,
    LinkStatus::ExternalNotVerified, LinkStatus::LinkFileNotFound, LinkStatus::RelativeNotVerified,
};

enum Column { kKindColumn = 0, kTargetColumn = 1, kStatusColumn = 2 };
// What a row carries besides its texts, all on its first column.
constexpr int kImageIndexRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;
constexpr int kStatusRole = Qt::UserRole + 2;

RowKind kindOf(const QTreeWidgetItem& row) { return static_cast<RowKind>(row.data(kKindColumn, kKindRole).toInt()); }

QString qs(const std::string& text) { return QString::fromStdString(text); }

QPushButton* makeButton(const char* name, QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

frmVerifyLinks::frmVerifyLinks(core::Project& project, core::KeyedCollection<std::string>& urlHistory,
                               i18n::StringService& strings, std::string probeUrl, Clock* clock, QWidget* parent)
    : QDialog(parent),
      project_(project),
      urlHistory_(urlHistory),
      strings_(strings),
      probeUrl_(std::move(probeUrl)),
      languageSupport_([this](int langId, const std::string& langName) {
        strings_.setCurrentLanguage(langId, langName);
        applyCaptions();
      }),
      verifier_(clock ? *clock : steadyClock_, [this] { return stopRequested_; }),
      listView1_(new QTreeWidget(this)),
      label1_(new QLabel(this)),
      txtBaseUrl_(new QLineEdit(this)),
      cmdVerify_(makeButton("cmdVerify", this)),
      cmdStop_(makeButton("cmdStop", this)),
      cmdEdit_(makeButton("cmdEdit", this)),
      cmdExit_(makeButton("cmdExit", this)) {
  setObjectName(QStringLiteral("frmVerifyLinks"));
  listView1_->setObjectName(QStringLiteral("ListView1"));
  listView1_->setColumnCount(3);
  listView1_->setRootIsDecorated(false);
  listView1_->setUniformRowHeights(true);
  listView1_->setAllColumnsShowFocus(true);
  listView1_->setSelectionMode(QAbstractItemView::SingleSelection);
  listView1_->header()->setStretchLastSection(false);
  listView1_->header()->setSectionResizeMode(kTargetColumn, QHeaderView::Stretch);
  listView1_->setColumnWidth(kKindColumn, kKindColumnWidth);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setBuddy(txtBaseUrl_);
  txtBaseUrl_->setObjectName(QStringLiteral("txtBaseUrl"));
  widgets::takeAnyLength(*txtBaseUrl_);
  cmdStop_->setStyleSheet(QStringLiteral("QPushButton { background-color: #FFFF00; color: black; }"));
  cmdStop_->hide();

  auto* base = new QHBoxLayout;
  base->addWidget(label1_);
  base->addWidget(txtBaseUrl_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdVerify_);
  buttons->addWidget(cmdStop_);
  buttons->addWidget(cmdEdit_);
  buttons->addStretch();
  buttons->addWidget(cmdExit_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(listView1_, 1);
  layout->addLayout(base);
  layout->addLayout(buttons);
  resize(760, 440);

  connect(listView1_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
    if (isChecking_ && !scrollingToRow_) followingRun_ = false;
  });
  connect(cmdVerify_, &QPushButton::clicked, this, &frmVerifyLinks::cmdVerifyClicked);
  windowing::openOnOwnersScreen(*this);
  connect(cmdStop_, &QPushButton::clicked, this, [this] { stopRequested_ = true; });
  connect(cmdEdit_, &QPushButton::clicked, this, &frmVerifyLinks::cmdEditClicked);
  connect(cmdExit_, &QPushButton::clicked, this, &frmVerifyLinks::cmdExitClicked);
  applyCaptions();
}

void frmVerifyLinks::applyCaptions() {
  const auto text = [this](int id) { return qs(strings_.loadMlString(id)); };
  setWindowTitle(text(14));
  listView1_->setAccessibleName(text(14).trimmed());
  const auto caption = [](QPushButton* button, const QString& caption) {
    button->setText(caption);
    button->setAccessibleName(caption);
  };
  caption(cmdEdit_, text(17));
  cmdEdit_->setToolTip(text(18));
  caption(cmdExit_, text(16));
  caption(cmdStop_, text(15));
  caption(cmdVerify_, text(19));
  label1_->setText(text(20));
  txtBaseUrl_->setAccessibleName(text(20));
  listView1_->setHeaderLabels({text(185), text(21), text(186)});
  // The designed width, unless a status of this language needs more.
  int statusWidth = kStatusColumnWidth;
  for (LinkStatus status : kAllStatuses) {
    statusWidth = std::max(
        statusWidth, listView1_->fontMetrics().horizontalAdvance(qs(statusText(strings_, status))) + kCellPadding);
  }
  listView1_->setColumnWidth(kStatusColumn, statusWidth);
  for (int i = 0; i < listView1_->topLevelItemCount(); ++i) {
    QTreeWidgetItem& row = *listView1_->topLevelItem(i);
    if (kindOf(row) == RowKind::Image) row.setText(kKindColumn, text(187));
    setStatus(row, static_cast<LinkStatus>(row.data(kKindColumn, kStatusRole).toInt()));
  }
}

void frmVerifyLinks::doModal() {
  fillList();
  exec();
}

void frmVerifyLinks::fillList() {
  listView1_->setUpdatesEnabled(false);
  listView1_->clear();
  urlRowCount_ = 0;
  const QString imageKind = qs(strings_.loadMlString(187));
  QList<QTreeWidgetItem*> items;
  for (const LinkRow& link : collectLinkRows(project_)) {
    auto* row = new QTreeWidgetItem;
    row->setText(kKindColumn, link.kind == RowKind::Image ? imageKind : QStringLiteral("url"));
    row->setText(kTargetColumn, qs(link.target));
    row->setData(kKindColumn, kImageIndexRole, link.imageIndex);
    row->setData(kKindColumn, kKindRole, static_cast<int>(link.kind));
    setStatus(*row, LinkStatus::NotVerified);
    if (link.kind == RowKind::Url) ++urlRowCount_;
    items.append(row);
  }
  listView1_->addTopLevelItems(items);
  listView1_->setUpdatesEnabled(true);
  txtBaseUrl_->setText(qs(core::normalizeUrl(project_.settings.baseUrl)));
}

bool frmVerifyLinks::verifyUrl(const std::string& sURL_to_verify, int timerLimit) {
  return verifier_.verifyUrl(sURL_to_verify, timerLimit);
}

void frmVerifyLinks::setStatus(QTreeWidgetItem& row, LinkStatus status) {
  row.setData(kKindColumn, kStatusRole, static_cast<int>(status));
  row.setText(kStatusColumn, qs(statusText(strings_, status)));
}

void frmVerifyLinks::setRunning(bool running) {
  cmdVerify_->setEnabled(!running);
  cmdEdit_->setEnabled(!running);
  cmdExit_->setEnabled(!running);
  isChecking_ = running;
  cmdStop_->setVisible(running);
}

void frmVerifyLinks::cmdVerifyClicked() {
  std::string base = txtBaseUrl_->text().toStdString();
  std::replace(base.begin(), base.end(), '\\', '/');
  project_.settings.baseUrl = base;
  txtBaseUrl_->setText(qs(base));

  setRunning(true);
  stopRequested_ = false;
  const bool webReachable = urlRowCount_ > 0 && verifier_.verifyUrl(probeUrl_, kProbeLimitSeconds);
  const int count = listView1_->topLevelItemCount();
  for (int i = 0; i < count; ++i) setStatus(*listView1_->topLevelItem(i), LinkStatus::NotVerifiedYet);
  followingRun_ = true;
  for (int i = 0; i < count; ++i) {
    showRowBeingChecked(*listView1_->topLevelItem(i));
    checkRow(*listView1_->topLevelItem(i), webReachable);
    // The row's new status shows before the next one is tested.
    QCoreApplication::processEvents();
    if (stopRequested_) break;
  }
  setRunning(false);
}

void frmVerifyLinks::showRowBeingChecked(QTreeWidgetItem& row) {
  if (!followingRun_) return;
  if (listView1_->viewport()->rect().contains(listView1_->visualItemRect(&row))) return;
  // A page at a time: the list scrolls once the run leaves the rows shown.
  scrollingToRow_ = true;
  listView1_->scrollToItem(&row, QAbstractItemView::PositionAtTop);
  scrollingToRow_ = false;
}

void frmVerifyLinks::checkRow(QTreeWidgetItem& row, bool webReachable) {
  const std::string target = row.text(kTargetColumn).toStdString();
  if (kindOf(row) == RowKind::Image) {
    setStatus(row, checkImageFile(target));
    return;
  }
  const LinkVerdict verdict = classifyLink(target, project_.settings.baseUrl);
  if (!verdict.webAddress) {
    setStatus(row, verdict.status);
    return;
  }
  if (!webReachable) return;
  const bool reached = verifier_.verifyUrl(*verdict.webAddress, kUrlLimitSeconds);
  // A test that Stop cut short says nothing about the address.
  if (stopRequested_) return;
  setStatus(row, reached ? LinkStatus::Validated : LinkStatus::UrlNotFound);
}

void frmVerifyLinks::cmdEditClicked() {
  const QList<QTreeWidgetItem*> selected = listView1_->selectedItems();
  if (selected.isEmpty()) return;
  QTreeWidgetItem& row = *selected.front();
  std::string address = row.text(kTargetColumn).toStdString();
  if (kindOf(row) != RowKind::Url || !core::isHtmlFile(address)) return;

  frmGetString dialog(urlHistory_, strings_, this);
  if (!dialog.bDoModal(address, {})) return;
  const int imageIndex = row.data(kKindColumn, kImageIndexRole).toInt();
  if (imageIndex == -1) {
    project_.settings.homeUrl = core::normalizeUrl(address);
  } else if (imageIndex >= 0 && imageIndex < project_.images.count()) {
    project_.images.item(imageIndex).linkUrl = core::normalizeUrl(address);
  }
  core::rememberUrl(urlHistory_, address);
  row.setText(kTargetColumn, qs(address));
  setStatus(row, LinkStatus::NotVerified);
}

void frmVerifyLinks::cmdExitClicked() {
  project_.settings.baseUrl = txtBaseUrl_->text().toStdString();
  accept();
}

void frmVerifyLinks::closeEvent(QCloseEvent* event) {
  if (isChecking_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void frmVerifyLinks::reject() {
  if (!isChecking_) QDialog::reject();
}

}  // namespace velvara::linkcheck
