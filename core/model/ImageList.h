#pragma once
// The ordered image list of the project (its order is the gallery's order)
// with the preview bitmaps kept beside it under the same index.
//
// The capacity is observable state: 200 at start, +100 when an image is added
// to a full list, count + 100 after a project or text file is loaded, and
// exactly the count after a drag reorder.
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/ImageItem.h"
#include "platform/imagelib/Bitmap.h"

namespace velvara::core {

class ImageList {
 public:
  static constexpr std::int32_t kInitialCapacity = 200;
  static constexpr std::int32_t kGrowthStep = 100;

  std::int32_t count() const { return static_cast<std::int32_t>(items_.size()); }
  std::int32_t capacity() const { return capacity_; }
  bool empty() const { return items_.empty(); }

  ImageItem& item(std::int32_t index) { return items_.at(index); }
  const ImageItem& item(std::int32_t index) const { return items_.at(index); }
  const std::vector<ImageItem>& items() const { return items_; }

  imagelib::Bitmap& bitmap(std::int32_t index) { return bitmaps_.at(index); }
  const imagelib::Bitmap& bitmap(std::int32_t index) const { return bitmaps_.at(index); }

  // Grows the capacity by one step when the list is full. Adding an image
  // does this before the file is read, so the growth stands even when the
  // file is then refused.
  void growIfFull();

  // Appends an image with its preview, growing the capacity first when the
  // list is full. The image's thumbnailCached flag is set.
  void append(ImageItem item, imagelib::Bitmap preview);

  // Replaces the whole list by records read from a file; no preview is cached
  // and the capacity becomes count + 100.
  void replaceAfterLoad(std::vector<ImageItem> items);

  // The same for the records of an old project file, which leave the
  // capacity as it is, unless they need more slots than it gives (0 to the
  // capacity): then it becomes count + 100 as for a current file.
  void replaceAfterOldLoad(std::vector<ImageItem> items);

  // Frees every preview, removes every record; the capacity stays.
  void clear();

  // Frees the preview of one image and clears its thumbnailCached flag.
  void releasePreview(std::int32_t index);

  // Stores a preview for an existing image and sets its thumbnailCached flag.
  void setPreview(std::int32_t index, imagelib::Bitmap preview);

  // Moves the image at from to position to, its preview with it; the capacity
  // becomes exactly the count.
  void move(std::int32_t from, std::int32_t to);

  // Puts the images in a new order, each taking its preview along: order[i]
  // is the old index of the image at position i, and names every image once.
  // The capacity becomes exactly the count.
  void reorder(const std::vector<std::int32_t>& order);

  // Removes the images at the given indexes, their previews with them.
  void remove(const std::vector<std::int32_t>& indexes);

 private:
  std::vector<ImageItem> items_;
  std::vector<imagelib::Bitmap> bitmaps_;
  std::int32_t capacity_ = kInitialCapacity;
};

// A base name that no image of the list has as outputBaseName: name, else
// name_1, name_2, ... (compared case-sensitively), the end of name cut off
// where a numbered name would not fit a file name with ".jpg".
std::string uniqueImageName(const ImageList& list, const std::string& name);

// The text after the last point of the whole path, in the path's letter case;
// "" when there is no point. Folder separators are not considered.
std::string getFileExtension(const std::string& path);

}  // namespace velvara::core
