#include "widgets/slide/usSlide.h"

#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <cmath>

#include "assets/Assets.h"
#include "widgets/design/PlatformColor.h"
#include "widgets/input/KeyCodes.h"
#include "widgets/slide/SlideAccessible.h"
#include "widgets/slide/SlideFrame.h"

namespace velvara::widgets {

namespace {

// Where the platform holds only whole pixels, a part starts and ends at the
// whole pixel at or before its exact place.
int whole(double pixels) { return static_cast<int>(std::floor(pixels)); }

int effectOf(Qt::DropAction action) {
  switch (action) {
    case Qt::MoveAction:
      return 2;
    case Qt::LinkAction:
      return 4;
    default:
      return 1;
  }
}

Qt::DropAction actionOf(int effect) {
  if (effect & 2) return Qt::MoveAction;
  if (effect & 4) return Qt::LinkAction;
  if (effect & 1) return Qt::CopyAction;
  return Qt::IgnoreAction;
}

std::int32_t asLong(std::uint32_t color) { return static_cast<std::int32_t>(color); }

}  // namespace

usSlide::usSlide(i18n::StringService& strings, QWidget* parent)
    : QWidget(parent),
      strings_(strings),
      languageSupport_([this](int langId, const std::string& langName) {
        // The cell has no captions: only the current language follows.
        strings_.setCurrentLanguage(langId, langName);
      }),
      shape1_(new SlideFrame(this)),
      picture1_(new SlidePicture(this)) {
  setAutoFillBackground(true);
  setAcceptDrops(true);
  setMouseTracking(true);
  picture1_->setAcceptDrops(true);
  picture1_->setMouseTracking(true);
  picture1_->installEventFilter(this);
  // The cell is one control to a screen reader, its picture part of its
  // drawing: the keyboard focus is the cell's own, so that the focus is
  // reported for the control a screen reader knows.
  setFocusPolicy(Qt::StrongFocus);
  installSlideAccessibility();
  applyBackColor();
  layOut();
}

usSlide::~usSlide() = default;

usSlide* usSlide::fromDesign(const FormDesign& design, const std::string& name, i18n::StringService& strings,
                             QWidget* parent) {
  auto* cell = new usSlide(strings, parent);
  cell->setObjectName(QString::fromStdString(name));
  cell->readProperties(design.control(name));
  return cell;
}

void usSlide::readProperties(const PropertyBag& bag) {
  const QFont ambient = parentWidget() ? parentWidget()->font() : QApplication::font();
  foreColor_ = static_cast<std::uint32_t>(bag.readLong("ForeColor", 0));
  QWidget::setFont(bag.readFont("Font", ambient));
  backStyle_ = static_cast<std::int16_t>(bag.readLong("BackStyle", 0));
  borderStyle_ = static_cast<std::int16_t>(bag.readLong("BorderStyle", 0));
  QWidget::setEnabled(bag.readBool("Enabled", true));
  slideWidth_ = bag.readLong("SlideWidth", 140);
  slideHeight_ = bag.readLong("SlideHeight", 140);
  shape1_->setBorderWidth(static_cast<std::int16_t>(bag.readLong("BorderWidth", 3)));
  picAutoSize_ = bag.readBool("PicAutoSize", false);
  backColor_ = static_cast<std::uint32_t>(bag.readLong("BackColor", asLong(0xFFFFFF)));
  applyBackColor();
  picture1_->setPicture(bag.readPicture("Picture", QImage()));
  slideSelected_ = bag.readBool("SlideSelected", false);
  shape1_->setBorderColor(static_cast<std::uint32_t>(bag.readLong("SlideBorderColor", asLong(0xFFFFFF))));
  picHeightPercentOfWidth_ = bag.readDouble("PicHeightPercentOfWidth", 1.0);
  picture1_->setToolTip(QString::fromStdString(bag.readText("Tooltip", "")));
  if (!namedByOwner_) nameCell(picture1_->toolTip());
}

void usSlide::writeProperties(PropertyBag& bag) const {
  const QFont ambient = parentWidget() ? parentWidget()->font() : QApplication::font();
  bag.write("ForeColor", asLong(foreColor_), std::int32_t{0});
  bag.write("Font", font(), ambient);
  bag.write("BackStyle", std::int32_t{backStyle_}, std::int32_t{0});
  bag.write("BorderStyle", std::int32_t{borderStyle_}, std::int32_t{0});
  bag.write("Enabled", isEnabled(), true);
  bag.write("SlideWidth", slideWidth_, std::int32_t{140});
  bag.write("SlideHeight", slideHeight_, std::int32_t{140});
  bag.write("BorderWidth", std::int32_t{shape1_->borderWidth()}, std::int32_t{3});
  bag.write("PicAutoSize", picAutoSize_, false);
  bag.write("BackColor", asLong(backColor_), asLong(0xFFFFFF));
  bag.write("Picture", picture1_->picture(), QImage());
  bag.write("SlideSelected", slideSelected_, false);
  bag.write("SlideBorderColor", asLong(shape1_->borderColor()), asLong(0xFFFFFF));
  bag.write("PicHeightPercentOfWidth", picHeightPercentOfWidth_, 1.0);
  bag.write("Tooltip", tooltip(), std::string());
}

void usSlide::setForeColor(std::uint32_t newForeColor) {
  foreColor_ = newForeColor;
  emit propertyChanged("ForeColor");
}

void usSlide::setFont(const QFont& font) {
  QWidget::setFont(font);
  emit propertyChanged("Font");
}

void usSlide::setBackStyle(std::int16_t style) {
  backStyle_ = style;
  emit propertyChanged("BackStyle");
}

void usSlide::setBorderStyle(std::int16_t style) {
  borderStyle_ = style;
  emit propertyChanged("BorderStyle");
}

void usSlide::setEnabled(bool enabled) {
  QWidget::setEnabled(enabled);
  emit propertyChanged("Enabled");
}

void usSlide::setSlideWidth(std::int32_t newSlideWidth) {
  slideWidth_ = newSlideWidth;
  emit propertyChanged("SlideWidth");
  layOut();
}

void usSlide::setSlideHeight(std::int32_t newSlideHeight) {
  slideHeight_ = newSlideHeight;
  emit propertyChanged("SlideHeight");
  layOut();
}

void usSlide::setPicAutoSize(bool newPicAutoSize) {
  picAutoSize_ = newPicAutoSize;
  emit propertyChanged("PicAutoSize");
  layOut();
}

void usSlide::setBackColor(std::uint32_t color) {
  backColor_ = color;
  applyBackColor();
  emit propertyChanged("BackColor");
}

void usSlide::setPicture(const QImage& newPicture) {
  picture1_->setPicture(newPicture);
  emit propertyChanged("Picture");
  layOut();
}

void usSlide::setSlideSelected(bool newSlideSelected) {
  slideSelected_ = newSlideSelected;
  shape1_->setBorderColor(newSlideSelected ? kSelectedBorderColor : kUnselectedBorderColor);
  emit propertyChanged("SlideSelected");
}

std::uint32_t usSlide::slideBorderColor() const { return shape1_->borderColor(); }

void usSlide::setSlideBorderColor(std::uint32_t newSlideBorderColor) {
  shape1_->setBorderColor(newSlideBorderColor);
  emit propertyChanged("SlideBorderColor");
}

void usSlide::setPictureBox(const SlidePicture& newPictureBox) {
  picture1_->setPicture(newPictureBox.picture());
  emit propertyChanged("PictureBox");
}

void usSlide::setPicHeightPercentOfWidth(double newPicHeightPercentOfWidth) {
  picHeightPercentOfWidth_ = newPicHeightPercentOfWidth;
  emit propertyChanged("PicHeightPercentOfWidth");
  layOut();
}

void usSlide::clearPicture() {
  picture1_->setBackColor(kPlaceholderColor);
  picture1_->setFillColor(kPlaceholderColor);
  placePicture(placeholderRect(slideWidth_, slideHeight_));
  picture1_->setPicture(placeholder());
  picture1_->setToolTip(QString());
  if (!namedByOwner_) nameCell(QString());
}

std::string usSlide::tooltip() const { return picture1_->toolTip().toStdString(); }

void usSlide::setTooltip(const std::string& newTooltip) {
  picture1_->setToolTip(QString::fromStdString(newTooltip));
  if (!namedByOwner_) nameCell(picture1_->toolTip());
  emit propertyChanged("Tooltip");
}

void usSlide::setCellName(const QString& name) {
  namedByOwner_ = true;
  nameCell(name);
}

void usSlide::nameCell(const QString& name) {
  // Each new name is news to a screen reader; the same one again is not.
  if (name != accessibleName()) setAccessibleName(name);
}

const QImage& usSlide::placeholder() {
  static const QImage picture = [] {
    QImage image;
    if (const auto bytes = assets::find("BITMAP", "FILENOTFOUND")) {
      image.loadFromData(bytes->data(), static_cast<int>(bytes->size()), "PNG");
    }
    return image;
  }();
  return picture;
}

bool usSlide::eventFilter(QObject* watched, QEvent* event) {
  if (watched != picture1_) return QWidget::eventFilter(watched, event);
  const QPointF offset = picture1_->pos();
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
      // Taken here, so that they do not reach the surface a second time.
      raiseMouse(event->type(), static_cast<QMouseEvent&>(*event), offset);
      return true;
    case QEvent::DragEnter:
    case QEvent::DragMove:
      static_cast<QDragMoveEvent&>(*event).acceptProposedAction();
      return true;
    case QEvent::Drop:
      raiseDrop(static_cast<QDropEvent&>(*event));
      return true;
    default:
      return false;
  }
}

