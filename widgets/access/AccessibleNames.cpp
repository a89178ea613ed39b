#include "widgets/access/AccessibleNames.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QToolButton>

namespace velvara::widgets {
namespace {

// Renames a tab bar's scroll buttons, with Qt's own texts, at every change of
// Qt's language.
class ScrollButtonNames : public QObject {
 public:
  explicit ScrollButtonNames(QTabBar& tabs) : QObject(&tabs), tabs_(tabs) {
    tabs.installEventFilter(this);
    name();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &tabs_ && event->type() == QEvent::LanguageChange) name();
    return false;
  }

 private:
  void name() {
    const struct {
      const char* objectName;
      const char* text;
    } buttons[] = {{"ScrollLeftButton", "Scroll Left"}, {"ScrollRightButton", "Scroll Right"}};
    for (const auto& button : buttons) {
      if (auto* scroller = tabs_.findChild<QToolButton*>(button.objectName, Qt::FindDirectChildrenOnly))
        scroller->setAccessibleName(QTabBar::tr(button.text));
    }
  }

  QTabBar& tabs_;
};

}  // namespace

void setComboBoxName(QComboBox& combo, const QString& name) {
  combo.setAccessibleName(name);
  if (QLineEdit* field = combo.lineEdit()) field->setAccessibleName(name);
  combo.view()->setAccessibleName(name);
}

void followLanguageInScrollButtons(QTabBar& tabs) { new ScrollButtonNames(tabs); }

}  // namespace velvara::widgets
