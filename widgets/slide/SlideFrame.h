#pragma once
// The outline a thumbnail cell draws around its picture; its colour shows
// whether the cell is selected. It takes no mouse input: presses on it
// belong to the cell.
#include <QWidget>
#include <cstdint>

namespace velvara::widgets {

class SlideFrame : public QWidget {
  Q_OBJECT

 public:
  explicit SlideFrame(QWidget* parent = nullptr);

  std::uint32_t borderColor() const { return borderColor_; }
  void setBorderColor(std::uint32_t color);
  std::int16_t borderWidth() const { return borderWidth_; }
  void setBorderWidth(std::int16_t width);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::uint32_t borderColor_ = 0xFFFFFF;
  std::int16_t borderWidth_ = 3;
};

}  // namespace velvara::widgets
