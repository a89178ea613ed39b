// The settings dialog's controls and where they sit. Every control carries
// its design name as its object name (an array member as name, "_" and
// index), so tests and assistive technology find it.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/host/Host.h"
#include "settings/SettingsDesign.h"
#include "settings/controls/ColorButton.h"
#include "settings/controls/FontSample.h"
#include "settings/frmSettings.h"
#include "settings/quickhelp/LightboxPicture.h"
#include "settings/quickhelp/QuickHelpPage.h"
#include "widgets/input/AnyLength.h"
#include "widgets/numericbox/usNumericBox.h"

namespace velvara::settings {
namespace {

QString indexed(const char* name, int index) { return QString("%1_%2").arg(name).arg(index); }

// Sample labels are as tall as the largest size a box allows would need, so
// the dialog does not jump while the user tries sizes.
constexpr int kSampleHeight = 44;
constexpr int kTitleSampleHeight = 64;

}  // namespace

frmSettings::NumericBox* frmSettings::numericBox(const char* name) {
  auto* box = NumericBox::fromDesign(settingsFormDesign(), name, services_.strings, services_.host, this);
  box->setObjectName(name);
  box->setFixedHeight(24);
  return box;
}

ColorButton* frmSettings::colorButton(const QString& name) {
  auto* colorButton = new ColorButton(this);
  colorButton->setObjectName(name);
  return colorButton;
}

QPushButton* frmSettings::button(const QString& name) {
  auto* pushButton = new QPushButton(this);
  pushButton->setObjectName(name);
  pushButton->setAutoDefault(false);
  return pushButton;
}

QLabel* frmSettings::label(const QString& name) {
  auto* caption = new QLabel(this);
  caption->setObjectName(name);
  return caption;
}

QLineEdit* frmSettings::lineEdit(const QString& name) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  widgets::takeAnyLength(*edit);
  return edit;
}

QGroupBox* frmSettings::buildStyleFrame() {
  frmStyle = new QGroupBox(this);
  frmStyle->setObjectName("frmStyle");
  auto* layout = new QHBoxLayout(frmStyle);
  // Fixed texts in every language.
  const char* captions[] = {"Lightbox", "ShadowBox", "Simple"};
  const char* tooltips[] = {"Thumnail+large image+link(html,img)", "Thumnail+link ( html,img,swf)",
                            "Thumnail+link(html,img)"};
  for (int index = 0; index < 3; ++index) {
    OpStyle[index] = new QRadioButton(captions[index], frmStyle);
    OpStyle[index]->setObjectName(indexed("OpStyle", index));
    OpStyle[index]->setToolTip(tooltips[index]);
    OpStyle[index]->setAccessibleName(captions[index]);
    layout->addWidget(OpStyle[index]);
  }
  return frmStyle;
}

QGroupBox* frmSettings::buildTitleFrame() {
  frameTitle = new QGroupBox(this);
  frameTitle->setObjectName("frameTitle");
  txtWebTitle = lineEdit("txtWebTitle");
  cmdWebTitleFont = button("cmdWebTitleFont");
  usWebTitle_font_size = numericBox("usWebTitle_font_size");
  cmdWebTitle_font_color = colorButton("cmdWebTitle_font_color");
  lblWebTitle_font_name = new FontSample(this);
  lblWebTitle_font_name->setObjectName("lblWebTitle_font_name");
  lblWebTitle_font_name->setFixedHeight(kTitleSampleHeight);
  // As designed: a sample starts at its box's size, since filling the box
  // with the number it already holds does not size the sample.
  lblWebTitle_font_name->setFontSize(usWebTitle_font_size->value());
  lblBackground_color = label("lblBackground_color");
  cmdBackground_color = colorButton("cmdBackground_color");
  chkAddParentUrl = new QCheckBox(this);
  chkAddParentUrl->setObjectName("chkAddParentUrl");
  lblHomeUrl = label("lblHomeUrl");
  Label2 = label("Label2");
  for (int index = 0; index < 2; ++index) {
    txtHomeUrl[index] = lineEdit(indexed("txtHomeUrl", index));
    txtBackGroundImage[index] = lineEdit(indexed("txtBackGroundImage", index));
    cmdBackgroundImage[index] = button(indexed("cmdBackgroundImage", index));
    cmdBackgroundImage[index]->setText("...");
    cmdBackgroundImage[index]->setFixedWidth(32);
  }

  auto* grid = new QGridLayout(frameTitle);
  grid->addWidget(txtWebTitle, 0, 0, 1, 4);
  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(cmdWebTitleFont);
  fontRow->addWidget(usWebTitle_font_size);
  fontRow->addWidget(cmdWebTitle_font_color);
  fontRow->addStretch();
  grid->addLayout(fontRow, 1, 0, 1, 4);
  grid->addWidget(lblWebTitle_font_name, 2, 0, 1, 4);
  auto* backRow = new QHBoxLayout;
  backRow->addWidget(lblBackground_color);
  backRow->addWidget(cmdBackground_color);
  backRow->addWidget(txtBackGroundImage[0], 1);
  backRow->addWidget(cmdBackgroundImage[0]);
  grid->addLayout(backRow, 3, 0, 1, 4);
  grid->addWidget(chkAddParentUrl, 4, 0, 1, 4);
  grid->addWidget(lblHomeUrl, 5, 0);
  grid->addWidget(txtHomeUrl[0], 5, 1, 1, 3);
  grid->addWidget(Label2, 6, 0);
  grid->addWidget(txtHomeUrl[1], 6, 1, 1, 3);
  return frameTitle;
}

