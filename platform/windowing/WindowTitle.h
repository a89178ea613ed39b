#pragma once
// The title the window system shows for a window.
#include <QString>

class QWidget;

namespace velvara::windowing {

// Sets the window's title. The window system is never handed an empty
// title, since Qt then shows the program's name ("velvara") in its place: a
// window meant to have no title gets one blank, which shows as none.
void setShownTitle(QWidget& window, const QString& title);

}  // namespace velvara::windowing
