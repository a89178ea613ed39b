// The window's calls into the project editor: the thumbnail strip with its
// selection, the edit panel and the adding commands, and the menu items and
// buttons that lead to them.
#include <QAction>
#include <QCheckBox>
#include <QPushButton>

#include "app/Form1.h"
#include "app/MainHost.h"
#include "app/adding/ImageAdder.h"
#include "app/editpanel/EditPanel.h"
#include "app/strip/ThumbnailStrip.h"
#include "widgets/numericbox/usNumericBox.h"

namespace velvara::app {

void Form1::createEditor() {
  auto& c = controls_;
  strip_ = new ThumbnailStrip({c.pbOuter, c.pbInner, c.VScroll1, c.HScroll1}, data_.project, data_.library, *host_,
                              strings_, commands_, this);
  strip_->setImageDetails(*editPanel_);
  editPanel_->setSelectionSource(*strip_);
  strip_->setFormResize([this] { layoutControls(); });
  strip_->setPicInRowControl([this](std::int32_t n) { controls_.usPicInRow->setValue(n); });
  strip_->setImagesMenu(menus_.mnuPopUp_images);
  strip_->setRemoveSelected([this] { remove_images(true); });

  adder_ = new ImageAdder(*host_, data_.project, data_.library, *strip_, *editPanel_, data_.sourceFolder, this);
  adder_->setImageCommandsRule([this] {
    applyImageCommandsRule();
    menus_.mnuSaveAs->setEnabled(!data_.project.images.empty());
  });
  commands_.connect(c.cmdAddImage, this,
                    [this] { adder_->addImagesFromDialog(controls_.cmdAddImage->text().toStdString()); });
  commands_.connect(c.cmdAddFolder, this, [this] {
    adder_->addFolderFromBrowser(controls_.cmdAddFolder->text().toStdString(), controls_.chkAddSubfolders->isChecked());
  });
  commands_.connect(menus_.mnuSelectAll, strip_, [this] { strip_->selectAllToggle(); });
  commands_.connect(menus_.mnuUnselectAll, strip_, [this] { strip_->clearSelection(); });
  commands_.connect(menus_.mnuLinkCaption, editPanel_, [this] { editPanel_->setDefaultLinkTextOnAllImages(); });
  commands_.connect(menus_.mnuSetDefaultLink, this,
                    [this] { editPanel_->addLinkToAllImages(menus_.mnuSetDefaultLink->text().toStdString()); });
}

void Form1::commitImageDetails() { editPanel_->commitImageDetails(); }

void Form1::showImageDetails(int index) { editPanel_->showImageDetails(index); }

void Form1::setOpenModeCaptions() { editPanel_->setOpenModeCaptions(); }

void Form1::fillUrlCombo() { editPanel_->fillUrlCombo(); }

void Form1::reloadAllSlides() {
  strip_->reloadAllSlides(static_cast<float>(state_.previewBoxWidth), static_cast<float>(state_.previewBoxHeight));
}

void Form1::arrangeSlides() { strip_->arrangeSlides(); }

void Form1::clearImageList() { strip_->clearImageList(); }

std::vector<std::int32_t> Form1::selectedImages() const { return strip_->selectedImages(); }

void Form1::stripAfterRemoval() {
  strip_->unselectAllSlides();
  strip_->unloadCellsFrom(data_.project.images.count());
  strip_->repaintSlides();
  strip_->arrangeSlides();
}

}  // namespace velvara::app
