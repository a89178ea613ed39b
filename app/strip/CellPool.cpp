#include "app/strip/CellPool.h"

#include <QWidget>
#include <algorithm>

#include "app/strip/StripFocus.h"
#include "app/strip/StripSelection.h"
#include "core/helpers/Paths.h"
#include "widgets/slide/usSlide.h"

namespace velvara::app {
namespace {

// The canvas grey, also the cells' surface.
constexpr std::uint32_t kCanvasGrey = 0x808080;
// The picture box of a newly placed cell.
constexpr std::uint32_t kNewPictureBoxColor = 0xFFFFFF;

}  // namespace

CellPool::CellPool(QWidget& canvas, i18n::StringService& strings, const StripGrid& grid, const StripCells& cells,
                   const core::ImageList& images, const StripSelection& selection, StripFocus& focus,
                   std::function<void(widgets::usSlide&)> setUp)
    : canvas_(canvas),
      strings_(strings),
      grid_(grid),
      cells_(cells),
      images_(images),
      selection_(selection),
      focus_(focus),
      setUp_(std::move(setUp)) {}

CellPool::~CellPool() = default;

void CellPool::showOnly(const std::vector<std::int32_t>& indexes) {
  const auto wanted = [&](std::int32_t index) {
    return index == held_ || std::binary_search(indexes.begin(), indexes.end(), index);
  };
  std::vector<widgets::usSlide*> spare;
  std::vector<Bound> kept;
  for (const Bound& bound : bound_) {
    if (wanted(bound.index) && cells_.exists(bound.index)) {
      kept.push_back(bound);
    } else {
      spare.push_back(bound.widget);
    }
  }
  std::vector<Bound> next;
  next.reserve(indexes.size() + 1);
  auto keptAt = kept.begin();
  bool rebound = false;
  for (std::int32_t index : indexes) {
    while (keptAt != kept.end() && keptAt->index < index) next.push_back(*keptAt++);
    if (keptAt != kept.end() && keptAt->index == index) {
      next.push_back(*keptAt++);
      continue;
    }
    rebound = true;
    widgets::usSlide* widget = nullptr;
    if (!spare.empty()) {
      widget = spare.back();
      spare.pop_back();
    } else {
      widget = new widgets::usSlide(strings_, &canvas_);
      widget->setBackColor(kCanvasGrey);
      widget->hide();
      setUp_(*widget);
    }
    show(*widget, index);
    next.push_back({index, widget});
  }
  next.insert(next.end(), keptAt, kept.end());
  bound_ = std::move(next);
  // The focus leaves a widget that goes before it goes.
  followCurrent();
  for (widgets::usSlide* widget : spare) retire(widget);
  if (rebound) orderForReading();
}

void CellPool::orderForReading() {
  // A screen reader reads a widget's children in their order; a reused
  // widget keeps its old place among them. Raising each in index order puts
  // them row by row, as they lie on the grid.
  for (const Bound& bound : bound_) bound.widget->raise();
}

void CellPool::followCurrent() {
  std::vector<QWidget*> widgets;
  widgets.reserve(bound_.size());
  for (const Bound& bound : bound_) widgets.push_back(bound.widget);
  focus_.restOn(widgetFor(selection_.firstSelected()), widgets);
}

QString CellPool::cellName(std::int32_t index) const {
  if (index >= images_.count()) return QString::fromStdString(cells_.look(index).tooltip);
  // Named by the image also while it shows the missing-file picture; by the
  // file when the title is empty.
  const core::ImageItem& image = images_.item(index);
  return QString::fromStdString(image.title.empty() ? core::fileNameOfPath(image.sourcePath) : image.title);
}

void CellPool::retire(widgets::usSlide* widget) {
  // A widget whose focus goes on to the canvas counts as holding the focus
  // the canvas holds, and the deletion of a widget holding the focus clears
  // it: the keys would act nowhere.
  widget->setFocusProxy(nullptr);
  widget->hide();
  // It may be the widget whose event is being handled.
  widget->deleteLater();
}

void CellPool::show(widgets::usSlide& widget, std::int32_t index) {
  const CellLook& look = cells_.look(index);
  widget.setObjectName(QStringLiteral("usSlide1_%1").arg(index));
  // As a newly placed control, then as the cell's record says.
  widget.setPicture(QImage());
  widget.pictureBox().setBackColor(kNewPictureBoxColor);
  widget.setSlideWidth(grid_.cellWidth);
  widget.setSlideHeight(grid_.cellHeight);
  widget.setPicAutoSize(look.picAutoSize);
  widget.setPicHeightPercentOfWidth(look.picHeightPercentOfWidth);
  if (look.cleared) widget.clearPicture();
  if (look.showsPreview) {
    widget.setPicHeightPercentOfWidth(look.picHeightPercentOfWidth);
    widget.pictureBox().setFillColor(widgets::kPlaceholderColor);
    if (index < images_.count() && images_.item(index).thumbnailCached)
      widget.pictureBox().paintBitmap(images_.bitmap(index));
  }
  widget.setTooltip(look.tooltip);
  widget.setCellName(cellName(index));
  widget.setSlideSelected(index < selection_.cellCount() && selection_.isSelected(index));
  widget.move(look.position.left, look.position.top);
  widget.show();
}

void CellPool::refresh(std::int32_t index) {
  if (widgets::usSlide* widget = widgetFor(index)) show(*widget, index);
}

void CellPool::refreshAll() {
  for (const Bound& bound : bound_)
    if (cells_.exists(bound.index)) show(*bound.widget, bound.index);
}

void CellPool::syncFrames() {
  for (const Bound& bound : bound_) {
    const bool selected = bound.index < selection_.cellCount() && selection_.isSelected(bound.index);
    if (bound.widget->slideSelected() != selected) bound.widget->setSlideSelected(selected);
  }
  followCurrent();
}

void CellPool::nameAll() {
  for (const Bound& bound : bound_) bound.widget->setCellName(cellName(bound.index));
}

widgets::usSlide* CellPool::widgetFor(std::int32_t index) const {
  auto found = std::lower_bound(bound_.begin(), bound_.end(), index,
                                [](const Bound& bound, std::int32_t wanted) { return bound.index < wanted; });
  return found != bound_.end() && found->index == index ? found->widget : nullptr;
}

std::int32_t CellPool::indexOf(const widgets::usSlide* widget) const {
  for (const Bound& bound : bound_)
    if (bound.widget == widget) return bound.index;
  return -1;
}

}  // namespace velvara::app