QGroupBox* frmSettings::buildCellFrame() {
  frameSlide = new QGroupBox(this);
  frameSlide->setObjectName("frameSlide");
  for (int index = 0; index < 2; ++index) {
    usSlideSize[index] = numericBox(index == 0 ? "usSlideSize_0" : "usSlideSize_1");
  }
  usSlide_border_width = numericBox("usSlide_border_width");
  usSlide_cell_spacing = numericBox("usSlide_cell_spacing");
  usSlide_cell_padding = numericBox("usSlide_cell_padding");
  lblSlide_border_color = label("lblSlide_border_color");
  for (int index = 0; index < 4; ++index)
    cmdSlide_border_color[index] = colorButton(indexed("cmdSlide_border_color", index));
  cmdSlide_padding_color = colorButton("cmdSlide_padding_color");
  lblCellBackgroundImage = label("lblCellBackgroundImage");

  auto* grid = new QGridLayout(frameSlide);
  auto* sizeRow = new QHBoxLayout;
  sizeRow->addWidget(usSlideSize[0]);
  sizeRow->addWidget(usSlideSize[1]);
  sizeRow->addStretch();
  grid->addLayout(sizeRow, 0, 0, 1, 2);
  grid->addWidget(usSlide_border_width, 1, 0);
  grid->addWidget(usSlide_cell_spacing, 1, 1);
  grid->addWidget(usSlide_cell_padding, 2, 0);
  auto* colorRow = new QHBoxLayout;
  colorRow->addWidget(lblSlide_border_color);
  for (auto* border : cmdSlide_border_color) colorRow->addWidget(border);
  colorRow->addSpacing(12);
  colorRow->addWidget(cmdSlide_padding_color);
  colorRow->addStretch();
  grid->addLayout(colorRow, 3, 0, 1, 2);
  auto* imageRow = new QHBoxLayout;
  imageRow->addWidget(lblCellBackgroundImage);
  imageRow->addWidget(txtBackGroundImage[1], 1);
  imageRow->addWidget(cmdBackgroundImage[1]);
  grid->addLayout(imageRow, 4, 0, 1, 2);
  return frameSlide;
}

QGroupBox* frmSettings::buildImageFrame() {
  frmImage = new QGroupBox(this);
  frmImage->setObjectName("frmImage");
  usImageSize[0] = numericBox("usImageSize_0");
  usImageSize[1] = numericBox("usImageSize_1");
  usQuality = numericBox("usQuality");
  auto* grid = new QGridLayout(frmImage);
  auto* sizeRow = new QHBoxLayout;
  sizeRow->addWidget(usImageSize[0]);
  sizeRow->addWidget(usImageSize[1]);
  sizeRow->addStretch();
  grid->addLayout(sizeRow, 0, 0);
  grid->addWidget(usQuality, 1, 0, Qt::AlignLeft);
  return frmImage;
}

