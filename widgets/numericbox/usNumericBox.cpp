#include "widgets/numericbox/usNumericBox.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "widgets/design/ControlError.h"
#include "widgets/design/PlatformColor.h"
#include "widgets/design/TabIndex.h"
#include "widgets/input/KeyCodes.h"
#include "widgets/numericbox/NumberText.h"
#include "widgets/numericbox/NumericBoxLayout.h"
#include "widgets/numericbox/UpDownSpinner.h"
#include "widgets/numericbox/ValueField.h"

namespace velvara::widgets {

namespace {

constexpr int kStrUnitCaption = 3;
constexpr int kStrValueCaption = 2;
constexpr int kStrDisplay = 1;
constexpr int kStrValidValues = 196;
constexpr int kStrStoredValueCaption = 268;
// The caption a box is designed with; it is not stored, so that a box
// loaded later shows string 268 of the language current then.
constexpr const char* kDesignedCaption = "Value =";
constexpr const char* kDesignedUnit = "px";
constexpr double kDefaultMax = 2147483647.0;
constexpr int kFirstRepeatDelay = 500;
// The design height of a box, in twips, until its form sizes it.
constexpr int kDesignHeight = 330;
constexpr int kSpinnerWidth = 15;
// A line edit keeps this many pixels clear on either side of its text, and
// needs one more beside it for the cursor and one for a digit's overhang.
constexpr int kFieldTextMargin = 2;
constexpr int kCursorAndOverhang = 2;

struct TypeBounds {
  double lowest;
  double highest;
};

std::optional<TypeBounds> boundsOf(NumericType type) {
  switch (type) {
    case ntLong:
    case ntDecimal:
      return TypeBounds{-2147483648.0, 2147483647.0};
    case ntInteger:
      return TypeBounds{-32768.0, 32767.0};
    case ntByte:
      return TypeBounds{0.0, 255.0};
  }
  return std::nullopt;
}

std::string trimmed(const std::string& text) { return QString::fromStdString(text).trimmed().toStdString(); }

std::int32_t asLong(std::uint32_t color) { return static_cast<std::int32_t>(color); }

}  // namespace

usNumericBox::usNumericBox(i18n::StringService& strings, core::Prompts& prompts, QWidget* parent)
    : QWidget(parent),
      strings_(strings),
      prompts_(prompts),
      languageSupport_([this](int langId, const std::string& langName) {
        // The box has no captions of its own to reload: the containers set
        // them. Its tooltip takes the new language at its next refresh; what
        // a screen reader reads of the valid values takes it at once.
        strings_.setCurrentLanguage(langId, langName);
        refreshAccessibleNames();
      }),
      lblCaption_(new QLabel(this)),
      picValue_(new QFrame(this)),
      txtValue_(new ValueField(*this, picValue_)),
      upDown1_(new UpDownSpinner(picValue_)),
      lblAfter_(new QLabel(this)),
      lblValue_(new QLabel(this)),
      timer1_(new QTimer(this)),
      backColor_(kSystemWindowBackground),
      foreColor_(kSystemWindowText) {
  lblCaption_->setObjectName("lblCaption");
  picValue_->setObjectName("picValue");
  upDown1_->setObjectName("UpDown1");
  lblAfter_->setObjectName("lblAfter");
  lblValue_->setObjectName("lblValue");
  timer1_->setObjectName("Timer1");

  picValue_->setAutoFillBackground(true);
  applyBorderStyle();
  picValue_->setFocusProxy(txtValue_);
  setFocusProxy(txtValue_);
  upDown1_->setFixedWidth(kSpinnerWidth);
  upDown1_->onPressed = [this](int y, int height) { spinnerPressed(y, height); };
  upDown1_->onReleased = [this] { spinnerReleased(); };
  connect(timer1_, &QTimer::timeout, this, [this] {
    timer1_->setInterval(timerInterval_);
    step();
  });
  lblValue_->resize(lblValue_->width(), lblValue_->fontMetrics().height());
  txtValue_->resize(txtValue_->width(), txtValue_->fontMetrics().height() + 2);
  // The read-only display is shown in a box that is itself disabled; it
  // keeps the colours of enabled text.
  QPalette displayPalette = lblValue_->palette();
  displayPalette.setColor(QPalette::Disabled, QPalette::WindowText,
                          displayPalette.color(QPalette::Active, QPalette::WindowText));
  lblValue_->setPalette(displayPalette);
  resize(width(), twipsToPixels(kDesignHeight));

  lblAfter_->setText(QString::fromStdString(strings_.loadMlString(kStrUnitCaption)));
  lblCaption_->setText(QString::fromStdString(strings_.loadMlString(kStrValueCaption)));
  lblValue_->setText(QString::fromStdString(strings_.loadMlString(kStrDisplay)));

  // A box newly placed on a form; its field was designed showing the number.
  showValue();
  layOut();
  refreshTooltip();
  refreshReadOnlyDisplay();
  applyEnabled();
  applyBackColor();
  applyNumericTypeBounds();
  QWidget::setFont(ambientFont());
  applyCaptionAlignment();
  upDown1_->setVisible(upDownVisible_);
}

usNumericBox::~usNumericBox() {
  // The field goes first, while the box is whole. A field that has the focus
  // loses it in its own destruction, where it no longer validates, beeps or
  // commits; destroyed later with the box's other parts, its focus loss
  // would validate and commit into a box that is already gone.
  delete txtValue_;
}

usNumericBox* usNumericBox::fromDesign(const FormDesign& design, const std::string& name, i18n::StringService& strings,
                                       core::Prompts& prompts, QWidget* parent) {
  auto* box = new usNumericBox(strings, prompts, parent);
  box->setObjectName(QString::fromStdString(name));
  box->readProperties(design.control(name));
  return box;
}

void usNumericBox::readProperties(const PropertyBag& bag) {
  backColor_ = static_cast<std::uint32_t>(bag.readLong("BackColor", asLong(kSystemWindowBackground)));
  foreColor_ = static_cast<std::uint32_t>(bag.readLong("ForeColor", asLong(kSystemWindowText)));
  QPalette fieldPalette = txtValue_->palette();
  fieldPalette.setColor(QPalette::Text, toQColor(foreColor_));
  txtValue_->setPalette(fieldPalette);
  enabled_ = bag.readBool("Enabled", true);
  const QFont font = bag.readFont("Font", ambientFont());
  borderStyle_ = static_cast<std::int16_t>(bag.readLong("BorderStyle", 1));
  applyBorderStyle();
  beforeStringAlign_ = static_cast<std::int16_t>(bag.readLong("BeforeStringAlign", 0));
  lblCaption_->setText(
      QString::fromStdString(bag.readText("BeforeString", strings_.loadMlString(kStrStoredValueCaption))));
  value_ = bag.readDouble("Value", 0);
  min_ = bag.readDouble("Min", 0);
  max_ = bag.readDouble("Max", kDefaultMax);
  formatString_ = bag.readText("FormatString", "0");
  widthBeforeString_ = static_cast<float>(bag.readDouble("WidthBeforeString", 1200));
  lblAfter_->setText(QString::fromStdString(bag.readText("AfterString", kDesignedUnit)));
  infoMode_ = bag.readBool("InfoMode", false);
  upDownVisible_ = bag.readBool("UpDownVisible", false);
  upDownInc_ = static_cast<float>(bag.readDouble("UpDownInc", 0));
  widthValue_ = static_cast<float>(bag.readDouble("WidthValue", 900));
  widthAfterString_ = static_cast<float>(bag.readDouble("WidthAfterString", 300));
  timerInterval_ = bag.readLong("TimerInterval", 50);
  setFocusNextTabIndex_ = static_cast<std::int16_t>(bag.readLong("SetFocusNextTabIndex", -1));
  setFucusBackTabIndex_ = static_cast<std::int16_t>(bag.readLong("SetFucusBackTabIndex", -1));
  numericType_ = static_cast<NumericType>(bag.readLong("NumericType", ntLong));
  autoSelect_ = bag.readBool("AutoSelect", true);

  upDown1_->setVisible(upDownVisible_);
  applyCaptionAlignment();
  showValue();
  layOut();
  refreshTooltip();
  refreshReadOnlyDisplay();
  applyEnabled();
  applyBackColor();
  applyNumericTypeBounds();
  QWidget::setFont(font);
  refreshAccessibleNames();
}

void usNumericBox::writeProperties(PropertyBag& bag) const {
  bag.write("BackColor", asLong(backColor_), asLong(kSystemWindowBackground));
  bag.write("ForeColor", asLong(foreColor_), asLong(kSystemWindowText));
  bag.write("Enabled", enabled_, true);
  bag.write("Font", font(), ambientFont());
  bag.write("BorderStyle", std::int32_t{borderStyle_}, std::int32_t{1});
  bag.write("BeforeStringAlign", std::int32_t{beforeStringAlign_}, std::int32_t{0});
  bag.write("BeforeString", beforeString(), std::string(kDesignedCaption));
  bag.write("Value", value_, 0.0);
  bag.write("Min", min_, 0.0);
  bag.write("Max", max_, kDefaultMax);
  bag.write("FormatString", formatString_, std::string("0"));
  bag.write("WidthBeforeString", double{widthBeforeString_}, 1200.0);
  bag.write("AfterString", afterString(), std::string(kDesignedUnit));
  bag.write("InfoMode", infoMode_, false);
  bag.write("UpDownVisible", upDownVisible_, false);
  bag.write("UpDownInc", double{upDownInc_}, 0.0);
  bag.write("WidthValue", double{widthValue_}, 900.0);
  bag.write("WidthAfterString", double{widthAfterString_}, 300.0);
  bag.write("TimerInterval", timerInterval_, std::int32_t{50});
  bag.write("SetFocusNextTabIndex", std::int32_t{setFocusNextTabIndex_}, std::int32_t{-1});
  bag.write("SetFucusBackTabIndex", std::int32_t{setFucusBackTabIndex_}, std::int32_t{-1});
  bag.write("NumericType", std::int32_t{numericType_}, std::int32_t{ntLong});
  bag.write("AutoSelect", autoSelect_, true);
}

void usNumericBox::setBackColor(std::uint32_t color) {
  backColor_ = color;
  applyBackColor();
  emit propertyChanged("BackColor");
}

void usNumericBox::setForeColor(std::uint32_t color) {
  foreColor_ = color;
  QPalette palette = txtValue_->palette();
  palette.setColor(QPalette::Text, toQColor(color));
  txtValue_->setPalette(palette);
  emit propertyChanged("ForeColor");
}

void usNumericBox::setEnabled(bool enabled) {
  enabled_ = enabled;
  applyEnabled();
  emit propertyChanged("Enabled");
}

void usNumericBox::setFont(const QFont& font) {
  QWidget::setFont(font);
  emit propertyChanged("Font");
}

void usNumericBox::setBorderStyle(std::int16_t style) {
  borderStyle_ = style;
  applyBorderStyle();
  layOut();
  emit propertyChanged("BorderStyle");
}

std::string usNumericBox::beforeString() const { return lblCaption_->text().toStdString(); }

void usNumericBox::setBeforeString(const std::string& text) {
  lblCaption_->setText(QString::fromStdString(text));
  refreshAccessibleNames();
  emit propertyChanged("BeforeString");
}

double usNumericBox::value() {
  if (editing_) commitTypedText();
  return value_;
}

void usNumericBox::setValue(double newValue) {
  letValue(newValue);
  refreshReadOnlyDisplay();
}

void usNumericBox::setValue(std::string_view newValue) {
  letValue(newValue);
  refreshReadOnlyDisplay();
}

bool usNumericBox::letValue(double newValue, std::optional<double> newMin, std::optional<double> newMax) {
  if (newMin) min_ = *newMin;
  if (newMax) max_ = *newMax;
  bool accepted = false;
  if (!withinRange(newValue)) {
    beep();
  } else {
    const double old = value_;
    value_ = newValue;
    emit propertyChanged("Value");
    if (value_ != old) emit change(value_);
    accepted = true;
  }
  showValue();
  refreshTooltip();
  return accepted;
}

bool usNumericBox::letValue(std::string_view newValue, std::optional<double> newMin, std::optional<double> newMax) {
  if (isNumberText(newValue, decimalSeparator())) {
    return letValue(leadingNumber(newValue, decimalSeparator()), newMin, newMax);
  }
  if (newMin) min_ = *newMin;
  if (newMax) max_ = *newMax;
  beep();
  showValue();
  refreshTooltip();
  return false;
}

void usNumericBox::setMin(double newMin) {
  if (newMin > value_ || newMin > max_) return;
  min_ = newMin;
  emit propertyChanged("Min");
  refreshTooltip();
}

void usNumericBox::setMax(double newMax) {
  if (newMax < value_ || newMax < min_) return;
  max_ = newMax;
  emit propertyChanged("Max");
  refreshTooltip();
}

void usNumericBox::setFormatString(const std::string& pattern) {
  formatString_ = (numericType_ == ntLong || numericType_ == ntInteger || numericType_ == ntByte) ? "0" : pattern;
  emit propertyChanged("FormatString");
}

void usNumericBox::setWidthBeforeString(float twips) {
  widthBeforeString_ = twips;
  emit propertyChanged("WidthBeforeString");
  layOut();
}

std::string usNumericBox::afterString() const { return lblAfter_->text().toStdString(); }

void usNumericBox::setAfterString(const std::string& text) {
  lblAfter_->setText(QString::fromStdString(text));
  lblAfter_->setAccessibleName(lblAfter_->text());
  refreshReadOnlyDisplay();
  emit propertyChanged("AfterString");
}

void usNumericBox::setInfoMode(bool infoMode) {
  infoMode_ = infoMode;
  refreshReadOnlyDisplay();
  emit propertyChanged("InfoMode");
}

void usNumericBox::setUpDownVisible(bool visible) {
  upDownVisible_ = visible;
  upDown1_->setVisible(visible);
  layOut();
  emit propertyChanged("UpDownVisible");
}

void usNumericBox::setUpDownInc(float step) {
  upDownInc_ = step;
  emit propertyChanged("UpDownInc");
}

void usNumericBox::setBeforeStringAlign(std::int16_t align) {
  beforeStringAlign_ = align;
  applyCaptionAlignment();
  emit propertyChanged("BeforeStringAlign");
}

void usNumericBox::setWidthValue(float twips) {
  widthValue_ = twips;
  emit propertyChanged("WidthValue");
  layOut();
}

void usNumericBox::setWidthAfterString(float twips) {
  widthAfterString_ = twips;
  emit propertyChanged("WidthAfterString");
  layOut();
}

std::int32_t usNumericBox::timerInterval() const {
  if (userMode_) throw ControlError(kErrGetNotSupportedAtRuntime, "Get not supported at run time");
  return timerInterval_;
}

void usNumericBox::setTimerInterval(std::int32_t milliseconds) {
  if (userMode_) throw ControlError(kErrSetNotSupportedAtRuntime, "Set not supported at run time");
  timerInterval_ = milliseconds;
  emit propertyChanged("TimerInterval");
}

void usNumericBox::setSetFocusNextTabIndex(std::int16_t tabIndex) {
  setFocusNextTabIndex_ = tabIndex;
  emit propertyChanged("SetFocusNextTabIndex");
}

void usNumericBox::setSetFucusBackTabIndex(std::int16_t tabIndex) {
  setFucusBackTabIndex_ = tabIndex;
  emit propertyChanged("SetFucusBackTabIndex");
}

void usNumericBox::setNumericType(NumericType type) {
  numericType_ = type;
  applyNumericTypeBounds();
  emit propertyChanged("NumericType");
}

void usNumericBox::setAutoSelect(bool autoSelect) {
  autoSelect_ = autoSelect;
  emit propertyChanged("AutoSelect");
}

float usNumericBox::widthValueShowing(const QString& text) const {
  // The field starts 45 twips inside the frame's border and reaches to the
  // spinner, which sits inside the border at the frame's right end.
  const int border = borderStyle_ == 0 ? 0 : picValue_->frameWidth();
  const int spinner = upDownVisible_ ? upDown1_->width() : 0;
  const int pixels = 2 * border + twipsToPixels(45) + 2 * kFieldTextMargin +
                     txtValue_->fontMetrics().horizontalAdvance(text) + kCursorAndOverhang + spinner;
  return static_cast<float>(pixels * kTwipsPerPixel);
}

QSize usNumericBox::sizeHint() const {
  return {twipsToPixels(widthBeforeString_ + widthValue_ + widthAfterString_ + 120), twipsToPixels(kDesignHeight)};
}

void usNumericBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layOut();
}

