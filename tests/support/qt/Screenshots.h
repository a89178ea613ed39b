#pragma once
// Pictures of windows for a reviewer to look at: each is saved as
// <build>/test-artifacts/<name>.png.
#include <string>

class QWidget;

namespace velvara::testing {

// Grabs the widget as it is painted now and saves it; the saved file's path.
std::string saveScreenshot(QWidget& widget, const std::string& name);

}  // namespace velvara::testing
