#pragma once
// Texts typed by users or read from the program's files carry blanks at
// their ends; only blanks are removed, tabs and other white space stay.
#include <string_view>

namespace velvara::core {

std::string_view trimBlanks(std::string_view text);

}  // namespace velvara::core
