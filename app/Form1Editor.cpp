// The window's calls into the project editor: the thumbnail strip, the
// selection and the edit panel. Until their classes take these over, nothing
// can be selected, so there is never a panel to store or show, and the strip
// keeps the previews without cells of its own.
#include <QComboBox>

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
  }
}

void Form1::arrangeSlides() { layoutControls(); }

void Form1::clearImageList() { data_.project.images.clear(); }

std::vector<std::int32_t> Form1::selectedImages() const { return {}; }

void Form1::stripAfterRemoval() { arrangeSlides(); }

}  // namespace velvara::app
