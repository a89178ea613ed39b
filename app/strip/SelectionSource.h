#pragma once
// What the edit panel asks of the strip: how many images are selected, which
// one is current, moving the selection to another image, and naming the
// cells again after titles were stored.
#include <cstdint>

namespace velvara::app {

class SelectionSource {
 public:
  virtual ~SelectionSource() = default;
  virtual std::int32_t selectedCount() const = 0;
  // The lowest selected index, -1 when none; the image the panel shows.
  virtual std::int32_t firstSelected() const = 0;
  // Selects only image to when it is an index of the list, shows it in the
  // panel and scrolls it into view; the panel is not stored first.
  virtual void moveSelection(std::int32_t from, std::int32_t to) = 0;
  // Titles of images were stored: each cell a screen reader can reach is
  // named by its image's title (or file) at once.
  virtual void titlesChanged() = 0;
};

}  // namespace velvara::app
