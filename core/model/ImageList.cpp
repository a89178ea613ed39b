#include "core/model/ImageList.h"

#include <algorithm>
#include <string_view>

namespace velvara::core {

void ImageList::growIfFull() {
  if (count() >= capacity_) capacity_ += kGrowthStep;
}

void ImageList::append(ImageItem item, imagelib::Bitmap preview) {
  growIfFull();
  item.thumbnailCached = true;
  items_.push_back(std::move(item));
  bitmaps_.push_back(std::move(preview));
}

void ImageList::replaceAfterLoad(std::vector<ImageItem> items) {
  clear();
  items_ = std::move(items);
  for (auto& item : items_) item.thumbnailCached = false;
  bitmaps_.resize(items_.size());
  capacity_ = count() + kGrowthStep;
}

void ImageList::replaceAfterOldLoad(std::vector<ImageItem> items) {
  const std::int32_t capacity = capacity_;
  replaceAfterLoad(std::move(items));
  if (count() <= capacity + 1) capacity_ = capacity;
}

void ImageList::clear() {
  items_.clear();
  bitmaps_.clear();
}

void ImageList::releasePreview(std::int32_t index) {
  bitmaps_.at(index).release();
  items_.at(index).thumbnailCached = false;
}

void ImageList::setPreview(std::int32_t index, imagelib::Bitmap preview) {
  bitmaps_.at(index) = std::move(preview);
  items_.at(index).thumbnailCached = true;
}

void ImageList::move(std::int32_t from, std::int32_t to) {
  auto rotate = [from, to](auto& vec) {
    auto first = vec.begin() + from;
    auto last = vec.begin() + to;
    if (from < to) {
      std::rotate(first, first + 1, last + 1);
    } else if (to < from) {
      std::rotate(last, first, first + 1);
    }
  };
  if (from < 0 || to < 0 || from >= count() || to >= count()) return;
  rotate(items_);
  rotate(bitmaps_);
  capacity_ = count();
}

void ImageList::reorder(const std::vector<std::int32_t>& order) {
  if (order.size() != items_.size()) return;
  std::vector<ImageItem> items;
  std::vector<imagelib::Bitmap> bitmaps;
  items.reserve(order.size());
  bitmaps.reserve(order.size());
  for (std::int32_t from : order) {
    items.push_back(std::move(items_.at(from)));
    bitmaps.push_back(std::move(bitmaps_.at(from)));
  }
  items_ = std::move(items);
  bitmaps_ = std::move(bitmaps);
  capacity_ = count();
}

void ImageList::remove(const std::vector<std::int32_t>& indexes) {
  std::vector<std::int32_t> sorted = indexes;
  std::sort(sorted.begin(), sorted.end(), std::greater<>());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  for (std::int32_t index : sorted) {
    if (index < 0 || index >= count()) continue;
    items_.erase(items_.begin() + index);
    bitmaps_.erase(bitmaps_.begin() + index);
  }
}

namespace {

// A base name becomes the names of two JPEGs, base name & ".jpg", and a folder
// holds names of at most 255 bytes: a numbered name of a photo whose own name
// is near that length gives up the end of the name for its number, cut before
// a character, so that its JPEGs can be written.
constexpr std::size_t kLongestBaseName = 255 - std::string_view(".jpg").size();

std::string numberedName(const std::string& name, const std::string& number) {
  if (name.size() + number.size() <= kLongestBaseName) return name + number;
  std::size_t cut = kLongestBaseName - number.size();
  while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  return name.substr(0, cut) + number;
}

}  // namespace

std::string uniqueImageName(const ImageList& list, const std::string& name) {
  auto taken = [&list](const std::string& candidate) {
    return std::any_of(list.items().begin(), list.items().end(),
                       [&candidate](const ImageItem& item) { return item.outputBaseName == candidate; });
  };
  std::string candidate = name;
  for (int n = 1; taken(candidate); ++n) candidate = numberedName(name, "_" + std::to_string(n));
  return candidate;
}

std::string getFileExtension(const std::string& path) {
  auto dot = path.rfind('.');
  return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

}  // namespace velvara::core
