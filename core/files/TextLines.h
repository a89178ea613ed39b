#pragma once
// The line-based text files of the program ("urls.txt", the text exchange
// file): lines end with CR LF when written; on reading CR LF, LF and a lone CR
// all end a line. Each line is decoded on its own, since each was encoded on
// its own.
#include <string>
#include <string_view>
#include <vector>

#include "core/helpers/Blanks.h"

namespace velvara::core {

// The decoded lines of a file's bytes; a last line without an ending counts.
std::vector<std::string> splitFileLines(std::string_view bytes);

// Appends the encoded text and CR LF.
void appendFileLine(std::string& out, std::string_view utf8);

}  // namespace velvara::core
