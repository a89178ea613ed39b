// The numeric box driven as a user drives it: keys typed into its field,
// focus moved away, the spinner pressed and its repeat timer stepped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <memory>

#include "tests/support/FakeHost.h"
#include "tests/support/qt/Screenshots.h"
#include "widgets/design/ControlError.h"
#include "widgets/design/TabIndex.h"
#include "widgets/numericbox/NumericBoxLayout.h"
#include "widgets/numericbox/usNumericBox.h"

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace velvara::widgets {
namespace {

class NumericBoxTest : public ::testing::Test {
 protected:
  NumericBoxTest() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    form.resize(400, 200);
    box = new usNumericBox(host.stringService, host, &form);
    box->setObjectName("usTest");
    box->setGeometry(10, 10, 300, 22);
    other = new QLineEdit(&form);
    other->setObjectName("txtOther");
    other->setGeometry(10, 60, 100, 22);
    QObject::connect(box, &usNumericBox::change, [this](double& numValue) { changes.push_back(numValue); });
    form.show();
    QApplication::setActiveWindow(&form);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    other->setFocus(Qt::OtherFocusReason);
  }
  ~NumericBoxTest() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

  QLineEdit& field() { return *box->findChild<QLineEdit*>("txtValue"); }
  QWidget& spinner() { return *box->findChild<QWidget*>("UpDown1"); }
  QTimer& repeatTimer() { return *box->findChild<QTimer*>("Timer1"); }

  // One tick of the spinner's repeat timer, without waiting for it.
  void tick() {
    ASSERT_TRUE(repeatTimer().isActive());
    QTimerEvent event(repeatTimer().timerId());
    QCoreApplication::sendEvent(&repeatTimer(), &event);
  }

  // Gives the field the focus afresh, as tabbing into it does.
  void focusField() {
    if (field().hasFocus()) other->setFocus(Qt::TabFocusReason);
    field().setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(field().hasFocus());
  }

  testing::FakeHost host;
  QWidget form;
  usNumericBox* box = nullptr;
  QLineEdit* other = nullptr;
  std::vector<double> changes;
};

TEST_F(NumericBoxTest, AnOutOfRangeNumberIsRefusedWhenLeavingAndTheFieldKeepsTheFocus) {
  box->letValue(5, 1.0, 10.0);
  changes.clear();
  for (const bool byMouse : {false, true}) {
    SCOPED_TRACE(byMouse ? "clicking another control" : "Tab");
    const int beepsBefore = host.beeps;
    focusField();
    QTest::keyClicks(&field(), "12");
    ASSERT_EQ(field().text(), "12");
    if (byMouse) {
      QTest::mouseClick(other, Qt::LeftButton);
      QApplication::processEvents();
    } else {
      QTest::keyClick(&field(), Qt::Key_Tab);
    }
    EXPECT_EQ(host.beeps, beepsBefore + 1);
    EXPECT_TRUE(field().hasFocus());
    EXPECT_EQ(field().text(), "5");
    EXPECT_EQ(box->value(), 5);
    EXPECT_TRUE(changes.empty());
  }
  field().selectAll();
  QTest::keyClicks(&field(), "7");
  QTest::keyClick(&field(), Qt::Key_Tab);
  EXPECT_TRUE(other->hasFocus());
  EXPECT_EQ(box->value(), 7);
  EXPECT_EQ(changes, std::vector<double>{7});
}

TEST_F(NumericBoxTest, EnterCommitsAnEmptiedFieldAsZeroAndKeepsTheFocusWithoutATarget) {
  box->setValue(7);
  changes.clear();
  focusField();
  QTest::keyClick(&field(), Qt::Key_Backspace);
  ASSERT_EQ(field().text(), "");
  QTest::keyClick(&field(), Qt::Key_Return);
  EXPECT_EQ(box->value(), 0);
  EXPECT_EQ(field().text(), "0");
  EXPECT_EQ(changes, std::vector<double>{0});
  EXPECT_TRUE(field().hasFocus());
  EXPECT_EQ(host.beeps, 0);
}

TEST_F(NumericBoxTest, ReadingTheValueWhileEditingCommitsTheTypedText) {
  focusField();
  QTest::keyClicks(&field(), "42");
  EXPECT_EQ(box->value(), 42);
  EXPECT_EQ(changes, std::vector<double>{42});
}

// A box that goes while the focus is in it takes the typed text with it: it
// neither beeps, nor commits, nor reports a change on its way out.
TEST_F(NumericBoxTest, ABoxDestroyedWithTheFocusInItDoesNothingMore) {
  for (const char* typed : {"12", "7"}) {
    SCOPED_TRACE(typed);
    auto* doomed = new usNumericBox(host.stringService, host, &form);
    doomed->setGeometry(10, 100, 250, 22);
    doomed->letValue(5, 1.0, 10.0);
    std::vector<double> doomedChanges;
    QObject::connect(doomed, &usNumericBox::change,
                     [&doomedChanges](double& numValue) { doomedChanges.push_back(numValue); });
    doomed->show();
    auto* typedInto = doomed->findChild<QLineEdit*>("txtValue");
    QTest::mouseClick(typedInto, Qt::LeftButton);
    QTest::keyClick(typedInto, Qt::Key_Backspace);
    QTest::keyClicks(typedInto, typed);
    ASSERT_TRUE(typedInto->hasFocus());
    ASSERT_EQ(typedInto->text(), typed);
    const int beepsBefore = host.beeps;
    delete doomed;
    EXPECT_EQ(host.beeps, beepsBefore);
    EXPECT_TRUE(doomedChanges.empty());
  }
}

TEST_F(NumericBoxTest, MinusIsTakenOnlyFirstAndOnlyWhenNegativeNumbersAreAllowed) {
  struct Case {
    double min;
    const char* text;
    int selectionStart;  // -1: the caret at the end, nothing selected
    int selectionLength;
    const char* after;
  };
  const Case cases[] = {
      {-10, "", -1, 0, "-"},   {-10, "5", -1, 0, "5"}, {-10, "5", 0, 0, "-5"}, {-10, "-5", 0, 0, "-5"},
      {-10, "-5", 0, 1, "-5"}, {-10, "-5", 0, 2, "-"}, {0, "", -1, 0, ""},
  };
  box->setAutoSelect(false);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " selected from " + std::to_string(c.selectionStart) + " for " +
                 std::to_string(c.selectionLength) + ", Min " + std::to_string(c.min));
    box->letValue(0, c.min, 100.0);
    focusField();
    field().setText(c.text);
    if (c.selectionStart < 0) {
      field().setCursorPosition(static_cast<int>(field().text().size()));
    } else if (c.selectionLength == 0) {
      field().setCursorPosition(c.selectionStart);
    } else {
      field().setSelection(c.selectionStart, c.selectionLength);
    }
    const int beepsBefore = host.beeps;
    QTest::keyClick(&field(), Qt::Key_Minus);
    EXPECT_EQ(field().text(), c.after);
    EXPECT_EQ(host.beeps, beepsBefore + (field().text() == c.text ? 1 : 0));
  }
}

