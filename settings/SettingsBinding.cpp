// Moving the settings record into the dialog's controls and back. The order
// of setValues matters: filling some boxes runs their change handlers (the
// size rules and the samples' sizes) in the step where the box changes.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "core/gallery/LightboxPackage.h"
#include "core/helpers/Colors.h"
#include "core/helpers/Urls.h"
#include "core/model/GallerySettings.h"
#include "settings/binding/NumberTexts.h"
#include "settings/binding/RecordTexts.h"
#include "settings/controls/ColorButton.h"
#include "settings/controls/FontSample.h"
#include "settings/frmSettings.h"
#include "widgets/numericbox/usNumericBox.h"

namespace velvara::settings {
namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

std::int16_t checkState(const QCheckBox& box) { return box.isChecked() ? 1 : 0; }

}  // namespace

void frmSettings::setBoxToWholeNumber(NumericBox& box, const std::string& text, bool sixteenBits) {
  // Only a damaged or foreign file holds a text that is no number; its box
  // keeps what it shows, and every other control is still filled.
  if (const auto number = wholeNumber(text, sixteenBits)) box.setValue(static_cast<double>(*number));
}

std::string frmSettings::boxText(NumericBox& box) { return decimalText(box.value()); }

void frmSettings::setStyleOption(std::int16_t galleryStyle) {
  if (galleryStyle >= 0 && galleryStyle < static_cast<std::int16_t>(OpStyle.size())) {
    OpStyle[galleryStyle]->setChecked(true);
    return;
  }
  // A style that no option stands for (a foreign file) selects none, so that
  // getValues keeps the stored number instead of an old choice.
  for (auto* option : OpStyle) {
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
  }
}

void frmSettings::setValues() {
  auto& s = services_.settings;
  usColumns->setValue(s.columns);
  usRows->setValue(s.rows);
  setBoxToWholeNumber(*usImageSize[0], s.imageWidth);
  setBoxToWholeNumber(*usImageSize[1], s.imageHeight);
  setBoxToWholeNumber(*usQuality, s.jpegQuality, true);
  setBoxToWholeNumber(*usImgSize[0], s.thumbWidth);
  setBoxToWholeNumber(*usImgSize[1], s.thumbHeight);
  usNumBorderWidth->setValue(leadingNumber(s.thumbBorderWidth));
  usImg_font_size->setValue(leadingNumber(s.titleFontSize));
  lblImg_font_name->setFontName(qt(s.titleFontName));
  lblImg_font_name->setFontSize(leadingNumber(boxText(*usImg_font_size)));

  s.titleAlign = normalTitleAlign(s.titleAlign);
  cboImg_title_align->setCurrentText(qt(s.titleAlign));

  cmdImg_title_color->setColor(core::htmlToColor(s.titleColor));
  cmdImg_border_color->setColor(core::htmlToColor(s.thumbBorderColor));
  cmdBackground_color->setColor(core::htmlToColor(s.pageBackColor));
  // A list with fewer than four colours leaves the buttons of the missing
  // ones as they are.
  const auto borderColors = splitBorderColors(s.cellBorderColors);
  for (std::size_t k = 0; k < borderColors.size(); ++k) cmdSlide_border_color[k]->setColor(borderColors[k]);

  setBoxToWholeNumber(*usSlide_border_width, s.cellBorderWidth);
  setBoxToWholeNumber(*usSlide_cell_spacing, s.cellSpacing);
  setBoxToWholeNumber(*usSlide_cell_padding, s.cellPadding);
  cmdSlide_padding_color->setColor(core::htmlToColor(s.cellBackColor));
  setCellMinimum(0);
  setCellMinimum(1);
  // A cell size below the thumbnail's is refused by its box (beep), which
  // keeps the thumbnail's size.
  setBoxToWholeNumber(*usSlideSize[0], s.cellWidth);
  setBoxToWholeNumber(*usSlideSize[1], s.cellHeight);

  txtWebTitle->setText(qt(s.webTitle));
  lblWebTitle_font_name->setFontName(qt(s.webTitleFontName));
  setBoxToWholeNumber(*usWebTitle_font_size, s.webTitleFontSize);
  cmdWebTitle_font_color->setColor(core::htmlToColor(s.webTitleColor));
  txtFolders1->setText(qt(s.destFolder));
  txtHomeUrl[0]->setText(qt(shownHomeUrl(s.homeUrl)));
  txtHomeUrl[1]->setText(qt(s.homeCaption));

  lblImg_font_name->setFontName(qt(s.titleFontName));
  lblWebTitle_font_name->setBackColor(cmdBackground_color->color());
  lblWebTitle_font_name->setTextColor(cmdWebTitle_font_color->color());
  lblWebTitle_font_name->setText(qt(s.webTitleFontName));
  lblImg_font_name->setBackColor(cmdSlide_padding_color->color());
  lblImg_font_name->setTextColor(cmdImg_title_color->color());
  lblImg_font_name->setText(qt(s.titleFontName));

  txtLink->setText(qt(s.defaultLinkText));
  chkAspectRatio->setChecked(s.keepAspectRatio != 0);
  chkAddParentUrl->setChecked(s.addParentLink != 0);
  chkAddLink->setChecked(s.addImageLinks != 0);
  setStyleOption(s.galleryStyle);
  txtBackGroundImage[0]->setText(qt(s.pageBackImage));
  txtBackGroundImage[1]->setText(qt(s.cellBackImage));

  // An empty style becomes the default in the record itself.
  s.lightboxStyle = core::normalisedLightboxStyle(s.lightboxStyle);
  core::LightboxStyle lightbox;
  core::splitLightboxStyle(s.lightboxStyle, lightbox);
  cmdLightbox_color[0]->setColor(core::htmlToColor(lightbox.overlayColor));
  cmdLightbox_color[1]->setColor(core::htmlToColor(lightbox.imageBoxColor));
  cmdLightbox_color[2]->setColor(core::htmlToColor(lightbox.captionBackColor));
  cmdLightbox_color[3]->setColor(core::htmlToColor(lightbox.captionColor));
  const core::CssFont captionFont = core::splitCssFont(lightbox.captionFont);
  usImageDataContainer_size->setValue(captionFont.sizePx);
  lblImageContainerSample->setFontName(qt(captionFont.family1));
  lblImageContainerSample->setBackColor(cmdLightbox_color[2]->color());
  lblImageContainerSample->setTextColor(cmdLightbox_color[3]->color());
  lblImageContainerSample->setFontSize(captionFont.sizePx);
  lblImageContainerSample->setBold(lightbox.captionWeight == "bold");
  lblImageContainerSample->setText(qt(captionFont.family1));

  applyStyleLayout();
}