void usNumericBox::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  layOut();
}

void usNumericBox::fieldKeyPressed(QKeyEvent& event) {
  int keyCode = virtualKeyCode(event);
  int shift = shiftMask(event.modifiers());
  emit keyDown(keyCode, shift);
  lastKeyCode_ = keyCode;
  if (keyCode == kKeyDown || keyCode == kKeyReturn) {
    moveFocus(setFocusNextTabIndex_);
  } else if (keyCode == kKeyUp) {
    moveFocus(setFucusBackTabIndex_);
  }

  const int typed = keyAscii(event);
  if (typed == 0) {
    // Keys that type nothing (arrows, Home, End, Delete, Escape) are the
    // field's own; Escape and Up/Down go on to the form.
    txtValue_->typeKey(event);
    return;
  }
  int character = typed;
  emit keyPress(character);
  if (character == 0) return;
  const int accepted = filterKey(character);
  if (accepted == 0) return;
  if (accepted == typed) {
    txtValue_->typeKey(event);
  } else {
    txtValue_->insert(QString(QChar(accepted)));
  }
}

void usNumericBox::fieldKeyReleased(QKeyEvent& event) {
  int keyCode = virtualKeyCode(event);
  int shift = shiftMask(event.modifiers());
  emit keyUp(keyCode, shift);
}

