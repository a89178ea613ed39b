#include "tests/support/qt/AccessibleEvents.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <QWidget>

namespace velvara::testing {
namespace {

AccessibleEvents* recording = nullptr;

QPlatformAccessibility& platformAccessibility() {
  return *QGuiApplicationPrivate::platformIntegration()->accessibility();
}

}  // namespace

AccessibleEvents::AccessibleEvents() : before_(QAccessible::installUpdateHandler(&AccessibleEvents::record)) {
  recording = this;
  platformAccessibility().setActive(true);
}

AccessibleEvents::~AccessibleEvents() {
  platformAccessibility().setActive(false);
  QAccessible::installUpdateHandler(before_);
  recording = nullptr;
}

void AccessibleEvents::record(QAccessibleEvent* event) {
  QAccessibleInterface* node = event->accessibleInterface();
  recording->events_.push_back(
      {event->type(), event->object(), node != nullptr ? node->text(QAccessible::Name) : QString()});
}

std::vector<AccessibleEvents::Event> AccessibleEvents::take(QAccessible::Event type) {
  std::vector<Event> taken;
  for (const Event& event : events_)
    if (event.type == type) taken.push_back(event);
  events_.clear();
  return taken;
}

std::vector<std::string> AccessibleEvents::takeRenamedWithin(const QWidget& area) {
  std::vector<std::string> renamed;
  for (const Event& event : take(QAccessible::NameChanged)) {
    const auto* widget = qobject_cast<QWidget*>(event.object);
    if (widget && area.isAncestorOf(widget))
      renamed.push_back(widget->objectName().toStdString() + " " + event.name.toStdString());
  }
  return renamed;
}

}  // namespace velvara::testing
