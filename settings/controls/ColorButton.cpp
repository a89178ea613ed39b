#include "settings/controls/ColorButton.h"

#include <QColor>

namespace velvara::settings {

QColor toQColor(std::int32_t color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

ColorButton::ColorButton(QWidget* parent) : QPushButton(parent) {
  // The settings window has no default button: Enter in one of its fields
  // must not open a colour dialog.
  setAutoDefault(false);
  setFixedSize(28, 22);
  setColor(0);
}

void ColorButton::setColor(std::int32_t color) {
  color_ = color & 0xFFFFFF;
  const QColor face = toQColor(color_);
  // A light face gets dark text and the other way round, so a caption on the
  // button stays readable whatever the colour.
  const QString text = face.lightness() > 128 ? "#000000" : "#FFFFFF";
  setStyleSheet(QString("QPushButton { background-color: %1; color: %2; border: 1px solid #505050; }"
                        "QPushButton:pressed { border: 2px solid #202020; }"
                        "QPushButton:focus { border: 2px dotted #202020; }")
                    .arg(face.name(), text));
}

}  // namespace velvara::settings