void usSlide::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layOut();
}

void usSlide::keyPressEvent(QKeyEvent* event) {
  int keyCode = virtualKeyCode(*event);
  int shift = shiftMask(event->modifiers());
  emit keyDown(keyCode, shift);
  int character = keyAscii(*event);
  if (character != 0) emit keyPress(character);
}

void usSlide::mousePressEvent(QMouseEvent* event) { raiseMouse(event->type(), *event, {}); }

void usSlide::mouseReleaseEvent(QMouseEvent* event) {
  raiseMouse(event->type(), *event, {});
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit click();
}

void usSlide::mouseMoveEvent(QMouseEvent* event) { raiseMouse(event->type(), *event, {}); }

void usSlide::dragEnterEvent(QDragEnterEvent* event) { event->acceptProposedAction(); }

void usSlide::dragMoveEvent(QDragMoveEvent* event) { event->acceptProposedAction(); }

void usSlide::dropEvent(QDropEvent* event) { raiseDrop(*event); }

void usSlide::raiseMouse(QEvent::Type type, const QMouseEvent& event, QPointF offset) {
  const int shift = shiftMask(event.modifiers());
  const double x = event.position().x() + offset.x();
  const double y = event.position().y() + offset.y();
  if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
    emit mouseDown(buttonMask(event.button()), shift, x, y);
  } else if (type == QEvent::MouseButtonRelease) {
    emit mouseUp(buttonMask(event.button()), shift, x, y);
  } else {
    emit mouseMove(buttonMask(event.buttons()), shift, x, y);
  }
}

