#include "app/editpanel/EditPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/helpers/Blanks.h"
#include "core/helpers/Urls.h"
#include "i18n/AddedStrings.h"
#include "widgets/access/AccessibleNames.h"
#include "widgets/address/AddressCombo.h"
#include "widgets/input/AnyLength.h"

namespace velvara::app {
namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }
std::string ss(const QString& text) { return text.toStdString(); }

template <typename W>
W* named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

EditPanel::EditPanel(core::Project& project, core::KeyedCollection<std::string>& urlHistory,
                     const i18n::StringService& strings, core::Prompts& prompts, widgets::CommandGate& commands,
                     QWidget* parent)
    : QFrame(parent), project_(project), urlHistory_(urlHistory), strings_(strings), prompts_(prompts) {
  setObjectName("frmImageDescription");
  setFrameShape(QFrame::StyledPanel);
  setFixedSize(kWidth, kHeight);

  chkAutoUpdate_ = named(new QCheckBox(this), "chkAutoUpdate");
  chkAutoUpdate_->setChecked(true);
  frmImDesc_ = named(new QFrame(this), "frmImDesc");
  for (int i = 0; i < 4; ++i) {
    QWidget* owner = i == 0 ? static_cast<QWidget*>(this) : frmImDesc_;
    txtPhotos_[i] = named(new QLineEdit(owner), QString("txtPhotos_%1").arg(i));
    widgets::takeAnyLength(*txtPhotos_[i]);
    txtPhotos_[i]->setEnabled(false);
  }
  for (int i = 0; i < 5; ++i) {
    QWidget* owner = i == 0 ? static_cast<QWidget*>(this) : frmImDesc_;
    lblPhotos_[i] = named(new QLabel(owner), QString("lblPhotos_%1").arg(i));
  }
  comboURL_ = named(new widgets::AddressCombo(frmImDesc_), "comboURL");
  auto* openGroup = new QButtonGroup(this);
  for (int i = 0; i < 2; ++i) {
    opUrlOpen_[i] = named(new QRadioButton(frmImDesc_), QString("opUrlOpen_%1").arg(i));
    openGroup->addButton(opUrlOpen_[i]);
    cmdUpdateItem_[i] = named(new QPushButton(frmImDesc_), QString("cmdUpdateItem_%1").arg(i));
    cmdUpdateItem_[i]->setEnabled(false);
  }
  opUrlOpen_[0]->setChecked(true);

  auto* inner = new QGridLayout(frmImDesc_);
  inner->setContentsMargins(0, 0, 0, 0);
  inner->setVerticalSpacing(2);
  for (int row = 0; row < 3; ++row) inner->addWidget(lblPhotos_[row + 1], row, 0);
  inner->addWidget(txtPhotos_[1], 0, 1, 1, 2);
  inner->addWidget(txtPhotos_[2], 1, 1, 1, 2);
  inner->addWidget(comboURL_, 2, 1, 1, 2);
  inner->addWidget(lblPhotos_[4], 3, 0);
  inner->addWidget(txtPhotos_[3], 3, 1, 1, 2);
  inner->addWidget(opUrlOpen_[0], 4, 0, 1, 2);
  inner->addWidget(opUrlOpen_[1], 5, 0, 1, 2);
  inner->addWidget(cmdUpdateItem_[0], 4, 2);
  inner->addWidget(cmdUpdateItem_[1], 5, 2);
  inner->setColumnStretch(1, 1);

  auto* outer = new QGridLayout(this);
  outer->setContentsMargins(6, 4, 6, 4);
  outer->setVerticalSpacing(2);
  outer->addWidget(lblPhotos_[0], 0, 0);
  outer->addWidget(txtPhotos_[0], 0, 1);
  outer->addWidget(chkAutoUpdate_, 0, 2);
  outer->addWidget(frmImDesc_, 1, 0, 1, 3);
  outer->setColumnStretch(1, 1);
  // The first column of both grids holds the labels; keep them aligned.
  outer->setColumnMinimumWidth(0, 60);
  inner->setColumnMinimumWidth(0, 60);

  for (int field = 1; field <= 3; ++field)
    connect(txtPhotos_[field], &QLineEdit::returnPressed, this, [this, field] { moveFocusOnEnter(field); });
  for (int i = 0; i < 2; ++i) {
    commands.connect(cmdUpdateItem_[i], this, [this, i] {
      if (project_.images.empty() || selection_->selectedCount() != 1) return;
      stepImage(i != 0);
      txtPhotos_[1]->setFocus();
    });
  }
  connect(chkAutoUpdate_, &QCheckBox::clicked, this, [this] {
    // Refills from the image without storing first: what was typed is dropped.
    if (selection_->selectedCount() == 1) showImageDetails(selection_->firstSelected());
  });
  applyLanguage();
  showImageDetails(-1);
}

