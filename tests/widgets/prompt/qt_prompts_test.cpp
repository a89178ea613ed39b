// The program's message boxes: title, icon, text and buttons as asked, and
// the answer of the button the user presses (or of Escape).
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/support/qt/ModalAnswer.h"
#include "widgets/prompt/QtPrompts.h"

namespace velvara::widgets {
namespace {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
};

TEST(QtPromptsTest, MessageBoxesShowWhatWasAskedAndGiveThePressedButton) {
  struct Case {
    core::Message message;
    std::function<void(QMessageBox&)> press;
    QString title;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    core::MessageAnswer answer;
  };
  auto click = [](QMessageBox::StandardButton button) {
    return [button](QMessageBox& box) { QTest::mouseClick(box.button(button), Qt::LeftButton); };
  };
  auto key = [](Qt::Key pressed) { return [pressed](QMessageBox& box) { QTest::keyClick(&box, pressed); }; };
  const std::vector<Case> cases = {
      {{core::MessageIcon::None, core::MessageButtons::Ok, std::nullopt, "No images!"},
       click(QMessageBox::Ok),
       "Velvara",
       QMessageBox::NoIcon,
       QMessageBox::Ok,
       core::MessageAnswer::Ok},
      {{core::MessageIcon::Exclamation, core::MessageButtons::OkCancel, std::string("/tmp/x"), "Proceed?"},
       key(Qt::Key_Escape),
       "/tmp/x",
       QMessageBox::Warning,
       QMessageBox::Ok | QMessageBox::Cancel,
       core::MessageAnswer::Cancel},
      {{core::MessageIcon::Question, core::MessageButtons::YesNo, std::string(""), "Are you sure?"},
       key(Qt::Key_Escape),
       "",
       QMessageBox::Question,
       QMessageBox::Yes | QMessageBox::No,
       core::MessageAnswer::No},
      {{core::MessageIcon::Question, core::MessageButtons::YesNo, std::nullopt, "Are you sure?"},
       key(Qt::Key_Return),
       "Velvara",
       QMessageBox::Question,
       QMessageBox::Yes | QMessageBox::No,
       core::MessageAnswer::Yes},
      {{core::MessageIcon::Critical, core::MessageButtons::YesNoCancel, std::nullopt, "Save?"},
       click(QMessageBox::No),
       "Velvara",
       QMessageBox::Critical,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
       core::MessageAnswer::No},
  };
  QtPrompts prompts;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message.text);
    SeenBox seen;
    QTimer::singleShot(0, [&] {
      auto poll = std::make_shared<std::function<void()>>();
      *poll = [&, poll] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
          QTimer::singleShot(10, *poll);
          return;
        }
        seen = {box->windowTitle().trimmed(), box->text(), box->icon(), box->standardButtons()};
        c.press(*box);
      };
      (*poll)();
    });
    EXPECT_EQ(prompts.showMessage(c.message), c.answer);
    EXPECT_EQ(seen.title, c.title);
    EXPECT_EQ(seen.text, QString::fromStdString(c.message.text));
    EXPECT_EQ(seen.icon, c.icon);
    EXPECT_EQ(seen.buttons, c.buttons);
  }
}

// However long the text in the input box, OK gives it back whole.
TEST(QtPromptsTest, TheInputBoxGivesBackALongTextWhole) {
  const std::string text(40000, 'x');
  velvara::testing::whenModalOpens([](QWidget& box) { QTest::keyClick(box.focusWidget(), Qt::Key_Return); });
  const std::optional<std::string> answer = QtPrompts().askText({"Prefix:", "Add prefix", text});
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(answer->size(), text.size());
}

}  // namespace
}  // namespace velvara::widgets
