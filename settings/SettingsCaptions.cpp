// The settings dialog's texts in the current language, set when it loads
// and again on every language change.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "core/model/GallerySettings.h"
#include "i18n/AddedStrings.h"
#include "i18n/StringService.h"
#include "settings/controls/ColorButton.h"
#include "settings/controls/FontSample.h"
#include "settings/frmSettings.h"
#include "settings/quickhelp/QuickHelpPage.h"
#include "widgets/access/AccessibleNames.h"
#include "widgets/numericbox/usNumericBox.h"

namespace velvara::settings {
namespace {

void setTip(QWidget& control, const QString& tip) {
  control.setToolTip(tip);
  control.setAccessibleName(tip);
}

void setCaption(QAbstractButton& control, const QString& caption) {
  control.setText(caption);
  control.setAccessibleName(caption);
}

void setCaption(QLabel& control, const QString& caption) {
  control.setText(caption);
  control.setAccessibleName(caption);
}

}  // namespace

void frmSettings::applyLanguage() {
  const auto t = [this](int id) { return QString::fromStdString(text(id)); };

  setWindowTitle(t(34));
  SSTab1->setTabText(0, t(34));
  SSTab1->setTabText(1, t(36));
  frmStyle->setTitle(t(275));
  setCaption(*cmdLang, t(263));
  setCaption(*cmdExit, t(257));
  setCaption(*cmdRestoreDefaults, t(73));
  cmdRestoreDefaults->setToolTip(t(74));
  setCaption(*cmdSettings[0], t(77));
  cmdSettings[0]->setToolTip(t(78));
  setCaption(*cmdSettings[1], t(76));
  cmdSettings[1]->setToolTip(t(252));
  setCaption(*chkAspectRatio, t(75));
  setCaption(*chkAddLink, t(250));
  chkAddLink->setToolTip(t(38));
  setCaption(*chkAddParentUrl, t(251));
  chkAddParentUrl->setToolTip(t(43));
  setCaption(*Label1, t(105));
  txtFolders1->setAccessibleName(t(105));
  cmdChooseFolder->setAccessibleName(t(169));
  setCaption(*lblLink_text, t(107));
  txtLink->setAccessibleName(t(107));
  frameTitle->setTitle(t(98));
  // A default page title follows the language; a title the user typed stays.
  const std::string title = txtWebTitle->text().toStdString();
  const std::string followed = core::webTitleInCurrentLanguage(title, services_.strings);
  if (followed != title) txtWebTitle->setText(QString::fromStdString(followed));
  txtWebTitle->setAccessibleName(t(98));
  for (auto* fontButton : {cmdWebTitleFont, cmdImg_choose_font, cmdIimageDataContainer_font}) {
    setCaption(*fontButton, t(84));
  }
  setTip(*cmdWebTitle_font_color, t(101));
  setTip(*cmdBackground_color, t(89));
  setCaption(*lblBackground_color, t(106));
  setCaption(*lblHomeUrl, t(104));
  setCaption(*Label2, t(103));
  setTip(*txtHomeUrl[0], t(100));
  setTip(*txtHomeUrl[1], t(99));
  setTip(*txtBackGroundImage[0], t(270));
  setTip(*txtBackGroundImage[1], t(269));
  cmdBackgroundImage[0]->setAccessibleName(t(270));
  cmdBackgroundImage[1]->setAccessibleName(t(269));
  frameSlide->setTitle(t(90));
  setCaption(*lblCellBackgroundImage, t(264));
  setCaption(*lblSlide_border_color, t(96));
  lblSlide_border_color->setToolTip(t(97));
  const int borderTips[] = {92, 93, 95, 94};
  for (int index = 0; index < 4; ++index) setTip(*cmdSlide_border_color[index], t(borderTips[index]));
  setTip(*cmdSlide_padding_color, t(91));
  frmImage->setTitle(t(88));
  frameThumb->setTitle(t(80));
  setCaption(*lblImgaeTitle, t(71));
  setCaption(*lblImg_title_align, t(86));
  setTip(*cboImg_title_align, t(83));
  widgets::setComboBoxName(*cboImg_title_align, t(83));
  setCaption(*lblImg_title_color, t(85));
  setCaption(*txtImg_border_color, t(85));
  setTip(*cmdImg_border_color, t(82));
  setTip(*cmdImg_title_color, t(81));
  frameImages->applyLanguage(services_.strings);

  usColumns->setBeforeString(text(230));
  usRows->setBeforeString(text(231));
  usRows->setAfterString(text(256));
  usSlideSize[0]->setBeforeString(text(221));
  usSlide_border_width->setBeforeString(text(223));
  usNumBorderWidth->setBeforeString(text(223));
  usSlide_cell_spacing->setBeforeString(text(224));
  usSlide_cell_padding->setBeforeString(text(225));
  usImageSize[0]->setBeforeString(text(226));
  usImgSize[0]->setBeforeString(text(226));
  usQuality->setBeforeString(text(228));
  usQuality->setAfterString(text(253));
  usImg_font_size->setBeforeString(text(246));
  usWebTitle_font_size->setBeforeString(text(219));
  usWebTitle_font_size->setToolTip(t(220));
  usImageDataContainer_size->setBeforeString(text(221));
  applyAccessibleNames();
}

// What a screen reader reads where the dialog's captions do not say enough:
// the second box of a size pair is captioned "x" only, several boxes share
// "Size" or "Image size", and the Lightbox page's colour buttons show only
// the numbers of the parts in its picture.
void frmSettings::applyAccessibleNames() {
  using namespace i18n::added;
  const auto t = [this](int id) { return QString::fromStdString(text(id)); };
  const std::pair<NumericBox*, int> boxes[] = {
      {usSlideSize[0], kSettingCellWidth},
      {usSlideSize[1], kSettingCellHeight},
      {usSlide_border_width, kSettingCellBorderWidth},
      {usSlide_cell_spacing, kSettingCellSpacing},
      {usSlide_cell_padding, kSettingCellPadding},
      {usImgSize[0], kSettingThumbWidth},
      {usImgSize[1], kSettingThumbHeight},
      {usNumBorderWidth, kSettingThumbBorderWidth},
      {usImg_font_size, kSettingTitleFontSize},
      {usImageSize[0], kSettingImageWidth},
      {usImageSize[1], kSettingImageHeight},
      {usQuality, kSettingJpegQuality},
      {usWebTitle_font_size, kSettingWebTitleFontSize},
      {usImageDataContainer_size, kNameCaptionFontSize},
  };
  for (const auto& [box, id] : boxes) box->setAccessibleLabel(t(id));
  frameLightbox->setAccessibleName(t(kNameLightboxLook));
  const int lightboxColors[] = {kNameOverlayColor, kNameImageBoxColor, kNameCaptionBackColor, kNameCaptionColor};
  for (int index = 0; index < 4; ++index) cmdLightbox_color[index]->setAccessibleName(t(lightboxColors[index]));
  imgLigthboxSettings->setAccessibleName(t(kNameLightboxPicture));
}

}  // namespace velvara::settings