int usNumericBox::filterKey(int character) {
  const QString text = txtValue_->text();
  const QChar separator = QChar(decimalSeparator());
  const bool separatorKey =
      numericType_ == ntDecimal && (lastKeyCode_ == kKeyDecimal || character == '.' || character == ',');
  if (trimmed(formatString_) != "0" && separatorKey) {
    if (text.contains(separator) && txtValue_->selectedText().size() < text.size()) {
      beep();
      return 0;
    }
    return separator.unicode();
  }
  if (character == kKeyReturn) {
    commitTypedText();
    return 0;
  }
  if (character == kKeyBack || (character >= '0' && character <= '9')) return character;
  if (character == '-') {
    const int selectionStart = txtValue_->hasSelectedText() ? txtValue_->selectionStart() : txtValue_->cursorPosition();
    if ((text.contains('-') && txtValue_->selectedText().size() < 2) || selectionStart != 0 || min_ >= 0) {
      beep();
      return 0;
    }
    return character;
  }
  beep();
  return 0;
}

void usNumericBox::moveFocus(int tabIndex) {
  // Without a control to go to, the focus does not leave: nothing is
  // committed.
  QWidget* target = controlWithTabIndex(*window(), tabIndex);
  if (target == nullptr) return;
  if (txtValue_->hasFocus() && !validateBeforeLeaving()) return;
  txtValue_->leaveValidated([target] { target->setFocus(Qt::OtherFocusReason); });
}

