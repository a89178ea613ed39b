#pragma once
// The gallery's HTML pages: how many there are, their names, and their lines
// (head, top block with the gallery name and page links, thumbnail rows,
// footer).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/gallery/GalleryCells.h"
#include "core/model/GallerySettings.h"
#include "core/model/ImageItem.h"

namespace velvara::core {

// The number of pages for imageCount images at perPage images a page
// (perPage at least 1).
std::int64_t pageCount(std::int64_t imageCount, std::int64_t perPage);

// The file name of page (1-based): "index.html" for a one-page gallery, else
// "vlr.html", "vlr1.html", "vlr2.html", ...
std::string pageName(std::int64_t page, std::int64_t pages);

// Lines from the document type to "<body>"; the style block is the one of
// galleryStyle (none for a value that is no style).
void writePageHead(PageLines& lines, std::int16_t galleryStyle);

// The gallery's outer table up to the end of its top row: the parent link (when
// asked for and complete), the gallery name and, with several pages, the page
// links.
void writeTopBlock(PageLines& lines, const GallerySettings& settings, std::int64_t page, std::int64_t pages);

// The rows of one page, from image index on: rows lines of up to columns cells;
// no empty row follows the last image. beforeCell is told of each image before
// its cell is written. Answers the index of the next image to place.
std::size_t writeThumbnailRows(PageLines& lines, const GallerySettings& settings, const std::vector<ImageItem>& images,
                               std::size_t index, const std::function<void(const ImageItem&)>& beforeCell);

// The cell arguments of one image in the gallery's style.
CellArguments cellArgumentsFor(const GallerySettings& settings, const ImageItem& image);

// The "Created using Velvara" row and the end of the document. The text links
// to homePage; without one it stands as plain text in the same cell, with
// the same class.
void writeFooter(PageLines& lines, const GallerySettings& settings, std::string_view homePage);

}  // namespace velvara::core
