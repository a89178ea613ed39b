#pragma once
// A button whose face shows a colour: the face colour is the working value of
// one colour setting, and clicking it opens the colour dialog.
#include <QPushButton>
#include <cstdint>

namespace velvara::settings {

class ColorButton : public QPushButton {
  Q_OBJECT
 public:
  explicit ColorButton(QWidget* parent = nullptr);

  // Platform colour values: red + 256 * green + 65536 * blue.
  std::int32_t color() const { return color_; }
  void setColor(std::int32_t color);

 private:
  std::int32_t color_ = 0;
};

// The platform colour value as Qt's colour, and back.
QColor toQColor(std::int32_t color);

}  // namespace velvara::settings
