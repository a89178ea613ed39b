#pragma once
// The cell widgets of the strip: only the cells in the strip's window are
// widgets. Each shows the cell it is bound to, as the cell's record says
// (app/strip/StripCells.h), painted from the project's cached preview; a
// widget that leaves the window is bound to a cell that enters it, or goes.
// A widget is named "usSlide1_<index>" after the cell it shows.
#include <cstdint>
#include <functional>
#include <vector>

#include "app/strip/StripCells.h"
#include "core/model/ImageList.h"
#include "i18n/StringService.h"

class QString;
class QWidget;

namespace velvara::widgets {
class usSlide;
}

namespace velvara::app {

class StripFocus;
class StripSelection;

class CellPool {
 public:
  // setUp runs once for every widget made, before it is first shown.
  CellPool(QWidget& canvas, i18n::StringService& strings, const StripGrid& grid, const StripCells& cells,
           const core::ImageList& images, const StripSelection& selection, StripFocus& focus,
           std::function<void(widgets::usSlide&)> setUp);
  ~CellPool();
  CellPool(const CellPool&) = delete;
  CellPool& operator=(const CellPool&) = delete;

  // Exactly the cells of indexes have widgets (ascending indexes); the held
  // cell keeps its widget as well.
  void showOnly(const std::vector<std::int32_t>& indexes);
  // The widget of cell index shows its record again, when it has one.
  void refresh(std::int32_t index);
  void refreshAll();
  // Every widget's frame, and the keyboard focus, follow the selection.
  void syncFrames();
  // Every widget is named by its image again: a title may have changed.
  void nameAll();

  // The cell under a pressed mouse button keeps its widget (which holds the
  // mouse) until the button is released, wherever the strip scrolls.
  void hold(std::int32_t index) { held_ = index; }
  void release() { held_ = -1; }

  widgets::usSlide* widgetFor(std::int32_t index) const;
  // The cell a widget shows, -1 for none.
  std::int32_t indexOf(const widgets::usSlide* widget) const;

 private:
  struct Bound {
    std::int32_t index;
    widgets::usSlide* widget;
  };
  void show(widgets::usSlide& widget, std::int32_t index);
  void retire(widgets::usSlide* widget);
  // The widgets in reading order among the canvas's children.
  void orderForReading();
  // The keyboard focus rests on the current cell's widget, when it has one.
  void followCurrent();
  // What a screen reader names the cell of index by.
  QString cellName(std::int32_t index) const;

  QWidget& canvas_;
  i18n::StringService& strings_;
  StripGrid grid_;
  const StripCells& cells_;
  const core::ImageList& images_;
  const StripSelection& selection_;
  StripFocus& focus_;
  std::function<void(widgets::usSlide&)> setUp_;
  // Ordered by index.
  std::vector<Bound> bound_;
  std::int32_t held_ = -1;
};

}  // namespace velvara::app
