// The window's calls into the project editor: the thumbnail strip, the
// selection and the edit panel. Until their classes take these over, nothing
// can be selected, so there is never a panel to store or show, and the strip
// only shows each image's preview in its cell, row by row.
#include <QComboBox>
#include <algorithm>

#include "app/Form1.h"
#include "core/imaging/LoadFitted.h"

namespace velvara::app {

void Form1::commitImageDetails() {}

void Form1::showImageDetails(int) {}

void Form1::setOpenModeCaptions() {}

void Form1::fillUrlCombo() {
  controls_.comboURL->clear();
  for (const auto& [key, address] : data_.urlHistory) {
    if (!address.empty()) controls_.comboURL->addItem(QString::fromStdString(address));
  }
}

void Form1::reloadAllSlides() {
  auto& images = data_.project.images;
  for (std::int32_t i = 0; i < images.count(); ++i) {
    images.releasePreview(i);
    imagelib::Bitmap preview;
    if (core::loadFitted(data_.library, images.item(i).sourcePath, static_cast<float>(state_.previewBoxWidth),
                         static_cast<float>(state_.previewBoxHeight), preview)) {
      images.setPreview(i, std::move(preview));
    }
    while (static_cast<std::int32_t>(cells_.size()) <= i) {
      auto* cell = new widgets::usSlide(strings_, controls_.pbInner);
      cell->setObjectName(QStringLiteral("usSlide1_%1").arg(cells_.size()));
      cell->setSlideWidth(state_.stripCellWidth);
      cell->setSlideHeight(state_.stripCellHeight);
      cell->setBackColor(0x808080);
      cells_.push_back(cell);
    }
    widgets::usSlide& cell = *cells_[i];
    if (images.item(i).thumbnailCached) {
      const imagelib::Bitmap& bitmap = images.bitmap(i);
      cell.setPicHeightPercentOfWidth(static_cast<double>(bitmap.height) / bitmap.width);
      cell.pictureBox().setFillColor(widgets::kPlaceholderColor);
      cell.pictureBox().paintBitmap(bitmap);
      cell.setTooltip(images.item(i).title);
    } else {
      cell.clearPicture();
    }
    cell.show();
  }
}

void Form1::arrangeSlides() {
  const std::int32_t count = data_.project.images.count();
  // The canvas stays within the platform's 32000 pixels.
  const std::int32_t perRow = std::clamp(state_.picInRow, 1, 32000 / state_.stripCellWidth);
  for (std::int32_t i = 0; i < static_cast<std::int32_t>(cells_.size()); ++i) {
    cells_[i]->move((i % perRow) * state_.stripCellWidth, (i / perRow) * state_.stripCellHeight);
  }
  const std::int32_t rows = (count + perRow - 1) / perRow;
  controls_.pbInner->resize(perRow * state_.stripCellWidth, rows * state_.stripCellHeight);
  layoutControls();
}

void Form1::clearImageList() {
  for (widgets::usSlide* cell : cells_) cell->hide();
  data_.project.images.clear();
}

std::vector<std::int32_t> Form1::selectedImages() const { return {}; }

void Form1::stripAfterRemoval() { arrangeSlides(); }

}  // namespace velvara::app