bool EditPanel::editable() const {
  return selection_ && selection_->selectedCount() == 1 && chkAutoUpdate_->isChecked();
}

void EditPanel::commitImageDetails() {
  if (project_.images.empty() || !editable()) return;
  std::int32_t index = selection_->firstSelected();
  if (index < 0 || index >= project_.images.count()) return;
  core::ImageItem& image = project_.images.item(index);
  image.openInSameWindow = opUrlOpen_[1]->isChecked();
  image.title = ss(txtPhotos_[1]->text());
  image.tooltip = ss(txtPhotos_[2]->text());
  image.linkText = ss(txtPhotos_[3]->text());
  image.linkUrl = core::normalizeUrl(ss(comboURL_->currentText()));
  rememberUrl(image.linkUrl);
  selection_->titlesChanged();
}

void EditPanel::rememberUrl(const std::string& url) {
  if (core::trimBlanks(url).empty() || urlHistory_.contains(url)) return;
  urlHistory_.add(url, url);
  comboURL_->addItem(qs(url));
}

void EditPanel::showImageDetails(std::int32_t index) {
  const std::int32_t selected = selection_ ? selection_->selectedCount() : 0;
  const bool canEdit = editable();
  frmImDesc_->setEnabled(canEdit);
  txtPhotos_[0]->setEnabled(false);
  txtPhotos_[0]->clear();
  for (int i = 1; i < 4; ++i) {
    txtPhotos_[i]->setEnabled(canEdit);
    txtPhotos_[i]->clear();
  }
  for (QLabel* label : lblPhotos_) label->setEnabled(canEdit);
  comboURL_->setEnabled(canEdit);
  comboURL_->setCurrentIndex(-1);
  comboURL_->setEditText(QString());
  for (int i = 0; i < 2; ++i) {
    opUrlOpen_[i]->setEnabled(canEdit);
    cmdUpdateItem_[i]->setEnabled(canEdit);
  }
  chkAutoUpdate_->setEnabled(true);
  setOpenModeCaptions();

  if (selected == 1 && index >= 0 && index < project_.images.count()) {
    const core::ImageItem& image = project_.images.item(index);
    txtPhotos_[0]->setText(qs(image.sourcePath));
    txtPhotos_[1]->setText(qs(image.title));
    txtPhotos_[2]->setText(qs(image.tooltip));
    txtPhotos_[3]->setText(qs(image.linkText));
    int entry = comboURL_->findText(qs(image.linkUrl), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (entry >= 0) {
      comboURL_->setCurrentIndex(entry);
    } else {
      // A link that is no entry of the list (one set by the link checker, or
      // differing in case from a remembered one) is still shown, so that the
      // next store does not overwrite it with an empty link.
      comboURL_->setEditText(qs(image.linkUrl));
    }
    opUrlOpen_[image.openInSameWindow ? 1 : 0]->setChecked(true);
  } else if (selected > 1) {
    txtPhotos_[0]->setText(QString::number(selected) + qs(strings_.loadMlString(175, " images selected")));
  }
}

void EditPanel::setOpenModeCaptions() {
  opUrlOpen_[0]->setText(qs(strings_.loadMlString(59)));
  opUrlOpen_[1]->setText(qs(strings_.loadMlString(58)));
  const core::GallerySettings& settings = project_.settings;
  switch (static_cast<core::GalleryStyle>(settings.galleryStyle)) {
    case core::GalleryStyle::Lightbox:
      txtPhotos_[3]->setVisible(true);
      lblPhotos_[4]->setVisible(true);
      break;
    case core::GalleryStyle::Shadowbox:
      txtPhotos_[3]->setVisible(false);
      lblPhotos_[4]->setVisible(false);
      opUrlOpen_[0]->setText(qs(strings_.loadMlString(283)));
      opUrlOpen_[1]->setText(qs(strings_.loadMlString(284) + settings.imageWidth + "x" + settings.imageHeight));
      break;
    case core::GalleryStyle::Simple:
      txtPhotos_[3]->setVisible(false);
      lblPhotos_[4]->setVisible(false);
      break;
  }
  for (QRadioButton* option : opUrlOpen_) option->setAccessibleName(option->text());
}

void EditPanel::stepImage(bool forward) {
  if (project_.images.empty() || selection_->selectedCount() != 1) return;
  commitImageDetails();
  std::int32_t first = selection_->firstSelected();
  selection_->moveSelection(first, forward ? first + 1 : first - 1);
}

void EditPanel::moveFocusOnEnter(int field) {
  if (!chkAutoUpdate_->isChecked()) return;
  if (field == 1) {
    txtPhotos_[2]->setFocus();
  } else if (field == 2 && project_.settings.addImageLinks == 1) {
    comboURL_->setFocus();
  } else {
    cmdUpdateItem_[1]->setFocus();
  }
}

void EditPanel::fillUrlCombo() { comboURL_->offer(urlHistory_); }

void EditPanel::applyLanguage() {
  auto caption = [this](QWidget* widget, int id) {
    QString text = qs(strings_.loadMlString(id));
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(text);
    widget->setAccessibleName(text);
  };
  auto tooltip = [this](QWidget* widget, int id) {
    QString text = qs(strings_.loadMlString(id));
    widget->setToolTip(text);
    widget->setAccessibleName(text);
  };
  caption(chkAutoUpdate_, 156);
  caption(cmdUpdateItem_[0], 152);
  cmdUpdateItem_[0]->setToolTip(qs(strings_.loadMlString(153)));
  caption(cmdUpdateItem_[1], 154);
  cmdUpdateItem_[1]->setToolTip(qs(strings_.loadMlString(155)));
  tooltip(comboURL_, 21);
  widgets::setComboBoxName(*comboURL_, comboURL_->toolTip());
  const std::array<int, 5> labelIds = {72, 71, 70, 69, 267};
  for (int i = 0; i < 5; ++i) caption(lblPhotos_[i], labelIds[i]);
  tooltip(txtPhotos_[1], 60);
  tooltip(txtPhotos_[2], 64);
  txtPhotos_[0]->setAccessibleName(lblPhotos_[0]->text());
  txtPhotos_[3]->setAccessibleName(lblPhotos_[4]->text());
  setAccessibleName(qs(strings_.loadMlString(i18n::added::kNameImageDetails)));
  frmImDesc_->setAccessibleName(qs(strings_.loadMlString(i18n::added::kNameImageTexts)));
  setOpenModeCaptions();
}

void EditPanel::setDefaultLinkTextOnAllImages() {
  if (project_.images.empty()) return;
  commitImageDetails();
  for (std::int32_t i = 0; i < project_.images.count(); ++i)
    project_.images.item(i).linkText = project_.settings.defaultLinkText;
  showImageDetails(selection_->firstSelected());
}

void EditPanel::addLinkToAllImages(const std::string& menuCaption) {
  commitImageDetails();
  core::InputBoxRequest request;
  request.prompt = strings_.loadMlString(271);
  request.title = menuCaption;
  std::optional<std::string> answer = prompts_.askText(request);
  if (!answer || answer->empty()) return;
  rememberUrl(*answer);
  // Taken exactly as typed, unlike a link stored from the panel.
  for (std::int32_t i = 0; i < project_.images.count(); ++i) project_.images.item(i).linkUrl = *answer;
  showImageDetails(selection_->firstSelected());
}

}  // namespace velvara::app
