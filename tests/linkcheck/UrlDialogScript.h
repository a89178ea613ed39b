#pragma once
// Plays the user's part in the next URL dialog: once it is open, act(dialog)
// runs on it with real key and mouse events. The flag tells whether a dialog
// opened at all.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "linkcheck/frmGetString.h"

namespace velvara::testing {

inline std::shared_ptr<bool> answerNextUrlDialog(std::function<void(linkcheck::frmGetString&)> act) {
  auto opened = std::make_shared<bool>(false);
  QTimer::singleShot(0, [opened, act] {
    if (auto* dialog = qobject_cast<linkcheck::frmGetString*>(QApplication::activeModalWidget())) {
      *opened = true;
      act(*dialog);
    }
  });
  return opened;
}

inline QComboBox& urlCombo(linkcheck::frmGetString& dialog) {
  return *dialog.findChild<QComboBox*>(QStringLiteral("comboURL"));
}

// Replaces the combo's text by typing, then presses the button.
inline std::function<void(linkcheck::frmGetString&)> typeAndPress(const QString& text, const char* button) {
  return [text, button](linkcheck::frmGetString& dialog) {
    QLineEdit& edit = *urlCombo(dialog).lineEdit();
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClicks(&edit, text);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
  };
}

}  // namespace velvara::testing
