#include "widgets/design/PlatformColor.h"

#include <QApplication>
#include <QPalette>

namespace velvara::widgets {

QColor toQColor(std::uint32_t platformColor) {
  if (platformColor & 0x80000000u) {
    const QPalette palette = QApplication::palette();
    switch (platformColor & 0xFFu) {
      case 5:
        return palette.color(QPalette::Base);
      case 8:
        return palette.color(QPalette::Text);
      case 15:
        return palette.color(QPalette::Button);
      case 18:
        return palette.color(QPalette::ButtonText);
      default:
        return palette.color(QPalette::Window);
    }
  }
  return QColor(platformColor & 0xFFu, (platformColor >> 8) & 0xFFu, (platformColor >> 16) & 0xFFu);
}

std::uint32_t toPlatformColor(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) + 256u * static_cast<std::uint32_t>(color.green()) +
         65536u * static_cast<std::uint32_t>(color.blue());
}

}  // namespace velvara::widgets