void usNumericBox::fieldFocusGained() {
  if (autoSelect_) {
    txtValue_->selectAll();
  } else {
    txtValue_->deselect();
    txtValue_->setCursorPosition(static_cast<int>(txtValue_->text().size()));
  }
  editing_ = true;
}

bool usNumericBox::validateBeforeLeaving() {
  return letValue(leadingNumber(txtValue_->text().toStdString(), decimalSeparator()));
}

bool usNumericBox::acceptsTypedText() const {
  return withinRange(leadingNumber(txtValue_->text().toStdString(), decimalSeparator()));
}

bool usNumericBox::withinRange(double number) const { return !std::isnan(number) && number >= min_ && number <= max_; }

void usNumericBox::fieldFocusLost() {
  editing_ = false;
  commitTypedText();
  showValue();
}

void usNumericBox::commitTypedText() { letValue(leadingNumber(txtValue_->text().toStdString(), decimalSeparator())); }

void usNumericBox::spinnerPressed(int y, int height) {
  upDownInc_ = (y <= height / 2.0 ? 1.0f : -1.0f) * std::fabs(upDownInc_);
  step();
  if (timerInterval_ > 0) {
    timer1_->setInterval(kFirstRepeatDelay);
    timer1_->start();
  }
}

void usNumericBox::spinnerReleased() {
  upDownInc_ = std::fabs(upDownInc_);
  timer1_->stop();
}