void frmSettings::getValues() {
  // Text still being typed into a box is taken over before anything is read:
  // a thumbnail size committed late could otherwise raise its cell after the
  // cell size was read, leaving the record with a cell smaller than its
  // thumbnail.
  for (auto* box : findChildren<NumericBox*>()) box->value();

  auto& s = services_.settings;
  s.columns = wholeNumber(usColumns->value()).value_or(s.columns);
  s.rows = wholeNumber(usRows->value()).value_or(s.rows);
  s.cellWidth = boxText(*usSlideSize[0]);
  s.cellHeight = boxText(*usSlideSize[1]);
  s.cellBackColor = core::colorToHtml(cmdSlide_padding_color->color());
  s.imageWidth = boxText(*usImageSize[0]);
  s.imageHeight = boxText(*usImageSize[1]);
  s.jpegQuality = boxText(*usQuality);
  s.destFolder = txtFolders1->text().toStdString();
  s.homeUrl = core::normalizeUrl(txtHomeUrl[0]->text().toStdString());
  txtHomeUrl[0]->setText(qt(s.homeUrl));
  s.homeCaption = txtHomeUrl[1]->text().toStdString();
  s.thumbWidth = boxText(*usImgSize[0]);
  s.thumbHeight = boxText(*usImgSize[1]);
  s.thumbBorderWidth = boxText(*usNumBorderWidth);
  s.titleFontSize = boxText(*usImg_font_size);
  s.titleFontName = lblImg_font_name->fontName().toStdString();
  const QString align = cboImg_title_align->currentText();
  s.titleAlign = align.isEmpty() ? kCenter : align.toStdString();
  s.titleColor = core::colorToHtml(cmdImg_title_color->color());
  s.thumbBorderColor = core::colorToHtml(cmdImg_border_color->color());
  s.pageBackColor = core::colorToHtml(cmdBackground_color->color());
  s.cellBorderColors = joinBorderColors({cmdSlide_border_color[0]->color(), cmdSlide_border_color[1]->color(),
                                         cmdSlide_border_color[2]->color(), cmdSlide_border_color[3]->color()});
  s.cellBorderWidth = boxText(*usSlide_border_width);
  s.cellSpacing = boxText(*usSlide_cell_spacing);
  s.cellPadding = boxText(*usSlide_cell_padding);
  s.webTitle = txtWebTitle->text().toStdString();
  s.webTitleColor = core::colorToHtml(cmdWebTitle_font_color->color());
  s.webTitleFontSize = boxText(*usWebTitle_font_size);
  s.webTitleFontName = lblWebTitle_font_name->fontName().toStdString();
  s.defaultLinkText = txtLink->text().toStdString();
  s.keepAspectRatio = checkState(*chkAspectRatio);
  s.addParentLink = checkState(*chkAddParentUrl);
  s.addImageLinks = checkState(*chkAddLink);
  for (std::size_t index = 0; index < OpStyle.size(); ++index) {
    if (OpStyle[index]->isChecked()) {
      s.galleryStyle = static_cast<std::int16_t>(index);
      break;
    }
  }
  s.pageBackImage = txtBackGroundImage[0]->text().toStdString();
  s.cellBackImage = txtBackGroundImage[1]->text().toStdString();
  s.lightboxStyle =
      joinLightboxStyle({cmdLightbox_color[0]->color(), cmdLightbox_color[1]->color(), cmdLightbox_color[2]->color(),
                         cmdLightbox_color[3]->color(), boxText(*usImageDataContainer_size),
                         lblImageContainerSample->fontName().toStdString(), lblImageContainerSample->bold()});
}

}  // namespace velvara::settings
