#pragma once
// The settings dialog. While it is loaded, shown or hidden, its controls are
// the working copy of the gallery settings: setValues copies the record into
// them, getValues copies them back. Closing it always keeps the edits and
// rewrites the default settings file; there is no cancel.
#include <QDialog>
#include <array>
#include <cstdint>

#include "core/host/Host.h"
#include "platform/mlruntime/LanguageSupport.h"
#include "settings/SettingsServices.h"
#include "widgets/colors/frmHexaColor.h"
#include "widgets/commands/CommandGate.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace velvara::widgets {
class usNumericBox;
}

namespace velvara::settings {

class ColorButton;
class FontSample;
class QuickHelpPage;

class frmSettings : public QDialog {
  Q_OBJECT

 public:
  // Loads the window (hidden): captions in the current language, the record
  // shown in the controls.
  explicit frmSettings(SettingsServices services, QWidget* parent = nullptr);
  ~frmSettings() override;

  // Controls to record.
  void getValues();
  // Record to controls.
  void setValues();

  // The record's parent-link address, unchanged, in its box.
  void showHomeUrl();

  // Shows the window modally until it is closed; the language button's
  // hiding and showing again happens inside.
  void showModal();
  // Whether the window has been closed: it then has written its values back
  // and is to be unloaded by its owner.
  bool closed() const { return closed_; }
  // The closing steps, for an owner that unloads the window without the
  // user closing it (the program's end): record updated, default settings
  // file rewritten.
  void queryUnload();

 protected:
  void done(int result) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  using NumericBox = widgets::usNumericBox;

  // Building the window.
  NumericBox* numericBox(const char* name);
  ColorButton* colorButton(const QString& name);
  QPushButton* button(const QString& name);
  QLabel* label(const QString& name);
  QLineEdit* lineEdit(const QString& name);
  QWidget* buildSettingsTab();
  QGroupBox* buildStyleFrame();
  QGroupBox* buildTitleFrame();
  QGroupBox* buildCellFrame();
  QGroupBox* buildImageFrame();
  QGroupBox* buildThumbFrame();
  QWidget* buildCommandRow();
  QWidget* buildLightboxTab();
  void connectHandlers();

  void setFormCaption();
  void applyLanguage();
  void applyAccessibleNames();
  void applyStyleLayout();
  std::string text(int id) const;

  // Commands.
  void cmdChooseFolder_Click();
  void cmdExit_Click();
  void cmdLang_Click();
  void cmdBackgroundImage_Click(int index);
  void cmdRestoreDefaults_Click();
  void cmdSettings_Click(int index);
  void OpStyle_Click(int index);
  void SSTab1_Click(int previousTab);

  // Pickers and size rules.
  void pickColor(ColorButton& button);
  void cmdLightbox_color_Click(int index);
  void pickFont(FontSample& sample, NumericBox& sizeBox, double startSize, bool lightbox);
  void cmdWebTitleFont_Click();
  void cmdImg_choose_font_Click();
  void cmdIimageDataContainer_font_Click();
  void usWebTitle_font_size_Change(double numValue);
  void usImg_font_size_Change(double numValue);
  void usImageDataContainer_size_Change(double numValue);
  void usImgSize_Change(int index, double numValue);
  void usSlide_cell_padding_Change();
  void setCellMinimum(int index);
  void raiseCellToThumb(int index, double thumbSize);

  // Binding helpers.
  void setBoxToWholeNumber(NumericBox& box, const std::string& text, bool sixteenBits = false);
  std::string boxText(NumericBox& box);
  void setStyleOption(std::int16_t galleryStyle);

  SettingsServices services_;
  mlruntime::LanguageSupport ml_RuntimeSupport;
  // The colour dialog, with the web palette it opens: loaded with this window
  // and unloaded with it, keeping its working colour between picks.
  widgets::frmHexaColor frmHexaColor;
  // The buttons' commands, one at a time: a screen reader can press one while
  // another's message or dialog is up, such as Exit's report that the default
  // settings could not be written.
  widgets::CommandGate commands_{services_.host};
  bool closed_ = false;
  bool reshow_ = false;
  int currentTab_ = 0;

  QTabWidget* SSTab1 = nullptr;
  QWidget* frameSettings = nullptr;
  QuickHelpPage* frameImages = nullptr;
  QGroupBox* frameLightbox = nullptr;

  QGroupBox* frmStyle = nullptr;
  std::array<QRadioButton*, 3> OpStyle{};

  QGroupBox* frameTitle = nullptr;
  QLineEdit* txtWebTitle = nullptr;
  QPushButton* cmdWebTitleFont = nullptr;
  ColorButton* cmdWebTitle_font_color = nullptr;
  NumericBox* usWebTitle_font_size = nullptr;
  FontSample* lblWebTitle_font_name = nullptr;
  ColorButton* cmdBackground_color = nullptr;
  QLabel* lblBackground_color = nullptr;
  std::array<QLineEdit*, 2> txtBackGroundImage{};
  std::array<QPushButton*, 2> cmdBackgroundImage{};
  QCheckBox* chkAddParentUrl = nullptr;
  std::array<QLineEdit*, 2> txtHomeUrl{};
  QLabel* lblHomeUrl = nullptr;
  QLabel* Label2 = nullptr;

  QGroupBox* frameSlide = nullptr;
  std::array<NumericBox*, 2> usSlideSize{};
  NumericBox* usSlide_border_width = nullptr;
  NumericBox* usSlide_cell_spacing = nullptr;
  NumericBox* usSlide_cell_padding = nullptr;
  std::array<ColorButton*, 4> cmdSlide_border_color{};
  ColorButton* cmdSlide_padding_color = nullptr;
  QLabel* lblSlide_border_color = nullptr;
  QLabel* lblCellBackgroundImage = nullptr;

  QGroupBox* frmImage = nullptr;
  std::array<NumericBox*, 2> usImageSize{};
  NumericBox* usQuality = nullptr;

  QGroupBox* frameThumb = nullptr;
  std::array<NumericBox*, 2> usImgSize{};
  NumericBox* usNumBorderWidth = nullptr;
  ColorButton* cmdImg_border_color = nullptr;
  NumericBox* usImg_font_size = nullptr;
  QPushButton* cmdImg_choose_font = nullptr;
  FontSample* lblImg_font_name = nullptr;
  ColorButton* cmdImg_title_color = nullptr;
  QComboBox* cboImg_title_align = nullptr;
  QLabel* lblImgaeTitle = nullptr;
  QLabel* lblImg_title_align = nullptr;
  QLabel* lblImg_title_color = nullptr;
  QLabel* txtImg_border_color = nullptr;

  NumericBox* usColumns = nullptr;
  NumericBox* usRows = nullptr;
  QCheckBox* chkAspectRatio = nullptr;
  QCheckBox* chkAddLink = nullptr;
  QLineEdit* txtLink = nullptr;
  QLabel* lblLink_text = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* txtFolders1 = nullptr;
  QPushButton* cmdChooseFolder = nullptr;
  std::array<QPushButton*, 2> cmdSettings{};
  QPushButton* cmdRestoreDefaults = nullptr;
  QPushButton* cmdLang = nullptr;
  QPushButton* cmdExit = nullptr;

  std::array<ColorButton*, 4> cmdLightbox_color{};
  QPushButton* cmdIimageDataContainer_font = nullptr;
  NumericBox* usImageDataContainer_size = nullptr;
  FontSample* lblImageContainerSample = nullptr;
  QLabel* imgLigthboxSettings = nullptr;
};

}  // namespace velvara::settings
