#include "widgets/colors/frmHexaColor.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <array>

#include "core/helpers/Colors.h"
#include "i18n/AddedStrings.h"
#include "platform/mlruntime/LanguageSupport.h"
#include "platform/windowing/DialogOwner.h"
#include "platform/windowing/WindowPlacement.h"
#include "platform/windowing/WindowTitle.h"
#include "widgets/colors/ColorLabel.h"
#include "widgets/design/Twips.h"

namespace velvara::widgets {

namespace {

constexpr int kStrCancel = 9;
constexpr int kStrChooseWindowsColor = 8;
constexpr int kStrChooseHtmlColor = 5;
constexpr int kStrSetBlack = 7;
constexpr int kStrSetWhite = 6;
constexpr const char* kPartNames[3] = {" R: #", " G: #", " B: #"};

}  // namespace

// One showing of the dialog: its controls, built when it loads and gone when
// it unloads.
class HexaColorWindow : public QDialog {
 public:
  explicit HexaColorWindow(frmHexaColor& owner) : QDialog(windowing::dialogOwner()), owner_(owner) {
    setObjectName("frmHexaColor");
    const double scale = designScale(fontMetrics());
    setFixedSize(twipsRect(0, 0, 4770, 2370, scale).size());
    lblSample_ = new ColorLabel(this);
    lblSample_->setObjectName("lblSample");
    lblSample_->setGeometry(twipsRect(120, 120, 1215, 1095, scale));
    for (int i = 0; i < 3; ++i) {
      sliderRGB_[i] = new QSlider(Qt::Horizontal, this);
      sliderRGB_[i]->setObjectName(QString("sliderRGB_%1").arg(i));
      sliderRGB_[i]->setRange(0, 255);
      sliderRGB_[i]->setGeometry(twipsRect(1440, 240 + 360 * i, 2415, 255, scale));
      lblRGB_[i] = new QLabel(this);
      lblRGB_[i]->setObjectName(QString("lblRGB_%1").arg(i));
      lblRGB_[i]->setGeometry(twipsRect(4035, 180 + 360 * i, 645, 270, scale));
      connect(sliderRGB_[i], &QSlider::valueChanged, this, [this, i](int value) {
        part(i) = static_cast<std::uint32_t>(value);
        refreshDisplay();
      });
    }
    for (int i = 0; i < 2; ++i) {
      picBW_[i] = new ColorLabel(this);
      picBW_[i]->setObjectName(QString("picBW_%1").arg(i));
      picBW_[i]->setFrameStyle(QFrame::Box | QFrame::Plain);
      picBW_[i]->setGeometry(twipsRect(2160 + 120 * i, 1320 + 120 * i, 375, 375, scale));
      picBW_[i]->setBackColor(i == 0 ? 0 : 0xFFFFFF);
      connect(picBW_[i], &ColorLabel::clicked, this, [this, i] { setFromColor(i == 0 ? 0 : 0xFFFFFF); });
      cmdChooseColor_[i] = new QPushButton(this);
      cmdChooseColor_[i]->setObjectName(QString("cmdChooseColor_%1").arg(i));
      cmdChooseColor_[i]->setGeometry(twipsRect(120 + 2640 * i, 1320, 1935, 375, scale));
    }
    // The white swatch overlaps the black one.
    picBW_[1]->raise();
    cmdOK_ = new QPushButton("OK", this);
    cmdOK_->setObjectName("cmdOK");
    cmdOK_->setAccessibleName("OK");
    cmdOK_->setGeometry(twipsRect(1080, 1920, 1215, 375, scale));
    cmdCancel_ = new QPushButton(this);
    cmdCancel_->setObjectName("cmdCancel");
    cmdCancel_->setGeometry(twipsRect(2400, 1920, 1215, 375, scale));

    connect(cmdChooseColor_[0], &QPushButton::clicked, this, [this] {
      if (const auto color = owner_.prompts_.askColor(owner_.workingColor(), std::string())) setFromColor(*color);
    });
    connect(cmdChooseColor_[1], &QPushButton::clicked, this, [this] {
      std::uint32_t color = 0;
      if (owner_.webColors_.bChooseColor(windowTitle().toStdString(), color)) setFromColor(color);
    });
    connect(cmdOK_, &QPushButton::clicked, this, [this] {
      okPressed_ = true;
      for (int i = 0; i < 3; ++i) part(i) = static_cast<std::uint32_t>(sliderRGB_[i]->value());
      accept();
    });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] {
      okPressed_ = false;
      reject();
    });
    // The dialog has no default button: Enter in a slider opens no other
    // picker, and a focused button is pressed with the space bar.
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);
    loadCaptions();
    // A window that has just loaded shows black until a colour is set.
    lblSample_->setBackColor(0);
  }

  void setFromColor(std::uint32_t color) {
    const std::uint32_t blue = color / 65536;
    const std::uint32_t rest = color % 65536;
    const std::array<std::uint32_t, 3> parts = {rest % 256, rest / 256, blue};
    for (int i = 0; i < 3; ++i) {
      sliderRGB_[i]->setValue(static_cast<int>(parts[i]));
      part(i) = parts[i];
    }
    refreshDisplay();
  }

  bool okPressed() const { return okPressed_; }

 private:
  std::uint32_t& part(int i) { return i == 0 ? owner_.red_ : (i == 1 ? owner_.green_ : owner_.blue_); }

  void refreshDisplay() {
    for (int i = 0; i < 3; ++i) {
      lblRGB_[i]->setText(kPartNames[i] + QString::number(part(i), 16).toUpper());
      lblRGB_[i]->setAccessibleName(lblRGB_[i]->text());
      sliderRGB_[i]->setAccessibleName(lblRGB_[i]->text());
    }
    lblSample_->setBackColor(owner_.workingColor());
    nameSample();
  }

  void nameSample() {
    const std::string color = core::colorToHtml(static_cast<std::int32_t>(owner_.workingColor()));
    lblSample_->setAccessibleName(
        QString::fromStdString(owner_.strings_.fillIn(i18n::added::kNameColorValue, {color})));
  }

  void loadCaptions() {
    const auto text = [this](int id) { return QString::fromStdString(owner_.strings_.loadMlString(id)); };
    cmdCancel_->setText(text(kStrCancel));
    cmdChooseColor_[0]->setText(text(kStrChooseWindowsColor));
    cmdChooseColor_[1]->setText(text(kStrChooseHtmlColor));
    picBW_[0]->setToolTip(text(kStrSetBlack));
    picBW_[1]->setToolTip(text(kStrSetWhite));
    for (QWidget* control : {static_cast<QWidget*>(cmdCancel_), static_cast<QWidget*>(cmdChooseColor_[0]),
                             static_cast<QWidget*>(cmdChooseColor_[1])}) {
      control->setAccessibleName(static_cast<QPushButton*>(control)->text());
    }
    picBW_[0]->setAccessibleName(picBW_[0]->toolTip());
    picBW_[1]->setAccessibleName(picBW_[1]->toolTip());
    nameSample();
  }

  frmHexaColor& owner_;
  mlruntime::LanguageSupport languageSupport_{[this](int langId, const std::string& langName) {
    owner_.strings_.setCurrentLanguage(langId, langName);
    loadCaptions();
  }};
  ColorLabel* lblSample_;
  std::array<QSlider*, 3> sliderRGB_{};
  std::array<QLabel*, 3> lblRGB_{};
  std::array<ColorLabel*, 2> picBW_{};
  std::array<QPushButton*, 2> cmdChooseColor_{};
  QPushButton* cmdOK_;
  QPushButton* cmdCancel_;
  bool okPressed_ = false;
};

bool frmHexaColor::bDoModal(const std::string& sTitle, std::uint32_t& colorRGB, std::int32_t X, std::int32_t Y) {
  HexaColorWindow window(*this);
  window.setFromColor(colorRGB);
  windowing::setShownTitle(window, QString::fromStdString(sTitle));
  // At the caller's place, as far as the screen allows.
  window.move(twipsToPixels(X), twipsToPixels(Y));
  windowing::openOnOwnersScreen(window);
  window.exec();
  if (!window.okPressed()) return false;
  colorRGB = workingColor();
  return true;
}

}  // namespace velvara::widgets