void usNumericBox::step() {
  const double increment = upDownInc_;
  const double before = value_;
  bool clamped = false;
  if (increment >= 0 && value_ + increment > max_) {
    timer1_->stop();
    value_ = max_;
    clamped = true;
  } else if (increment <= 0 && value_ + increment < min_) {
    value_ = min_;
    timer1_->stop();
    clamped = true;
  } else {
    value_ += increment;
  }
  showValue();
  if (!clamped || value_ != before) emit change(value_);
}

void usNumericBox::showValue() { txtValue_->setText(QString::fromStdString(formatted(value_))); }

void usNumericBox::refreshTooltip() {
  txtValue_->setToolTip(validValues());
  refreshAccessibleNames();
}

QString usNumericBox::validValues() const {
  return QString::fromStdString(strings_.loadMlString(kStrValidValues) + formatted(min_) + "-" + formatted(max_));
}

void usNumericBox::refreshReadOnlyDisplay() {
  picValue_->setVisible(!infoMode_);
  lblAfter_->setVisible(!infoMode_);
  lblValue_->setVisible(infoMode_);
  QWidget::setEnabled(!infoMode_);
  if (infoMode_) {
    lblValue_->setText(QString::fromStdString(formatted(value_)) + " " + lblAfter_->text());
    lblValue_->resize(lblAfter_->width() + picValue_->width(), lblValue_->height());
  } else {
    lblValue_->setText(QString::fromStdString(formatted(value_)));
    lblValue_->resize(picValue_->width(), lblValue_->height());
  }
  lblValue_->setAccessibleName(lblValue_->text());
}