QGroupBox* frmSettings::buildThumbFrame() {
  frameThumb = new QGroupBox(this);
  frameThumb->setObjectName("frameThumb");
  usImgSize[0] = numericBox("usImgSize_0");
  usImgSize[1] = numericBox("usImgSize_1");
  usNumBorderWidth = numericBox("usNumBorderWidth");
  txtImg_border_color = label("txtImg_border_color");
  cmdImg_border_color = colorButton("cmdImg_border_color");
  lblImgaeTitle = label("lblImgaeTitle");
  usImg_font_size = numericBox("usImg_font_size");
  cmdImg_choose_font = button("cmdImg_choose_font");
  lblImg_font_name = new FontSample(this);
  lblImg_font_name->setObjectName("lblImg_font_name");
  lblImg_font_name->setFixedHeight(kSampleHeight);
  lblImg_font_name->setFontSize(usImg_font_size->value());
  lblImg_title_color = label("lblImg_title_color");
  cmdImg_title_color = colorButton("cmdImg_title_color");
  lblImg_title_align = label("lblImg_title_align");
  cboImg_title_align = new QComboBox(this);
  cboImg_title_align->setObjectName("cboImg_title_align");

  auto* grid = new QGridLayout(frameThumb);
  auto* sizeRow = new QHBoxLayout;
  sizeRow->addWidget(usImgSize[0]);
  sizeRow->addWidget(usImgSize[1]);
  sizeRow->addStretch();
  grid->addLayout(sizeRow, 0, 0, 1, 2);
  auto* borderRow = new QHBoxLayout;
  borderRow->addWidget(usNumBorderWidth);
  borderRow->addWidget(txtImg_border_color);
  borderRow->addWidget(cmdImg_border_color);
  borderRow->addStretch();
  grid->addLayout(borderRow, 1, 0, 1, 2);
  auto* titleRow = new QHBoxLayout;
  titleRow->addWidget(lblImgaeTitle);
  titleRow->addWidget(usImg_font_size);
  titleRow->addWidget(cmdImg_choose_font);
  titleRow->addStretch();
  grid->addLayout(titleRow, 2, 0, 1, 2);
  grid->addWidget(lblImg_font_name, 3, 0, 1, 2);
  auto* colorRow = new QHBoxLayout;
  colorRow->addWidget(lblImg_title_color);
  colorRow->addWidget(cmdImg_title_color);
  colorRow->addSpacing(16);
  colorRow->addWidget(lblImg_title_align);
  colorRow->addWidget(cboImg_title_align);
  colorRow->addStretch();
  grid->addLayout(colorRow, 4, 0, 1, 2);
  return frameThumb;
}

QWidget* frmSettings::buildCommandRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  cmdSettings[0] = button("cmdSettings_0");
  cmdSettings[1] = button("cmdSettings_1");
  cmdRestoreDefaults = button("cmdRestoreDefaults");
  cmdLang = button("cmdLang");
  cmdExit = button("cmdExit");
  for (auto* command : {cmdSettings[0], cmdSettings[1], cmdRestoreDefaults, cmdLang}) layout->addWidget(command);
  layout->addStretch();
  layout->addWidget(cmdExit);
  return row;
}

QWidget* frmSettings::buildSettingsTab() {
  frameSettings = new QWidget(this);
  frameSettings->setObjectName("frameSettings");
  usColumns = numericBox("usColumns");
  usRows = numericBox("usRows");
  chkAspectRatio = new QCheckBox(this);
  chkAspectRatio->setObjectName("chkAspectRatio");
  chkAddLink = new QCheckBox(this);
  chkAddLink->setObjectName("chkAddLink");
  lblLink_text = label("lblLink_text");
  txtLink = lineEdit("txtLink");
  Label1 = label("Label1");
  txtFolders1 = lineEdit("txtFolders_1");
  cmdChooseFolder = button("cmdChooseFolder");
  cmdChooseFolder->setText("...");
  cmdChooseFolder->setFixedWidth(32);

  auto* left = new QVBoxLayout;
  left->addWidget(buildTitleFrame());
  left->addWidget(buildCellFrame());
  left->addStretch();

  auto* right = new QVBoxLayout;
  right->addWidget(buildStyleFrame());
  auto* pageRow = new QHBoxLayout;
  pageRow->addWidget(usColumns);
  pageRow->addWidget(usRows);
  pageRow->addStretch();
  right->addLayout(pageRow);
  right->addWidget(chkAspectRatio);
  right->addWidget(buildThumbFrame());
  right->addWidget(buildImageFrame());
  auto* linkRow = new QHBoxLayout;
  linkRow->addWidget(chkAddLink);
  linkRow->addSpacing(12);
  linkRow->addWidget(lblLink_text);
  linkRow->addWidget(txtLink, 1);
  right->addLayout(linkRow);
  right->addStretch();

  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);

  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(Label1);
  folderRow->addWidget(txtFolders1, 1);
  folderRow->addWidget(cmdChooseFolder);

  auto* layout = new QVBoxLayout(frameSettings);
  layout->addLayout(columns);
  layout->addLayout(folderRow);
  layout->addWidget(buildCommandRow());
  return frameSettings;
}