void usSlide::raiseDrop(QDropEvent& event) {
  int effect = effectOf(event.proposedAction());
  emit oleDragDrop(event.mimeData(), effect, buttonMask(event.buttons()), shiftMask(event.modifiers()),
                   event.position().x(), event.position().y());
  event.setDropAction(actionOf(effect));
  event.accept();
}

void usSlide::layOut() {
  if (layingOut_) return;
  layingOut_ = true;
  resize(slideWidth_, slideHeight_);
  if (picHeightPercentOfWidth_ == 0) picHeightPercentOfWidth_ = 1.0;
  const double ratio = picHeightPercentOfWidth_;
  const QImage& shown = picture1_->picture();
  const SlideLayout layout = picAutoSize_ && !shown.isNull()
                                 ? layOutSlide(slideWidth_, slideHeight_, shown.width(), shown.height(), ratio)
                                 : layOutSlide(slideWidth_, slideHeight_, ratio);
  frameRect_ = layout.frame;
  shape1_->setGeometry(whole(frameRect_.left), whole(frameRect_.top), whole(frameRect_.width),
                       whole(frameRect_.height));
  placePicture(layout.picture);
  layingOut_ = false;
}

void usSlide::placePicture(const PixelRect& rect) {
  pictureRect_ = rect;
  picture1_->setGeometry(whole(rect.left), whole(rect.top), whole(rect.width), whole(rect.height));
  picture1_->raise();
}

void usSlide::applyBackColor() {
  QPalette surface = palette();
  surface.setColor(QPalette::Window, toQColor(backColor_));
  setPalette(surface);
}

}  // namespace velvara::widgets
