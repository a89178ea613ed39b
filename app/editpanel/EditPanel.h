#pragma once
// The edit panel below the thumbnail strip: the details of the one selected
// image (file name, title, tooltip, link, link text, where the link opens),
// stored back into the image by commitImageDetails, with Previous and Next,
// Enter moving from field to field, the remembered addresses in the link box
// and the two Links commands that act on every image.
#include <QFrame>
#include <array>
#include <string>

#include "app/strip/ImageDetails.h"
#include "app/strip/SelectionSource.h"
#include "core/helpers/KeyedCollection.h"
#include "core/host/Prompts.h"
#include "core/model/Project.h"
#include "i18n/StringService.h"
#include "widgets/commands/CommandGate.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velvara::widgets {
class AddressCombo;
}

namespace velvara::app {

class EditPanel : public QFrame, public ImageDetails {
  Q_OBJECT

 public:
  // The panel's designed size in pixels.
  static constexpr int kWidth = 481;
  static constexpr int kHeight = 193;

  // Previous and Next are commands of the main window: they pass its gate.
  EditPanel(core::Project& project, core::KeyedCollection<std::string>& urlHistory, const i18n::StringService& strings,
            core::Prompts& prompts, widgets::CommandGate& commands, QWidget* parent = nullptr);

  // The strip whose selection the panel shows; set once, before any use.
  void setSelectionSource(SelectionSource& selection) { selection_ = &selection; }

  void commitImageDetails() override;
  void showImageDetails(std::int32_t index) override;
  void stepImage(bool forward) override;

  // Option captions and the link text's visibility for the display style.
  void setOpenModeCaptions();
  // The link box's list from the remembered addresses, in their order.
  void fillUrlCombo();
  // Captions and tooltips in the current language.
  void applyLanguage();

  // Links menu, "Link text= default value": every image's link text becomes
  // the settings' default link text.
  void setDefaultLinkTextOnAllImages();
  // Links menu, "Add link to image": asks for an address (titled with the
  // menu item's caption) and gives it to every image as typed.
  void addLinkToAllImages(const std::string& menuCaption);

 private:
  bool editable() const;
  void moveFocusOnEnter(int field);
  void rememberUrl(const std::string& url);

  core::Project& project_;
  core::KeyedCollection<std::string>& urlHistory_;
  const i18n::StringService& strings_;
  core::Prompts& prompts_;
  SelectionSource* selection_ = nullptr;

  QCheckBox* chkAutoUpdate_;
  QFrame* frmImDesc_;
  std::array<QLineEdit*, 4> txtPhotos_;
  std::array<QLabel*, 5> lblPhotos_;
  widgets::AddressCombo* comboURL_;
  std::array<QRadioButton*, 2> opUrlOpen_;
  std::array<QPushButton*, 2> cmdUpdateItem_;
};

}  // namespace velvara::app