void usNumericBox::applyEnabled() {
  for (QWidget* part :
       {static_cast<QWidget*>(lblCaption_), static_cast<QWidget*>(lblAfter_), static_cast<QWidget*>(lblValue_),
        static_cast<QWidget*>(txtValue_), static_cast<QWidget*>(upDown1_), static_cast<QWidget*>(picValue_)}) {
    part->setEnabled(enabled_);
  }
  QWidget::setEnabled(enabled_);
}

void usNumericBox::applyBackColor() {
  const QColor color = toQColor(backColor_);
  QPalette framePalette = picValue_->palette();
  framePalette.setColor(QPalette::Window, color);
  picValue_->setPalette(framePalette);
  QPalette fieldPalette = txtValue_->palette();
  fieldPalette.setColor(QPalette::Base, color);
  txtValue_->setPalette(fieldPalette);
}

void usNumericBox::applyBorderStyle() {
  picValue_->setFrameStyle(borderStyle_ == 0 ? QFrame::NoFrame : (QFrame::Box | QFrame::Plain));
}

void usNumericBox::applyNumericTypeBounds() {
  if (const auto bounds = boundsOf(numericType_)) {
    if (min_ < bounds->lowest) setMin(bounds->lowest);
    if (max_ > bounds->highest) setMax(bounds->highest);
  }
  setFormatString(formatString_);
}

