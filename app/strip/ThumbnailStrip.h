#pragma once
// The thumbnail strip of the main window: one cell per image on the canvas
// pbInner inside the visible window pbOuter, scrolled by VScroll1, HScroll1
// and the wheel; the selection by mouse and keyboard; reordering by dragging
// the selected cells; file drops handed on as filesDropped. The keys and the
// drops are commands of the main window and pass its gate.
//
// The window creates the four controls and lays them out. Every cell exists
// as a record (StripCells); only the cells in pbOuter's view are widgets on
// pbInner (CellPool), so the work of a click, a key or a scroll does not grow
// with the project. Previews are decoded once into the project's preview
// slots and a cell widget paints from its slot, so repainting, reordering and
// scrolling never read a file.
#include <QList>
#include <QObject>
#include <QUrl>
#include <cstdint>
#include <functional>
#include <vector>

#include "app/strip/CellPool.h"
#include "app/strip/ImageDetails.h"
#include "app/strip/SelectionSource.h"
#include "app/strip/StripCells.h"
#include "app/strip/StripFocus.h"
#include "app/strip/StripLayout.h"
#include "app/strip/StripSelection.h"
#include "core/host/Host.h"
#include "core/imaging/ImageLibrary.h"
#include "core/model/Project.h"
#include "i18n/StringService.h"
#include "widgets/commands/CommandGate.h"

class QMenu;
class QScrollBar;

namespace velvara::widgets {
class usSlide;
}

namespace velvara::app {

struct StripControls {
  QWidget* pbOuter = nullptr;
  QWidget* pbInner = nullptr;
  QScrollBar* VScroll1 = nullptr;
  QScrollBar* HScroll1 = nullptr;
};

// The strip's key codes: the platform's virtual keys.
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyDelete = 46;
inline constexpr int kKeyA = 65;

class ThumbnailStrip : public QObject, public SelectionSource {
  Q_OBJECT

 public:
  ThumbnailStrip(const StripControls& controls, core::Project& project, core::ImageLibrary& library, core::Host& host,
                 i18n::StringService& strings, widgets::CommandGate& commands, QObject* parent = nullptr);
  ~ThumbnailStrip() override;

  // Wiring, once, before the strip is used.
  void setImageDetails(ImageDetails& details) { details_ = &details; }
  // The window's resize layout: it puts the canvas back at the top-left
  // corner and sets the scroll bars up for the canvas size.
  void setFormResize(std::function<void()> formResize) { formResize_ = std::move(formResize); }
  // Sets the pictures-per-row box; its change handler must call
  // picInRowChanged. Without it the strip calls picInRowChanged itself.
  void setPicInRowControl(std::function<void(std::int32_t)> setValue) { setPicInRowValue_ = std::move(setValue); }
  // The Images menu, opened at the pointer by the right button.
  void setImagesMenu(QMenu* menu) { imagesMenu_ = menu; }
  // Removing the selected images without asking (the Delete key).
  void setRemoveSelected(std::function<void()> removeSelected) { removeSelected_ = std::move(removeSelected); }

  const StripGrid& grid() const { return grid_; }
  std::int32_t picInRow() const { return picInRow_; }
  // The start-up value, before anything is arranged.
  void setPicInRow(std::int32_t picInRow) { picInRow_ = picInRow; }

  // Prepares cell index and loads the preview of path into image index's
  // slot; true when it was loaded. The list must hold image index.
  bool loadSlide(const std::string& path, std::int32_t index, float boxWidth, float boxHeight);
  // Frees every preview and loads each again from its file, placing the cells.
  void reloadAllSlides(float boxWidth, float boxHeight);
  // Keeps the canvas within the platform's limit through the pictures per
  // row, places every cell, sizes the canvas, clears the selection.
  void arrangeSlides();
  // Shows the cached preview of image index in its cell, creating the cell.
  void showNewSlide(std::int32_t index);
  // Every cell painted again from the preview now at its index.
  void repaintSlides();
  // Hides the cells, frees the previews and empties the list.
  void clearImageList();
  // The change handler of the pictures-per-row box.
  void picInRowChanged(std::int32_t numValue);
  // After images were removed: cells from count on are destroyed (cell 0
  // stays, hidden when the list is empty).
  void unloadCellsFrom(std::int32_t count);

  // The selection.
  std::int32_t selectedCount() const override { return selection_.selectedCount(); }
  std::int32_t firstSelected() const override { return selection_.firstSelected(); }
  std::int32_t lastSelected() const { return selection_.lastSelected(); }
  std::vector<std::int32_t> selectedImages() const { return selection_.selectedImages(project_.images.count()); }
  void moveSelection(std::int32_t from, std::int32_t to) override;
  void titlesChanged() override;
  void unselectAllSlides();
  void countSelection();
  // Stores the panel, unselects all and empties the panel.
  void clearSelection();
  // Every image selected, or none when all are.
  void selectAllToggle();
  void scrollSlideIntoView(std::int32_t index);
  void stripKeyCommand(int keyCode, int shift);

  // Every cell, shown or hidden; the widget of a cell in view (null for one
  // out of view or hidden).
  std::int32_t cellCount() const { return cells_.count(); }
  const CellLook& cellLook(std::int32_t index) const { return cells_.look(index); }
  bool cellSelected(std::int32_t index) const { return index < selection_.cellCount() && selection_.isSelected(index); }
  widgets::usSlide* cell(std::int32_t index) const { return pool_.widgetFor(index); }
  bool dragging() const { return dragging_; }

 signals:
  // Files or other data dropped from outside onto the canvas, its window or
  // a cell.
  void filesDropped(const QList<QUrl>& urls);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Makes the cells up to index; true when cell index was made now.
  bool ensureCell(std::int32_t index);
  void setUpCellWidget(widgets::usSlide& cell);
  // The part of the canvas that pbOuter shows.
  CanvasRect view() const;
  // The cell widgets follow the view, or the records of one cell or all.
  void syncView();
  void updateCell(std::int32_t index);
  // Cell index prepared as for a fresh load, showing preview (moved into the
  // image's slot) or the placeholder when there is none.
  void placeSlide(std::int32_t index, imagelib::Bitmap* preview);
  void paintCell(std::int32_t index);
  void syncFrames();
  void setPicInRowBox(std::int32_t n);
  void onMouseWheel(float rotation);
  void cellMouseDown(int index, int button, int shift, double x, double y);
  void cellMouseMove(int index, int button, int shift, double x, double y);
  void cellMouseUp(int index, int button, int shift, double x, double y);
  void dropSelection(int index, double x, double y);
  void openImagesMenu();
  void commit();
  void showDetails(std::int32_t index);

  StripControls controls_;
  core::Project& project_;
  core::ImageLibrary& library_;
  core::Host& host_;
  i18n::StringService& strings_;
  widgets::CommandGate& commands_;
  StripGrid grid_;
  ImageDetails* details_ = nullptr;
  std::function<void()> formResize_;
  std::function<void(std::int32_t)> setPicInRowValue_;
  std::function<void()> removeSelected_;
  QMenu* imagesMenu_ = nullptr;

  StripCells cells_{grid_};
  StripSelection selection_;
  StripFocus focus_;
  CellPool pool_;
  std::int32_t picInRow_ = 4;
  bool dragging_ = false;
  std::int32_t dragStartX_ = 0;
  std::int32_t dragStartY_ = 0;
};

}  // namespace velvara::app
