#pragma once
// Where the program's windows and dialogs open: wholly on the screen that
// holds their owner. A window is centred on its owner where it fits there
// and moved inside the screen's available area where it does not; a window
// that its code placed itself before showing it (the colour dialog at the
// button that opened it) keeps that place as far as the screen allows.
#include <QMargins>
#include <QRect>

class QWidget;

namespace velvara::windowing {

// Has window placed so at every showing. owner: the window it belongs to;
// when none is given, its parent's window, else dialogOwner() at the time it
// is shown, else none (then the primary screen holds it).
void openOnOwnersScreen(QWidget& window, QWidget* owner = nullptr);

// The window system's frame around a window: its title bar and borders as the
// window system last told them; none before it has framed the window.
QMargins frameMargins(const QWidget& window);

// The window's outer rectangle: the window within that frame.
QRect frameGeometry(const QWidget& window);

// The frame rectangle moved as little as possible to lie inside available;
// one larger than available keeps its top-left corner at available's.
QRect keptInside(const QRect& frame, const QRect& available);

// The frame rectangle made no larger than the available area of the screen
// that holds its top-left corner (else of the screen nearest to it) and kept
// inside that area: a window placed for a larger screen or for screens since
// taken away comes back wholly on a screen.
QRect keptOnScreen(const QRect& frame);

}  // namespace velvara::windowing
