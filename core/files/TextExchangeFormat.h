#pragma once
// The text exchange format: one block of lines per image,
//   {  path=  title=  tooltip=  url=  url_text=  open=self|blank  }
// and an empty line, so that the image list can be edited outside the program.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/ImageItem.h"

namespace velvara::core {

// The nine lines of every image, in list order, each ended by CR LF.
std::string formatTextExchange(const std::vector<ImageItem>& images);

// A value that would not stay on its line: a line break (CR or LF) in it would
// end the line, and the rest would read back as a line of its own.
struct ValueWithLineBreak {
  std::size_t imageIndex = 0;
  // The added string that names the field.
  int fieldNameId = 0;
};

// The first value of the images that formatTextExchange could not write so
// that parseTextExchange reads it back; nothing when every value fits.
std::optional<ValueWithLineBreak> findValueWithLineBreak(const std::vector<ImageItem>& images);

// The images of every complete block with a source path, in file order.
// Keys are matched exactly at the start of the trimmed line; values are
// trimmed, except that "open=" must be followed directly by "self". A block
// without "}" runs on into the next block; one still open at the end is
// dropped. outputBaseName is left empty and thumbnailCached False.
std::vector<ImageItem> parseTextExchange(std::string_view bytes);

}  // namespace velvara::core
