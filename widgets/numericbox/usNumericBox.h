#pragma once
// The numeric entry box: a caption, a text field with an optional up-down
// spinner, and a unit caption. It keeps one number between Min and Max, lets
// only digits, a leading minus and (in decimal boxes) one decimal separator
// be typed, commits typed text on Enter, on leaving the field and whenever
// the number is read, and raises change() for every change of the number.
//
// Using it in a form:
//   auto* box = usNumericBox::fromDesign(formDesign(), "usPicInRow", strings, prompts, this);
//   box->setGeometry(...);                  // the height is the form's; the width is the box's own
//   connect(box, &usNumericBox::change, this, [](double& numValue) { ... });
//   setTabIndex(*box, 3);                   // so that other boxes' focus moves find it
//
// Stored properties (widgets/design/PropertyBag.h), read and written in this
// order; name, type, default:
//   "BackColor" long 0x80000005, "ForeColor" long 0x80000008, "Enabled" bool
//   true, "Font" font (the parent's), "BorderStyle" long 1 (0 none, 1 line),
//   "BeforeStringAlign" long 0 (0 left, 1 right, 2 centre), "BeforeString"
//   text (a missing entry reads as string 268 of the language current at
//   load time; "Value =" is not stored), "Value" double 0, "Min" double 0,
//   "Max" double 2147483647, "FormatString" text "0", "WidthBeforeString"
//   double 1200, "AfterString" text "px", "InfoMode" bool false,
//   "UpDownVisible" bool false, "UpDownInc" double 0, "WidthValue" double 900,
//   "WidthAfterString" double 300, "TimerInterval" long 50 (ms),
//   "SetFocusNextTabIndex" long -1, "SetFucusBackTabIndex" long -1,
//   "NumericType" long 0, "AutoSelect" bool true.
// Widths are in twips (15 per pixel).
#include <QFont>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/host/Prompts.h"
#include "i18n/StringService.h"
#include "platform/mlruntime/LanguageSupport.h"
#include "widgets/design/PropertyBag.h"

class QFrame;
class QLabel;
class QTimer;

namespace velvara::widgets {

class UpDownSpinner;
class ValueField;

enum NumericType : std::int32_t { ntLong = 0, ntInteger = 1, ntByte = 2, ntDecimal = 3 };

class usNumericBox : public QWidget {
  Q_OBJECT

 public:
  // A box as newly placed on a form: every property at its default.
  usNumericBox(i18n::StringService& strings, core::Prompts& prompts, QWidget* parent = nullptr);
  ~usNumericBox() override;

  // A box named name, loaded from the form's designed values.
  static usNumericBox* fromDesign(const FormDesign& design, const std::string& name, i18n::StringService& strings,
                                  core::Prompts& prompts, QWidget* parent);

  void readProperties(const PropertyBag& bag);
  void writeProperties(PropertyBag& bag) const;

  // The host's user-mode flag: true while the program runs, false while the
  // box is being designed. TimerInterval is usable only when it is false.
  bool userMode() const { return userMode_; }
  void setUserMode(bool userMode) { userMode_ = userMode; }

  std::uint32_t backColor() const { return backColor_; }
  void setBackColor(std::uint32_t color);
  std::uint32_t foreColor() const { return foreColor_; }
  void setForeColor(std::uint32_t color);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  void setFont(const QFont& font);
  std::int16_t borderStyle() const { return borderStyle_; }
  void setBorderStyle(std::int16_t style);
  std::string beforeString() const;
  void setBeforeString(const std::string& text);

  // Reading commits the typed text first while the field is being edited.
  double value();
  // Out of range or not a number: a beep, and the number stays.
  void setValue(double newValue);
  void setValue(std::string_view newValue);
  // The one setter that tests the range: newMin and newMax are taken first,
  // unchecked; then newValue is stored when it lies within them (true) or
  // refused with a beep (false). The field shows the number either way.
  bool letValue(double newValue, std::optional<double> newMin = {}, std::optional<double> newMax = {});
  bool letValue(std::string_view newValue, std::optional<double> newMin = {}, std::optional<double> newMax = {});