QWidget* frmSettings::buildLightboxTab() {
  auto* page = new QWidget(this);
  frameLightbox = new QGroupBox(page);
  frameLightbox->setObjectName("frameLightbox");
  auto* look = new QHBoxLayout(frameLightbox);
  for (int index = 0; index < 4; ++index) {
    cmdLightbox_color[index] = colorButton(indexed("cmdLightbox_color", index));
    // The number of the pointer in the picture below that names the button's part.
    cmdLightbox_color[index]->setText(QString::number(index + 1));
    look->addWidget(cmdLightbox_color[index]);
  }
  look->addSpacing(12);
  cmdIimageDataContainer_font = button("cmdIimageDataContainer_font");
  look->addWidget(cmdIimageDataContainer_font);
  usImageDataContainer_size = numericBox("usImageDataContainer_size");
  look->addWidget(usImageDataContainer_size);
  lblImageContainerSample = new FontSample(this);
  lblImageContainerSample->setObjectName("lblImageContainerSample");
  lblImageContainerSample->setFixedHeight(kSampleHeight);
  lblImageContainerSample->setFontSize(usImageDataContainer_size->value());
  look->addWidget(lblImageContainerSample, 1);

  imgLigthboxSettings = label("imgLigthboxSettings");
  imgLigthboxSettings->setPixmap(drawLightboxPicture());
  imgLigthboxSettings->setAlignment(Qt::AlignCenter);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(frameLightbox);
  layout->addWidget(imgLigthboxSettings, 1);
  return page;
}

void frmSettings::connectHandlers() {
  commands_.connect(cmdBackground_color, this, [this] { pickColor(*cmdBackground_color); });
  commands_.connect(cmdWebTitle_font_color, this, [this] { pickColor(*cmdWebTitle_font_color); });
  commands_.connect(cmdImg_border_color, this, [this] { pickColor(*cmdImg_border_color); });
  commands_.connect(cmdImg_title_color, this, [this] { pickColor(*cmdImg_title_color); });
  commands_.connect(cmdSlide_padding_color, this, [this] { pickColor(*cmdSlide_padding_color); });
  for (auto* border : cmdSlide_border_color) {
    commands_.connect(border, this, [this, border] { pickColor(*border); });
  }
  for (int index = 0; index < 4; ++index) {
    commands_.connect(cmdLightbox_color[index], this, [this, index] { cmdLightbox_color_Click(index); });
  }
  commands_.connect(cmdWebTitleFont, this, [this] { cmdWebTitleFont_Click(); });
  commands_.connect(cmdImg_choose_font, this, [this] { cmdImg_choose_font_Click(); });
  commands_.connect(cmdIimageDataContainer_font, this, [this] { cmdIimageDataContainer_font_Click(); });

  connect(usWebTitle_font_size, &NumericBox::change, this, [this](double& v) { usWebTitle_font_size_Change(v); });
  connect(usImg_font_size, &NumericBox::change, this, [this](double& v) { usImg_font_size_Change(v); });
  connect(usImageDataContainer_size, &NumericBox::change, this,
          [this](double& v) { usImageDataContainer_size_Change(v); });
  for (int index = 0; index < 2; ++index) {
    connect(usImgSize[index], &NumericBox::change, this, [this, index](double& v) { usImgSize_Change(index, v); });
  }
  connect(usSlide_cell_padding, &NumericBox::change, this, [this](double&) { usSlide_cell_padding_Change(); });

  for (int index = 0; index < 3; ++index) {
    connect(OpStyle[index], &QRadioButton::toggled, this, [this, index](bool checked) {
      if (checked) OpStyle_Click(index);
    });
  }
  for (int index = 0; index < 2; ++index) {
    commands_.connect(cmdBackgroundImage[index], this, [this, index] { cmdBackgroundImage_Click(index); });
    commands_.connect(cmdSettings[index], this, [this, index] { cmdSettings_Click(index); });
  }
  commands_.connect(cmdChooseFolder, this, [this] { cmdChooseFolder_Click(); });
  commands_.connect(cmdRestoreDefaults, this, [this] { cmdRestoreDefaults_Click(); });
  commands_.connect(cmdLang, this, [this] { cmdLang_Click(); });
  commands_.connect(cmdExit, this, [this] { cmdExit_Click(); });
  connect(SSTab1, &QTabWidget::currentChanged, this, [this](int index) {
    const int previous = currentTab_;
    currentTab_ = index;
    SSTab1_Click(previous);
  });
}

}  // namespace velvara::settings