TEST_F(NumericBoxTest, LettersAndControlShortcutsAreRefusedWithABeep) {
  box->setValue(3);
  focusField();
  QTest::keyClick(&field(), Qt::Key_End);
  QTest::keyClick(&field(), Qt::Key_A);
  QTest::keyClick(&field(), Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(&field(), Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(&field(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(host.beeps, 4);
  EXPECT_EQ(field().text(), "3");
}

TEST_F(NumericBoxTest, TheSeparatorKeyTypesTheLocalesSeparatorInDecimalBoxes) {
  struct Case {
    QLocale locale;
    char separator;
  };
  for (const Case& c : {Case{QLocale(QLocale::English, QLocale::UnitedKingdom), '.'},
                        Case{QLocale(QLocale::German, QLocale::Germany), ','}}) {
    SCOPED_TRACE(c.separator);
    QLocale::setDefault(c.locale);
    box->setNumericType(ntDecimal);
    box->setFormatString("0.00");
    box->letValue(0, -100.0, 100.0);
    changes.clear();
    focusField();
    const int beepsBefore = host.beeps;
    QTest::keyClicks(&field(), "1.");
    EXPECT_EQ(field().text(), QString("1") + c.separator);
    QTest::keyClick(&field(), Qt::Key_Comma);
    EXPECT_EQ(host.beeps, beepsBefore + 1) << "a second separator";
    QTest::keyClick(&field(), Qt::Key_5);
    QTest::keyClick(&field(), Qt::Key_Return);
    // The box reads back what it wrote: the fraction survives under both locales.
    EXPECT_EQ(box->value(), 1.5);
    EXPECT_EQ(field().text(), QString("1") + c.separator + "50");
    EXPECT_EQ(changes, std::vector<double>{1.5});

    field().selectAll();
    QTest::keyClick(&field(), Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(field().text(), QString(c.separator)) << "the keypad key over the whole text";
    EXPECT_EQ(host.beeps, beepsBefore + 1);
    QTest::keyClick(&field(), Qt::Key_Escape);
  }

  box->setNumericType(ntLong);
  EXPECT_EQ(box->formatString(), "0");
  focusField();
  const int beepsBefore = host.beeps;
  QTest::keyClick(&field(), Qt::Key_Period);
  EXPECT_EQ(host.beeps, beepsBefore + 1) << "no separator in a whole-number box";
}

TEST_F(NumericBoxTest, TheSpinnerStepsAtOnceRepeatsOnItsTimerAndStopsAtTheBounds) {
  box->setUpDownVisible(true);
  box->setUpDownInc(10);
  box->letValue(95, 0.0, 100.0);
  changes.clear();
  const QPoint upper(spinner().width() / 2, 1);
  const QPoint lower(spinner().width() / 2, spinner().height() - 2);

  QTest::mousePress(&spinner(), Qt::LeftButton, {}, upper);
  EXPECT_EQ(box->value(), 100);
  EXPECT_EQ(field().text(), "100");
  EXPECT_EQ(changes.size(), 1u);
  EXPECT_EQ(repeatTimer().interval(), 500);
  tick();
  EXPECT_FALSE(repeatTimer().isActive()) << "the bound stops the repeat";
  EXPECT_EQ(changes.size(), 1u);
  QTest::mouseRelease(&spinner(), Qt::LeftButton, {}, upper);

  QTest::mousePress(&spinner(), Qt::LeftButton, {}, upper);
  EXPECT_EQ(box->value(), 100);
  EXPECT_EQ(changes.size(), 1u) << "a clamped step to the same number raises nothing";
  QTest::mouseRelease(&spinner(), Qt::LeftButton, {}, upper);

  QTest::mousePress(&spinner(), Qt::RightButton, {}, lower);
  EXPECT_EQ(box->upDownInc(), -10);
  tick();
  EXPECT_EQ(repeatTimer().interval(), 50);
  tick();
  EXPECT_EQ(box->value(), 70);
  EXPECT_EQ(changes, (std::vector<double>{100, 90, 80, 70}));
  QTest::mouseRelease(&spinner(), Qt::RightButton, {}, lower);
  EXPECT_FALSE(repeatTimer().isActive());
  EXPECT_EQ(box->upDownInc(), 10);

  box->setUpDownInc(0);
  changes.clear();
  QTest::mouseClick(&spinner(), Qt::LeftButton, {}, upper);
  EXPECT_EQ(changes, std::vector<double>{70}) << "a zero step still raises Change";
}

TEST_F(NumericBoxTest, DownEnterAndUpMoveTheFocusByTabIndexWithoutChangingTheNumber) {
  auto* back = new QLineEdit(&form);
  back->setGeometry(10, 100, 100, 22);
  back->show();
  setTabIndex(*box, 0);
  setTabIndex(*other, 2);
  setTabIndex(*back, 1);
  box->setSetFocusNextTabIndex(2);
  box->setSetFucusBackTabIndex(1);
  box->letValue(4, 0.0, 10.0);
  changes.clear();

  struct Case {
    Qt::Key key;
    QWidget* target;
  };
  for (const Case& c : {Case{Qt::Key_Down, other}, Case{Qt::Key_Return, other}, Case{Qt::Key_Up, back}}) {
    SCOPED_TRACE(QTest::toString(c.key));
    focusField();
    QTest::keyClick(&field(), c.key);
    EXPECT_TRUE(c.target->hasFocus());
    EXPECT_EQ(box->value(), 4);
  }
  EXPECT_TRUE(changes.empty());
  EXPECT_EQ(host.beeps, 0);

  focusField();
  QTest::keyClicks(&field(), "11");
  QTest::keyClick(&field(), Qt::Key_Down);
  EXPECT_TRUE(field().hasFocus()) << "a refused number keeps the focus";
  EXPECT_EQ(field().text(), "4");
  EXPECT_EQ(host.beeps, 1);

  // Targets no control has: the keys do nothing, and commit nothing, be the
  // typed number refused or not.
  box->setSetFocusNextTabIndex(7);
  box->setSetFucusBackTabIndex(8);
  focusField();
  for (const char* typed : {"11", "6"}) {
    SCOPED_TRACE(typed);
    QTest::keyClick(&field(), Qt::Key_End);
    while (!field().text().isEmpty()) QTest::keyClick(&field(), Qt::Key_Backspace);
    QTest::keyClicks(&field(), typed);
    QTest::keyClick(&field(), Qt::Key_Down);
    QTest::keyClick(&field(), Qt::Key_Up);
    EXPECT_TRUE(field().hasFocus());
    EXPECT_EQ(field().text(), typed);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_TRUE(changes.empty());
  }
}

TEST_F(NumericBoxTest, RangeWritersKeepTheNumberInsideTheBounds) {
  box->setValue(20);
  box->setMin(50);
  EXPECT_EQ(box->min(), 0) << "a minimum above the number is ignored";
  EXPECT_FALSE(box->letValue(20, 50.0));
  EXPECT_EQ(box->min(), 50);
  EXPECT_EQ(box->value(), 20);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_FALSE(box->letValue("twelve"));
  EXPECT_EQ(host.beeps, 2);

  box->letValue(300, 0.0, 1000.0);
  box->setNumericType(ntDecimal);
  box->setFormatString("0.0");
  box->setNumericType(ntByte);
  EXPECT_EQ(box->max(), 1000) << "255 would exclude the number";
  EXPECT_EQ(box->formatString(), "0");
}

TEST_F(NumericBoxTest, TimerIntervalCanBeUsedOnlyWhileDesigning) {
  try {
    (void)box->timerInterval();
    FAIL() << "read at run time";
  } catch (const ControlError& error) {
    EXPECT_EQ(error.number(), 393);
  }
  try {
    box->setTimerInterval(20);
    FAIL() << "written at run time";
  } catch (const ControlError& error) {
    EXPECT_EQ(error.number(), 382);
  }
  box->setUserMode(false);
  box->setTimerInterval(20);
  EXPECT_EQ(box->timerInterval(), 20);
}

TEST_F(NumericBoxTest, SavingStoresOnlyWhatDiffersAndTheDesignedCaptionComesBackInTheCurrentLanguage) {
  box->setBeforeString("Value =");
  box->setUpDownVisible(true);
  box->setUpDownInc(5);
  box->letValue(12, 1.0, 1000.0);
  box->setAfterString("px");
  PropertyBag saved;
  box->writeProperties(saved);
  std::vector<std::string> names;
  for (const auto& entry : saved.entries()) names.push_back(entry.first);
  EXPECT_EQ(names, (std::vector<std::string>{"Value", "Min", "Max", "UpDownVisible", "UpDownInc"}));

  struct Case {
    int language;
    QString caption;
    QString tooltip;
  };
  for (const Case& c : {Case{i18n::kEnglishUk, "Value :", "Valid values: 1-1000"},
                        Case{i18n::kGermanDe, "Werte:", QString::fromUtf8("Gültige Werte:1-1000")}}) {
    host.stringService.setCurrentLanguage(c.language);
    usNumericBox loaded(host.stringService, host, &form);
    loaded.readProperties(saved);
    EXPECT_EQ(QString::fromStdString(loaded.beforeString()), c.caption);
    EXPECT_EQ(loaded.value(), 12);
    EXPECT_EQ(loaded.findChild<QLineEdit*>("txtValue")->text(), "12");
    EXPECT_EQ(loaded.findChild<QLineEdit*>("txtValue")->toolTip(), c.tooltip);
    EXPECT_TRUE(loaded.findChild<QWidget*>("UpDown1")->isVisibleTo(&loaded));
    EXPECT_EQ(loaded.afterString(), "px");
  }
}

TEST_F(NumericBoxTest, TheBoxIsAsWideAsItsPartsAndInfoModeShowsTheNumberWithItsUnit) {
  box->resize(400, 22);
  EXPECT_EQ(box->width(), 2520 / 15);

  const NumericBoxLayout borderless = layOutNumericBox(1200, 900, 300, 330, 240, 285, false);
  const NumericBoxLayout bordered = layOutNumericBox(1200, 900, 300, 330, 240, 285, true);
  EXPECT_EQ(borderless.boxWidth, 2520);
  EXPECT_EQ(borderless.field.left, 45);
  EXPECT_EQ(borderless.field.width, 900);
  EXPECT_EQ(bordered.field.width, 840);
  EXPECT_EQ(borderless.field.top - bordered.field.top, 30);
  EXPECT_EQ(bordered.frame.left, 1260);
  EXPECT_EQ(bordered.unit.left, 2220);

  box->letValue(12);
  box->setAfterString("px");
  box->setInfoMode(true);
  auto* display = box->findChild<QLabel*>("lblValue");
  EXPECT_EQ(display->text(), "12 px");
  EXPECT_TRUE(display->isVisible());
  EXPECT_FALSE(box->findChild<QWidget*>("picValue")->isVisible());
  EXPECT_FALSE(box->findChild<QLabel*>("lblAfter")->isVisible());
  EXPECT_EQ(display->width(),
            box->findChild<QWidget*>("picValue")->width() + box->findChild<QLabel*>("lblAfter")->width());
  EXPECT_FALSE(box->isEnabled());
}

TEST_F(NumericBoxTest, Screenshot) {
  for (const int language : {i18n::kEnglishUk, i18n::kGermanDe}) {
    host.stringService.setCurrentLanguage(language);
    QWidget panel;
    panel.resize(220, 70);
    usNumericBox plain(host.stringService, host, &panel);
    plain.setObjectName("usPlain");
    plain.setGeometry(6, 6, 200, 22);
    usNumericBox spinning(host.stringService, host, &panel);
    spinning.setObjectName("usSpinning");
    spinning.readProperties({{"BeforeString", "Columns"}, {"UpDownVisible", true}, {"Value", 4.0}, {"Max", 50.0}});
    spinning.setGeometry(6, 38, 200, 22);
    panel.show();
    testing::saveScreenshot(panel, language == i18n::kEnglishUk ? "numeric_box_en" : "numeric_box_de");
  }
}

}  // namespace
}  // namespace velvara::widgets
