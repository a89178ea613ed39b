#pragma once
// Private to the image library: JPEG files, the pictures most projects are
// made of, read the short way. The file is opened once; its markers give
// the picture's size and orientation; a single libvips JPEG reader decodes
// the pixels, shrunk while decoding by the factor libvips' thumbnail would
// choose; the rows are made smaller here (RowReduction). Nothing else is
// built per picture, so JPEGs are decoded side by side on every core, and
// the pictures are byte for byte those of libvips' thumbnail.
//
// A JPEG that the short way does not cover is read the general way: a
// colour profile to convert, CMYK, a picture to enlarge, one too large to
// hold whole in memory, or one whose markers libvips reads otherwise.
#include <optional>

#include "platform/imagelib/Bitmap.h"
#include "platform/imagelib/Library.h"
#include "platform/imagelib/PictureFile.h"

namespace velvara::imagelib::detail {

// The picture at the size sizeFor chooses from what the markers say (as
// shown, upright), or nothing when the general way must read it. Throws as
// the general way does for a file it cannot read.
std::optional<Bitmap> readJpeg(const PictureFile& file, const SizeFor& sizeFor);

}  // namespace velvara::imagelib::detail
