#pragma once
// A label shown as a patch of colour: the colour samples, the black and
// white swatches and the web palette's cells. A left click on it is
// reported by clicked().
#include <QLabel>
#include <cstdint>

namespace velvara::widgets {

class ColorLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ColorLabel(QWidget* parent = nullptr);

  // Platform colour values: red + 256 * green + 65536 * blue.
  std::uint32_t backColor() const { return backColor_; }
  void setBackColor(std::uint32_t color);
  std::uint32_t foreColor() const { return foreColor_; }
  void setForeColor(std::uint32_t color);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void applyColors();

  std::uint32_t backColor_ = 0;
  std::uint32_t foreColor_ = 0;
};

}  // namespace velvara::widgets