void usNumericBox::applyCaptionAlignment() {
  const Qt::Alignment horizontal =
      beforeStringAlign_ == 1 ? Qt::AlignRight : (beforeStringAlign_ == 2 ? Qt::AlignHCenter : Qt::AlignLeft);
  lblCaption_->setAlignment(horizontal | Qt::AlignTop);
}

void usNumericBox::setAccessibleLabel(const QString& name) {
  accessibleLabel_ = name;
  refreshAccessibleNames();
}

void usNumericBox::refreshAccessibleNames() {
  const QString caption = lblCaption_->text().trimmed();
  const QString name = !accessibleLabel_.isEmpty() ? accessibleLabel_ : (caption.isEmpty() ? validValues() : caption);
  lblCaption_->setAccessibleName(lblCaption_->text());
  lblAfter_->setAccessibleName(lblAfter_->text());
  txtValue_->setAccessibleName(name);
  txtValue_->setAccessibleDescription(validValues());
  upDown1_->setAccessibleName(name);
  picValue_->setAccessibleName(name);
  setAccessibleName(name);
}

void usNumericBox::layOut() {
  if (layingOut_) return;
  layingOut_ = true;
  const NumericBoxLayout layout =
      layOutNumericBox(widthBeforeString_, widthValue_, widthAfterString_, height() * kTwipsPerPixel,
                       lblValue_->height() * kTwipsPerPixel, txtValue_->height() * kTwipsPerPixel, borderStyle_ != 0);
  const auto place = [](QWidget& part, const TwipsRect& rect) {
    part.setGeometry(twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
                     twipsToPixels(rect.height));
  };
  place(*lblCaption_, layout.caption);
  place(*picValue_, layout.frame);
  // Positions inside the value frame start within its border.
  const int border = borderStyle_ == 0 ? 0 : picValue_->frameWidth();
  txtValue_->setGeometry(border + twipsToPixels(layout.field.left), border + twipsToPixels(layout.field.top),
                         twipsToPixels(layout.field.width), txtValue_->height());
  lblValue_->move(twipsToPixels(layout.display.left), twipsToPixels(layout.display.top));
  place(*lblAfter_, layout.unit);
  const QRect inner = picValue_->contentsRect();
  upDown1_->setGeometry(inner.right() + 1 - upDown1_->width(), inner.top(), upDown1_->width(), inner.height());
  // The spinner covers the field's right end: the text keeps clear of it,
  // and scrolls rather than hiding its last digits under it.
  const int covered = upDownVisible_ ? txtValue_->geometry().right() + 1 - upDown1_->x() : 0;
  txtValue_->setTextMargins(0, 0, std::max(covered, 0), 0);
  setFixedWidth(twipsToPixels(layout.boxWidth));
  layingOut_ = false;
}

char usNumericBox::decimalSeparator() const {
  const QString point = QLocale().decimalPoint();
  return point.isEmpty() ? '.' : point[0].toLatin1();
}

std::string usNumericBox::formatted(double number) const {
  return formatNumber(number, formatString_, decimalSeparator());
}

QFont usNumericBox::ambientFont() const { return parentWidget() ? parentWidget()->font() : QApplication::font(); }

}  // namespace velvara::widgets
