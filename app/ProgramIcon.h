#pragma once
// The program's icon, which every window shows: the picture the desktop's
// menu and file manager show for Velvara, carried inside the program at each
// size it is drawn at (desktop/velvara.svg, rendered when the program is
// built).
#include <QIcon>

namespace velvara::app {

QIcon programIcon();

}  // namespace velvara::app
