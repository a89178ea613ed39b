#include "platform/windowing/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "platform/windowing/DialogOwner.h"

namespace velvara::windowing {
namespace {

// Brings the window to the size its layouts give it now. Showing a window
// changes the size some of its parts ask for, and each layout passes such a
// change on to the one above it only in a posted event, one level at a
// time: every part's request is handled before its parent's.
void settleLayouts(QWidget& window) {
  const QList<QWidget*> parts = window.findChildren<QWidget*>();
  for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
    QCoreApplication::sendPostedEvents(*part, QEvent::LayoutRequest);
  }
  QCoreApplication::sendPostedEvents(&window, QEvent::LayoutRequest);
}

int spanKeptInside(int start, int length, int areaStart, int areaLength) {
  if (length >= areaLength) return areaStart;
  return std::clamp(start, areaStart, areaStart + areaLength - length);
}

// How far a point lies outside an area, as the square of the distance.
qint64 squaredDistance(const QPoint& point, const QRect& area) {
  const qint64 dx = std::max({area.left() - point.x(), 0, point.x() - area.right()});
  const qint64 dy = std::max({area.top() - point.y(), 0, point.y() - area.bottom()});
  return dx * dx + dy * dy;
}

QScreen* screenNearest(const QPoint& point) {
  QScreen* nearest = QGuiApplication::primaryScreen();
  if (!nearest) return nullptr;
  qint64 nearestDistance = squaredDistance(point, nearest->geometry());
  for (QScreen* screen : QGuiApplication::screens()) {
    const qint64 distance = squaredDistance(point, screen->geometry());
    if (distance < nearestDistance) {
      nearest = screen;
      nearestDistance = distance;
    }
  }
  return nearest;
}

class Placement : public QObject {
 public:
  Placement(QWidget& window, QWidget* owner) : QObject(&window), window_(window), owner_(owner) {
    window.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &window_ || event->type() != QEvent::Show || event->spontaneous()) return false;
    const bool placedByItsCode = window_.testAttribute(Qt::WA_Moved);
    // The window's own handling first: a message box takes its size there.
    static_cast<QObject&>(window_).event(event);
    settleLayouts(window_);
    place(placedByItsCode);
    return true;
  }

 private:
  QWidget* owner() const {
    if (owner_) return owner_->window();
    if (QWidget* parent = window_.parentWidget()) return parent->window();
    return windowing::dialogOwner(&window_);
  }

  void place(bool keepPlace) {
    QWidget* owner = this->owner();
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // A window not yet framed by the window system gets its owner's frame.
    QMargins margins = windowing::frameMargins(window_);
    if (owner && margins.left() == 0 && margins.top() == 0) margins = windowing::frameMargins(*owner);
    QRect frame(window_.pos(), window_.size().grownBy(margins));
    if (!keepPlace) {
      const QPoint centre = owner ? windowing::frameGeometry(*owner).center() : screen->availableGeometry().center();
      frame.moveCenter(centre);
    }
    if (QWindow* handle = window_.windowHandle()) handle->setScreen(screen);
    window_.move(windowing::keptInside(frame, screen->availableGeometry()).topLeft());
  }

  QWidget& window_;
  QPointer<QWidget> owner_;
};

}  // namespace

void openOnOwnersScreen(QWidget& window, QWidget* owner) { new Placement(window, owner); }

QMargins frameMargins(const QWidget& window) {
  // Not the widget's own frame geometry: that keeps the frame the window had
  // when it last moved or changed its size. A window manager changes the
  // frame alone when the user takes the title bar off, and may tell a
  // maximised window's new frame only after its new size: the widget then
  // gives the old frame around the window.
  const QWindow* handle = window.windowHandle();
  return handle ? handle->frameMargins() : QMargins();
}

QRect frameGeometry(const QWidget& window) { return window.geometry().marginsAdded(frameMargins(window)); }

QRect keptInside(const QRect& frame, const QRect& available) {
  return {spanKeptInside(frame.left(), frame.width(), available.left(), available.width()),
          spanKeptInside(frame.top(), frame.height(), available.top(), available.height()), frame.width(),
          frame.height()};
}

QRect keptOnScreen(const QRect& frame) {
  const QScreen* screen = screenNearest(frame.topLeft());
  if (!screen) return frame;
  const QRect available = screen->availableGeometry();
  return keptInside(QRect(frame.topLeft(), frame.size().boundedTo(available.size())), available);
}

}  // namespace velvara::windowing
