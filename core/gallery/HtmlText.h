#pragma once
// How user text enters generated pages. Titles, tooltips and links are
// written as the user typed them, HTML included, except for the one quote
// character that would end the attribute they stand in and the hyphens that
// would end a comment; markup that a script parses again from an attribute is
// escaped for that attribute as a whole.
// References to the gallery's own files are percent-encoded where a character
// would change the address.
#include <string>
#include <string_view>

#include "core/helpers/Urls.h"

namespace velvara::core {

// Text for an attribute value in double quotes: '"' as "&quot;".
std::string inDoubleQuotes(std::string_view text);

// Text for an attribute value in single quotes: "'" as "&#39;".
std::string inSingleQuotes(std::string_view text);

// Markup for a double-quoted attribute that a script reads back and parses as
// markup again: '&' as "&amp;" first, then '"' as "&quot;". Decoding the
// attribute gives back exactly the markup, so a character reference inside it
// ("&#39;" in a single-quoted value) keeps its meaning at the second level
// instead of turning into the quote it stands for.
std::string markupInDoubleQuotes(std::string_view markup);

// Text inside a comment "<!-- ... -->" with a blank between any two hyphens
// in a row: "--" could end the comment ("-->", "--!>") and show the rest on
// the page. Text without "--" stays as it is.
std::string inComment(std::string_view text);

}  // namespace velvara::core
