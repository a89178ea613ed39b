#pragma once
// What the strip asks of the edit panel: the panel's content goes into the
// image it shows before the selection changes, and is refilled afterwards.
#include <cstdint>

namespace velvara::app {

class ImageDetails {
 public:
  virtual ~ImageDetails() = default;
  // Stores what the panel shows into the current image, when it is editable.
  virtual void commitImageDetails() = 0;
  // Fills the panel for the current selection; index is the image to show.
  virtual void showImageDetails(std::int32_t index) = 0;
  // With exactly one image selected, selects its neighbour instead.
  virtual void stepImage(bool forward) = 0;
};

}  // namespace velvara::app
