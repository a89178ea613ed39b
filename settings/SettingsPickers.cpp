// The colour and font pickers of the settings dialog, the samples they
// update, and the rules that keep each cell at least as large as its
// thumbnail. None of them touches the record: picks reach it at the next
// getValues.
#include "core/host/Host.h"
#include "i18n/StringService.h"
#include "settings/binding/NumberTexts.h"
#include "settings/controls/ColorButton.h"
#include "settings/controls/FontSample.h"
#include "settings/frmSettings.h"
#include "widgets/design/Twips.h"
#include "widgets/numericbox/usNumericBox.h"

namespace velvara::settings {
namespace {

constexpr int kNoFontSelected = 170;

}  // namespace

void frmSettings::pickColor(ColorButton& button) {
  auto color = static_cast<std::uint32_t>(button.color());
  // The dialog opens with its top-left corner on the button, in twips.
  const QPoint at = button.mapToGlobal(QPoint(0, 0)) * static_cast<int>(widgets::kTwipsPerPixel);
  if (!frmHexaColor.bDoModal(button.toolTip().toStdString(), color, at.x(), at.y())) return;
  const auto picked = static_cast<std::int32_t>(color & 0xFFFFFF);
  button.setColor(picked);
  if (&button == cmdBackground_color) lblWebTitle_font_name->setBackColor(picked);
  if (&button == cmdWebTitle_font_color) lblWebTitle_font_name->setTextColor(picked);
  if (&button == cmdImg_title_color) lblImg_font_name->setTextColor(picked);
  if (&button == cmdSlide_padding_color) lblImg_font_name->setBackColor(picked);
}

void frmSettings::cmdLightbox_color_Click(int index) {
  ColorButton& button = *cmdLightbox_color[index];
  pickColor(button);
  // The caption sample takes the button's colour whether or not the user
  // confirmed a new one.
  if (index == 2) lblImageContainerSample->setBackColor(button.color());
  if (index == 3) lblImageContainerSample->setTextColor(button.color());
}

void frmSettings::pickFont(FontSample& sample, NumericBox& sizeBox, double startSize, bool lightbox) {
  core::FontChoice start;
  start.name = sample.fontName().toStdString();
  start.size = startSize;
  start.bold = lightbox && sample.bold();
  // A cancelled dialog answers with what it was opened on, so the current
  // font and size are applied again.
  const core::FontChoice chosen = services_.host.askFont(start).value_or(start);
  if (chosen.name.empty()) {
    services_.host.showMessage({core::MessageIcon::None, core::MessageButtons::Ok, std::nullopt,
                                services_.strings.loadMlString(kNoFontSelected, "No font selected!")});
    return;
  }
  // The box comes first, so its change handler already sizes the sample; a
  // size outside the box's range is refused by the box, the sample takes it.
  sizeBox.setValue(chosen.size);
  const QString name = QString::fromStdString(chosen.name);
  sample.setFontName(name);
  sample.setText(name);
  sample.setFontSize(chosen.size);
  if (lightbox) {
    sample.setBold(chosen.bold);
    sizeBox.setValue(sample.fontSize());
  }
}

void frmSettings::cmdWebTitleFont_Click() {
  pickFont(*lblWebTitle_font_name, *usWebTitle_font_size, usWebTitle_font_size->value(), false);
}

void frmSettings::cmdImg_choose_font_Click() {
  pickFont(*lblImg_font_name, *usImg_font_size, usImg_font_size->value(), false);
}

void frmSettings::cmdIimageDataContainer_font_Click() {
  pickFont(*lblImageContainerSample, *usImageDataContainer_size, lblImageContainerSample->fontSize(), true);
}

void frmSettings::usWebTitle_font_size_Change(double numValue) {
  lblWebTitle_font_name->setFontSize(leadingNumber(decimalText(numValue)));
}

void frmSettings::usImg_font_size_Change(double numValue) {
  lblImg_font_name->setFontSize(leadingNumber(decimalText(numValue)));
}

void frmSettings::usImageDataContainer_size_Change(double numValue) {
  lblImageContainerSample->setFontSize(static_cast<float>(numValue));
}

void frmSettings::raiseCellToThumb(int index, double thumbSize) {
  // The cell grows with the thumbnail; a smaller thumbnail leaves the cell. A
  // size beyond the 16-bit range raises nothing.
  const auto thumb = wholeNumber(thumbSize, true);
  if (thumb && *thumb > usSlideSize[index]->value()) usSlideSize[index]->setValue(*thumb);
}

void frmSettings::usImgSize_Change(int index, double numValue) {
  raiseCellToThumb(index, numValue);
  setCellMinimum(index);
}

void frmSettings::setCellMinimum(int index) {
  // The box ignores a minimum above its number, which the raise before
  // every call prevents.
  if (const auto thumb = wholeNumber(usImgSize[index]->value(), true)) usSlideSize[index]->setMin(*thumb);
}

void frmSettings::usSlide_cell_padding_Change() {
  for (int index = 0; index < 2; ++index) {
    raiseCellToThumb(index, usImgSize[index]->value());
    setCellMinimum(index);
  }
}

}  // namespace velvara::settings
