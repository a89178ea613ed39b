#pragma once
// What a screen reader is told while a recorder lives: the platform's
// accessibility is on, as a screen reader's presence turns it on, and every
// event the program sends it is recorded with the name its object had then.
#include <QAccessible>
#include <QPointer>
#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace velvara::testing {

class AccessibleEvents {
 public:
  struct Event {
    QAccessible::Event type;
    QPointer<QObject> object;
    QString name;
  };

  AccessibleEvents();
  ~AccessibleEvents();
  AccessibleEvents(const AccessibleEvents&) = delete;
  AccessibleEvents& operator=(const AccessibleEvents&) = delete;

  // The events of type recorded since the last take, which forgets every
  // event recorded so far.
  std::vector<Event> take(QAccessible::Event type);
  // take of the name changes, of the widgets inside area alone, each as the
  // widget's object name and its new name: "usSlide1_3 photo5".
  std::vector<std::string> takeRenamedWithin(const QWidget& area);

 private:
  static void record(QAccessibleEvent* event);

  std::vector<Event> events_;
  QAccessible::UpdateHandler before_;
};

}  // namespace velvara::testing