  double min() const { return min_; }
  // Ignored when above the number or above Max.
  void setMin(double newMin);
  double max() const { return max_; }
  // Ignored when below the number or below Min.
  void setMax(double newMax);
  const std::string& formatString() const { return formatString_; }
  void setFormatString(const std::string& pattern);
  float widthBeforeString() const { return widthBeforeString_; }
  void setWidthBeforeString(float twips);
  std::string afterString() const;
  void setAfterString(const std::string& text);
  bool infoMode() const { return infoMode_; }
  void setInfoMode(bool infoMode);
  bool upDownVisible() const { return upDownVisible_; }
  void setUpDownVisible(bool visible);
  float upDownInc() const { return upDownInc_; }
  void setUpDownInc(float step);
  std::int16_t beforeStringAlign() const { return beforeStringAlign_; }
  void setBeforeStringAlign(std::int16_t align);
  float widthValue() const { return widthValue_; }
  void setWidthValue(float twips);
  float widthAfterString() const { return widthAfterString_; }
  void setWidthAfterString(float twips);
  // Design time only: at run time reading raises ControlError 393 and
  // writing ControlError 382.
  std::int32_t timerInterval() const;
  void setTimerInterval(std::int32_t milliseconds);
  std::int16_t setFocusNextTabIndex() const { return setFocusNextTabIndex_; }
  void setSetFocusNextTabIndex(std::int16_t tabIndex);
  std::int16_t setFucusBackTabIndex() const { return setFucusBackTabIndex_; }
  void setSetFucusBackTabIndex(std::int16_t tabIndex);
  NumericType numericType() const { return numericType_; }
  void setNumericType(NumericType type);
  bool autoSelect() const { return autoSelect_; }
  void setAutoSelect(bool autoSelect);

  // The WidthValue, in twips, at which text shows whole in the field beside
  // the spinner, in the box's font.
  float widthValueShowing(const QString& text) const;

  // The name a screen reader reads for the box, its field and its spinner
  // where the caption alone does not say what the number is (a second box
  // captioned "x"); empty gives the caption back that role. Not stored.
  void setAccessibleLabel(const QString& name);

  QSize sizeHint() const override;

 signals:
  void click();
  void dblClick();
  // A handler may change the key; 0 suppresses the box's own handling.
  void keyDown(int& keyCode, int& shift);
  void keyPress(int& keyAscii);
  void keyUp(int& keyCode, int& shift);
  // Positions in pixels of the text field.
  void mouseDown(int button, int shift, double x, double y);
  void mouseMove(int button, int shift, double x, double y);
  void mouseUp(int button, int shift, double x, double y);
  // numValue is the stored number itself: a handler that assigns to it
  // replaces the number, without a range test.
  void change(double& numValue);
  // A stored property was written (a designer would save the box).
  void propertyChanged(const QString& name);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  friend class ValueField;

  // The field's handlers.
  void fieldKeyPressed(QKeyEvent& event);
  void fieldKeyReleased(QKeyEvent& event);
  void fieldFocusGained();
  bool validateBeforeLeaving();
  // Whether committing the typed text now would be accepted; commits nothing.
  bool acceptsTypedText() const;
  bool withinRange(double number) const;
  void fieldFocusLost();

  void commitTypedText();
  int filterKey(int keyAscii);
  void moveFocus(int tabIndex);
  void spinnerPressed(int y, int height);
  void spinnerReleased();
  void step();

  void showValue();
  void refreshTooltip();
  // The tooltip's text in the current language: string 196, Min and Max.
  QString validValues() const;
  void refreshReadOnlyDisplay();
  void applyEnabled();
  void applyBackColor();
  void applyBorderStyle();
  void applyNumericTypeBounds();
  void applyCaptionAlignment();
  void refreshAccessibleNames();
  void layOut();
  char decimalSeparator() const;
  std::string formatted(double number) const;
  QFont ambientFont() const;
  void beep() { prompts_.beep(); }

  i18n::StringService& strings_;
  core::Prompts& prompts_;
  mlruntime::LanguageSupport languageSupport_;

  QLabel* lblCaption_;
  QFrame* picValue_;
  ValueField* txtValue_;
  UpDownSpinner* upDown1_;
  QLabel* lblAfter_;
  QLabel* lblValue_;
  QTimer* timer1_;
  QString accessibleLabel_;

  double value_ = 0;
  double min_ = 0;
  double max_ = 2147483647.0;
  NumericType numericType_ = ntLong;
  std::string formatString_ = "0";
  float upDownInc_ = 0;
  std::int32_t timerInterval_ = 50;
  std::int16_t setFocusNextTabIndex_ = -1;
  std::int16_t setFucusBackTabIndex_ = -1;
  bool autoSelect_ = true;
  bool editing_ = false;
  int lastKeyCode_ = 0;

  std::uint32_t backColor_;
  std::uint32_t foreColor_;
  bool enabled_ = true;
  std::int16_t borderStyle_ = 1;
  std::int16_t beforeStringAlign_ = 0;
  float widthBeforeString_ = 1200;
  float widthValue_ = 900;
  float widthAfterString_ = 300;
  bool upDownVisible_ = false;
  bool infoMode_ = false;
  bool userMode_ = true;
  bool layingOut_ = false;
};

}  // namespace velvara::widgets
