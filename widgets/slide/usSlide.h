#pragma once
// The thumbnail cell: a coloured surface, an inner picture box that the
// owner paints a preview into, and a frame around the picture that turns red
// while the cell is selected. The cell knows nothing of images or files.
//
// Showing a preview (the bitmap stays the owner's; the cell keeps what was
// painted, so the bitmap may be released or reordered afterwards):
//   cell->setSlideWidth(140);
//   cell->setSlideHeight(140);
//   cell->setPicHeightPercentOfWidth(double(bmp.height) / bmp.width);
//   cell->pictureBox().setFillColor(0xE0E0E0);
//   cell->pictureBox().paintBitmap(bmp);       // 1:1 at the picture's top-left
//   cell->setTooltip(title);
// and for a picture that cannot be shown: cell->clearPicture().
//
// Mouse events from the picture arrive in the cell's own coordinates; drops
// on either part arrive with the coordinates of the part they fell on. The
// cell takes the keyboard focus itself (its picture is part of its drawing)
// and raises keyDown and keyPress for the keys it gets.
//
// Stored properties (widgets/design/PropertyBag.h), read and written in this
// order; name, type, default: "ForeColor" long 0, "Font" font (the parent's),
// "BackStyle" long 0, "BorderStyle" long 0, "Enabled" bool true,
// "SlideWidth" long 140, "SlideHeight" long 140, "BorderWidth" long 3,
// "PicAutoSize" bool false, "BackColor" long 0xFFFFFF, "Picture" picture
// (none), "SlideSelected" bool false, "SlideBorderColor" long 0xFFFFFF,
// "PicHeightPercentOfWidth" double 1.0, "Tooltip" text "".
#include <QEvent>
#include <QFont>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <string>

#include "i18n/StringService.h"
#include "platform/mlruntime/LanguageSupport.h"
#include "widgets/design/PropertyBag.h"
#include "widgets/slide/SlideLayout.h"
#include "widgets/slide/SlidePicture.h"

class QMimeData;

namespace velvara::widgets {

class SlideFrame;

// The frame colours of a selected and of an unselected cell.
inline constexpr std::uint32_t kSelectedBorderColor = 255;
inline constexpr std::uint32_t kUnselectedBorderColor = 0xFFFFFF;
// The grey of a cell's picture box while it shows the placeholder.
inline constexpr std::uint32_t kPlaceholderColor = 0xE0E0E0;

class usSlide : public QWidget {
  Q_OBJECT

 public:
  // A cell as newly placed: 140 x 140 pixels, square picture, not selected.
  explicit usSlide(i18n::StringService& strings, QWidget* parent = nullptr);
  ~usSlide() override;

  // A cell named name, loaded from the form's designed values.
  static usSlide* fromDesign(const FormDesign& design, const std::string& name, i18n::StringService& strings,
                             QWidget* parent);

  // Reading neither lays the cell out nor recolours the frame from
  // SlideSelected; the next resize does the layout.
  void readProperties(const PropertyBag& bag);
  void writeProperties(PropertyBag& bag) const;

  // Stored only; nothing in the cell draws with these.
  std::uint32_t foreColor() const { return foreColor_; }
  void setForeColor(std::uint32_t newForeColor);
  void setFont(const QFont& font);
  std::int16_t backStyle() const { return backStyle_; }
  void setBackStyle(std::int16_t style);
  std::int16_t borderStyle() const { return borderStyle_; }
  void setBorderStyle(std::int16_t style);

  // Kept for callers that refresh every control; the cell repaints itself.
  void refresh() {}

  bool enabled() const { return isEnabled(); }
  void setEnabled(bool enabled);
  std::int32_t slideWidth() const { return slideWidth_; }
  void setSlideWidth(std::int32_t newSlideWidth);
  std::int32_t slideHeight() const { return slideHeight_; }
  void setSlideHeight(std::int32_t newSlideHeight);
  bool picAutoSize() const { return picAutoSize_; }
  void setPicAutoSize(bool newPicAutoSize);
  std::uint32_t backColor() const { return backColor_; }
  void setBackColor(std::uint32_t color);
  const QImage& picture() const { return picture1_->picture(); }
  void setPicture(const QImage& newPicture);
  bool slideSelected() const { return slideSelected_; }
  // Red when selected, white when not, whatever SlideBorderColor was.
  void setSlideSelected(bool newSlideSelected);
  std::uint32_t slideBorderColor() const;
  void setSlideBorderColor(std::uint32_t newSlideBorderColor);
  SlidePicture& pictureBox() { return *picture1_; }
  // The inner box takes the picture of box.
  void setPictureBox(const SlidePicture& newPictureBox);
  double picHeightPercentOfWidth() const { return picHeightPercentOfWidth_; }
  void setPicHeightPercentOfWidth(double newPicHeightPercentOfWidth);
  // Shows the placeholder in a grey box 12 pixels in from every side, with
  // no tooltip; the next layout puts the box back in its place.
  void clearPicture();
  std::string tooltip() const;
  // Also names the cell for a screen reader, until its owner names it.
  void setTooltip(const std::string& newTooltip);

  // The name a screen reader reads for the cell, from now on whatever its
  // tooltip.
  void setCellName(const QString& name);

  // The picture box's place as the layout computed it, fractions kept; the
  // widget itself sits at the whole pixels below it.
  const PixelRect& pictureRect() const { return pictureRect_; }
  const PixelRect& frameRect() const { return frameRect_; }

  // The placeholder picture carried in the program (120 x 120).
  static const QImage& placeholder();

 signals:
  void keyDown(int& keyCode, int& shift);
  void keyPress(int& keyAscii);
  // effect: 1 copy, 2 move, 4 link; a handler may change it.
  void oleDragDrop(const QMimeData* data, int& effect, int button, int shift, double x, double y);
  void mouseDown(int button, int shift, double x, double y);
  void mouseUp(int button, int shift, double x, double y);
  void mouseMove(int button, int shift, double x, double y);
  void click();
  void propertyChanged(const QString& name);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void layOut();
  void placePicture(const PixelRect& rect);
  void applyBackColor();
  void raiseDrop(QDropEvent& event);
  void raiseMouse(QEvent::Type type, const QMouseEvent& event, QPointF offset);
  void nameCell(const QString& name);

  i18n::StringService& strings_;
  mlruntime::LanguageSupport languageSupport_;
  SlideFrame* shape1_;
  SlidePicture* picture1_;

  std::uint32_t foreColor_ = 0;
  std::int16_t backStyle_ = 0;
  std::int16_t borderStyle_ = 0;
  std::int32_t slideWidth_ = 140;
  std::int32_t slideHeight_ = 140;
  bool picAutoSize_ = false;
  std::uint32_t backColor_ = 0xFFFFFF;
  bool slideSelected_ = false;
  bool namedByOwner_ = false;
  double picHeightPercentOfWidth_ = 1.0;
  PixelRect pictureRect_;
  PixelRect frameRect_;
  bool layingOut_ = false;
};

}  // namespace velvara::widgets
