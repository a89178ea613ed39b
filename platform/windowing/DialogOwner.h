#pragma once
// The window a dialog that opens now belongs to. Qt's active window is the
// natural owner, but it is only set once the window system has given a window
// the focus: without a window manager (a bare X server, a kiosk session) no
// window is ever active, and dialogs opened over "the active window" would
// belong to none and open in the middle of the screen, away from the window
// the user works in.
class QWidget;

namespace velvara::windowing {

// The active window; else the modal window on top (the one the user works
// in while it is open); else the program's main window, its first visible
// top-level window that is not a dialog; else none. A window never owns
// itself: asked for the window that is being shown, the next in that order.
QWidget* dialogOwner(const QWidget* shown = nullptr);

}  // namespace velvara::windowing
