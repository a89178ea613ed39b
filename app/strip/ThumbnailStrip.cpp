#include "app/strip/ThumbnailStrip.h"

#include <QCursor>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

#include "app/strip/DropReorder.h"
#include "core/imaging/LoadFitted.h"
#include "core/imaging/PreviewLoading.h"
#include "platform/imagelib/Library.h"
#include "widgets/input/HoverFocus.h"
#include "widgets/input/KeyCodes.h"
#include "widgets/slide/usSlide.h"

namespace velvara::app {
namespace {

std::int32_t roundHalfEven(double value) { return static_cast<std::int32_t>(std::nearbyint(value)); }

}  // namespace

ThumbnailStrip::ThumbnailStrip(const StripControls& controls, core::Project& project, core::ImageLibrary& library,
                               core::Host& host, i18n::StringService& strings, widgets::CommandGate& commands,
                               QObject* parent)
    : QObject(parent),
      controls_(controls),
      project_(project),
      library_(library),
      host_(host),
      strings_(strings),
      commands_(commands),
      focus_(*controls.pbOuter, *controls.pbInner),
      pool_(*controls.pbInner, strings, grid_, cells_, project.images, selection_, focus_,
            [this](widgets::usSlide& cell) { setUpCellWidget(cell); }) {
  setPicInRowValue_ = [this](std::int32_t n) { picInRowChanged(n); };
  for (QWidget* window : {controls_.pbOuter, controls_.pbInner}) {
    window->setMouseTracking(true);
    window->setAcceptDrops(true);
    window->installEventFilter(this);
  }
  // Only a new value moves the canvas, not every step of a dragged thumb.
  controls_.VScroll1->setTracking(false);
  controls_.HScroll1->setTracking(false);
  connect(controls_.VScroll1, &QScrollBar::valueChanged, this,
          [this](int value) { controls_.pbInner->move(controls_.pbInner->x(), -value); });
  connect(controls_.HScroll1, &QScrollBar::valueChanged, this,
          [this](int value) { controls_.pbInner->move(-value, controls_.pbInner->y()); });
  ensureCell(0);
}

ThumbnailStrip::~ThumbnailStrip() = default;

bool ThumbnailStrip::ensureCell(std::int32_t index) {
  const bool made = cells_.ensure(index);
  selection_.ensureCells(cellCount());
  return made;
}

void ThumbnailStrip::setUpCellWidget(widgets::usSlide& cell) {
  // Keys reach the strip from the cell, the wheel and double-clicks also
  // from its picture box.
  cell.installEventFilter(this);
  cell.pictureBox().installEventFilter(this);
  // The widget shows one cell after another: each event goes to the cell it
  // shows at that moment.
  const auto toCell = [this, widget = &cell](auto handler) {
    return [this, widget, handler](int button, int shift, double x, double y) {
      const std::int32_t index = pool_.indexOf(widget);
      if (index >= 0) (this->*handler)(index, button, shift, x, y);
    };
  };
  connect(&cell, &widgets::usSlide::mouseDown, this, toCell(&ThumbnailStrip::cellMouseDown));
  connect(&cell, &widgets::usSlide::mouseMove, this, toCell(&ThumbnailStrip::cellMouseMove));
  connect(&cell, &widgets::usSlide::mouseUp, this, toCell(&ThumbnailStrip::cellMouseUp));
  connect(&cell, &widgets::usSlide::oleDragDrop, this, [this](const QMimeData* data, int&, int, int, double, double) {
    commands_.run([this, urls = data->urls()] { emit filesDropped(urls); });
  });
}

CanvasRect ThumbnailStrip::view() const {
  return {-controls_.pbInner->x(), -controls_.pbInner->y(), controls_.pbOuter->width(), controls_.pbOuter->height()};
}

void ThumbnailStrip::syncView() { pool_.showOnly(cells_.shownIn(view())); }

void ThumbnailStrip::updateCell(std::int32_t index) {
  const bool shown = cells_.seenIn(index, view());
  if (shown == (pool_.widgetFor(index) != nullptr)) {
    pool_.refresh(index);
  } else {
    syncView();
  }
}

void ThumbnailStrip::commit() {
  if (details_) details_->commitImageDetails();
}

void ThumbnailStrip::showDetails(std::int32_t index) {
  if (details_) details_->showImageDetails(index);
}

bool ThumbnailStrip::loadSlide(const std::string& path, std::int32_t index, float boxWidth, float boxHeight) {
  imagelib::Bitmap bmp;
  bool loaded = core::loadFitted(library_, path, boxWidth, boxHeight, bmp);
  placeSlide(index, loaded ? &bmp : nullptr);
  updateCell(index);
  return loaded;
}

void ThumbnailStrip::placeSlide(std::int32_t index, imagelib::Bitmap* preview) {
  ensureCell(index);
  CellLook& look = cells_.look(index);
  look.picAutoSize = false;
  cells_.clearPicture(index);
  if (preview) {
    project_.images.setPreview(index, std::move(*preview));
    paintCell(index);
  }
  look.visible = true;
}

void ThumbnailStrip::paintCell(std::int32_t index) {
  const imagelib::Bitmap& bitmap = project_.images.bitmap(index);
  cells_.showPreview(index, static_cast<double>(bitmap.height) / bitmap.width, project_.images.item(index).title);
}

void ThumbnailStrip::reloadAllSlides(float boxWidth, float boxHeight) {
  core::ImageList& images = project_.images;
  const std::int32_t count = images.count();
  for (std::int32_t i = count - 1; i >= 0; --i)
    if (images.item(i).thumbnailCached) images.releasePreview(i);
  // An empty list would show an empty bar for no time at all.
  if (count > 0) host_.showProgress(0, count);
  host_.setMainWindowEnabled(false);
  std::vector<std::string> paths;
  paths.reserve(count);
  for (const core::ImageItem& image : images.items()) paths.push_back(image.sourcePath);
  // The files are decoded on every core, ahead of their turn; each preview
  // is placed here in list order, exactly as loading them one by one would.
  cells_.startPlacing(picInRow_);
  core::loadPreviews(library_, paths, boxWidth, boxHeight, true, [&](std::size_t i, core::LoadedPreview& preview) {
    const auto j = static_cast<std::int32_t>(i);
    host_.setProgress(j + 1);
    placeSlide(j, preview.loaded() ? &preview.bitmap : nullptr);
    cells_.place(j, cellPosition(grid_, j, picInRow_));
    updateCell(j);
    host_.processEvents();
  });
  if (count > 0) host_.hideProgress();
  host_.setMainWindowEnabled(true);
  CanvasSize canvas = canvasSize(grid_, count, count, picInRow_);
  controls_.pbInner->resize(canvas.width, canvas.height);
  unselectAllSlides();
  syncView();
}

void ThumbnailStrip::setPicInRowBox(std::int32_t n) {
  setPicInRowValue_(n);
  // A box that already showed n reports no change; the row length is n all
  // the same.
  picInRow_ = n;
}

void ThumbnailStrip::arrangeSlides() {
  commit();
  const std::int32_t count = project_.images.count();
  std::int32_t n = limitRowToWidth(grid_, picInRow_);
  if (n != picInRow_) setPicInRowBox(n);
  n = limitRowsToHeight(grid_, n, count);
  if (n != picInRow_) setPicInRowBox(n);
  cells_.placeAll(picInRow_);
  pool_.refreshAll();
  CanvasSize canvas = canvasSize(grid_, cellCount(), count, picInRow_);
  controls_.pbInner->resize(canvas.width, canvas.height);
  unselectAllSlides();
  showDetails(-1);
  if (formResize_) formResize_();
  syncView();
}

void ThumbnailStrip::picInRowChanged(std::int32_t numValue) {
  picInRow_ = std::max(numValue, 1);
  arrangeSlides();
  scrollSlideIntoView(project_.images.count() - 1);
}

void ThumbnailStrip::showNewSlide(std::int32_t index) {
  // A cell made for a new image sizes its picture box to the picture; one
  // that is reused keeps its properties as they are.
  if (ensureCell(index)) cells_.look(index).picAutoSize = true;
  if (!project_.images.item(index).thumbnailCached) return;
  paintCell(index);
  cells_.look(index).visible = true;
  updateCell(index);
}

void ThumbnailStrip::repaintSlides() {
  for (std::int32_t i = 0; i < project_.images.count(); ++i) {
    if (project_.images.item(i).thumbnailCached) {
      paintCell(i);
    } else {
      cells_.clearPicture(i);
    }
  }
  pool_.refreshAll();
}

void ThumbnailStrip::clearImageList() {
  for (std::int32_t i = 0; i < std::min(project_.images.count(), cellCount()); ++i) {
    cells_.look(i).visible = false;
    cells_.look(i).tooltip.clear();
  }
  unselectAllSlides();
  project_.images.clear();
  // The previews of a large project are hundreds of megabytes.
  imagelib::returnFreedMemory();
  syncView();
}

void ThumbnailStrip::unloadCellsFrom(std::int32_t count) {
  cells_.truncate(count);
  if (count == 0) cells_.look(0).visible = false;
  syncView();
}

void ThumbnailStrip::syncFrames() { pool_.syncFrames(); }

void ThumbnailStrip::unselectAllSlides() {
  selection_.unselectAll();
  syncFrames();
}

void ThumbnailStrip::countSelection() { selection_.countSelection(project_.images.count()); }

void ThumbnailStrip::clearSelection() {
  commit();
  unselectAllSlides();
  showDetails(-1);
}

void ThumbnailStrip::selectAllToggle() {
  commit();
  selection_.toggleSelectAll(project_.images.count());
  syncFrames();
  showDetails(0);
}

void ThumbnailStrip::moveSelection(std::int32_t, std::int32_t to) {
  if (to < 0 || to > project_.images.count() - 1) return;
  ensureCell(to);
  selection_.unselectAll();
  selection_.setSelected(to, true);
  // Counted first: the frames and the current cell follow the counters.
  countSelection();
  showDetails(firstSelected());
  // In view first, so that the keyboard focus goes straight to the new
  // current cell, not by way of the canvas.
  scrollSlideIntoView(firstSelected());
  syncFrames();
}

void ThumbnailStrip::titlesChanged() { pool_.nameAll(); }

void ThumbnailStrip::scrollSlideIntoView(std::int32_t index) {
  if (index < 0 || index > project_.images.count() - 1 || index >= cellCount()) return;
  const CellPosition target = cells_.look(index).position;
  auto bringIntoView = [](QScrollBar* bar, int cellStart, int canvasStart, int windowExtent) {
    if (bar->isHidden()) return;
    std::optional<std::int32_t> v = scrollIntoViewValue(cellStart, canvasStart, windowExtent, bar->pageStep());
    if (!v) return;
    if (bar->maximum() < *v) bar->setMaximum(*v + 1);
    bar->setValue(*v);
  };
  bringIntoView(controls_.VScroll1, target.top, controls_.pbInner->y(), controls_.pbOuter->height());
  bringIntoView(controls_.HScroll1, target.left, controls_.pbInner->x(), controls_.pbOuter->width());
}

void ThumbnailStrip::stripKeyCommand(int keyCode, int shift) {
  commit();
  const bool ctrlAlone = shift == kCtrlMask;
  switch (keyCode) {
    case kKeyTab:
      if (details_) details_->stepImage(!ctrlAlone);
      break;
    case kKeyPageUp:
      if (ctrlAlone) moveSelection(firstSelected(), 0);
      break;
    case kKeyPageDown:
      if (ctrlAlone) moveSelection(firstSelected(), project_.images.count() - 1);
      break;
    case kKeyLeft:
    case kKeyRight:
      if (details_) details_->stepImage(keyCode == kKeyRight);
      break;
    case kKeyUp:
      moveSelection(firstSelected(), firstSelected() - picInRow_);
      break;
    case kKeyDown:
      moveSelection(firstSelected(), firstSelected() + picInRow_);
      break;
    case kKeyDelete:
      if (removeSelected_) removeSelected_();
      break;
    case kKeyA:
      if (ctrlAlone) selectAllToggle();
      break;
    default:
      break;
  }
}

void ThumbnailStrip::onMouseWheel(float rotation) {
  QScrollBar* bar = !controls_.VScroll1->isHidden()   ? controls_.VScroll1
                    : !controls_.HScroll1->isHidden() ? controls_.HScroll1
                                                      : nullptr;
  if (!bar) return;
  bar->setValue(wheelScrollValue({bar->value(), bar->minimum(), bar->maximum(), bar->pageStep()}, rotation));
}

void ThumbnailStrip::cellMouseDown(int index, int button, int shift, double x, double y) {
  commit();
  // The widget holds the mouse until the release, wherever the strip scrolls.
  pool_.hold(index);
  if (button == kLeftButton) {
    selection_.pressLeft(index, shift);
    const CellPosition at = cells_.look(index).position;
    dragStartX_ = roundHalfEven(at.left + x);
    dragStartY_ = roundHalfEven(at.top + y);
  }
  countSelection();
  syncFrames();
  showDetails(firstSelected());
}

void ThumbnailStrip::cellMouseMove(int index, int button, int shift, double x, double y) {
  if (widgets::usSlide* cell = pool_.widgetFor(index)) widgets::takeFocusOnHover(*cell);
  if (shift == kShiftMask || shift == kCtrlMask) return;
  const CellPosition at = cells_.look(index).position;
  const double canvasX = at.left + x;
  const double canvasY = at.top + y;
  if (button == kLeftButton && selectedCount() > 0 && selection_.isSelected(index) &&
      (std::abs(dragStartX_ - canvasX) > 2 || std::abs(dragStartY_ - canvasY) > 2)) {
    dragging_ = true;
    controls_.pbInner->setCursor(Qt::SizeAllCursor);
  }
}

void ThumbnailStrip::cellMouseUp(int index, int button, int shift, double x, double y) {
  pool_.release();
  if (button == kRightButton) {
    openImagesMenu();
  } else if (shift != kShiftMask && shift != kCtrlMask && dragging_) {
    commands_.run([&] { dropSelection(index, x, y); });
    controls_.pbInner->unsetCursor();
    dragging_ = false;
  }
  // The widget that held the mouse may have left the view meanwhile.
  syncView();
}

void ThumbnailStrip::openImagesMenu() {
  if (project_.images.count() > 0 && imagesMenu_) imagesMenu_->popup(QCursor::pos());
}

void ThumbnailStrip::dropSelection(int index, double x, double y) {
  const std::int32_t count = project_.images.count();
  const CellPosition at = cells_.look(index).position;
  const float canvasX = static_cast<float>(at.left + x);
  const float canvasY = static_cast<float>(at.top + y);
  std::int32_t target = dropTarget(grid_, canvasX, canvasY, picInRow_, count);
  std::optional<DropOrder> plan;
  if (selectedCount() > 0) plan = planDrop(selectedImages(), count, target, selection_.lowestSelectedCell());
  if (plan) {
    project_.images.reorder(plan->order);
    repaintSlides();
    const std::int32_t moved = selectedCount();
    selection_.selectBlock(plan->insertAt, moved);
    countSelection();
    syncFrames();
    showDetails(firstSelected());
  }
}

bool ThumbnailStrip::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  const bool isWindow = watched == controls_.pbOuter || watched == controls_.pbInner;
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
      // A scroll moves the canvas; a new size of the window shows more or
      // fewer cells.
      if (isWindow) syncView();
      return false;
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      commands_.run([&] { stripKeyCommand(widgets::virtualKeyCode(*key), widgets::shiftMask(key->modifiers())); });
      return true;
    }
    case QEvent::Wheel: {
      auto* wheel = static_cast<QWheelEvent*>(event);
      // One unit per notch of 120 eighths of a degree, positive away from
      // the user.
      onMouseWheel(static_cast<float>(wheel->angleDelta().y()) / 120.0f);
      return true;
    }
    case QEvent::MouseMove:
      // Consumed, or the canvas's move would go on to its window, which
      // would take the focus back.
      if (isWindow) widgets::takeFocusOnHover(*widget);
      return isWindow;
    case QEvent::MouseButtonDblClick:
      // Cells report no double-click, and its second press is no press.
      if (isWindow) clearSelection();
      return true;
    case QEvent::MouseButtonRelease:
      if (watched == controls_.pbInner && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
        openImagesMenu();
      return false;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      if (!isWindow) return false;
      // Whatever is dropped is offered to the adding, which reports when it
      // held no image.
      static_cast<QDropEvent*>(event)->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      if (!isWindow) return false;
      auto* drop = static_cast<QDropEvent*>(event);
      drop->acceptProposedAction();
      commands_.run([&] { emit filesDropped(drop->mimeData()->urls()); });
      return true;
    }
    default:
      return false;
  }
}

}  // namespace velvara::app
