#pragma once
// The image library's readable formats as the program uses them: a set of
// extensions, and the filter of the add-images dialog.
#include <string>

#include "core/helpers/KeyedCollection.h"
#include "i18n/StringService.h"

namespace velvara::core {

// The text with every zero character removed and leading and trailing
// blanks trimmed.
std::string trimFixed(const std::string& text);

// The lower-case extensions of all readable formats, each once, key = item
// = extension; a new collection on every call.
KeyedCollection<std::string> readableExtensions();

// String 236, then for each readable format "|description (*.a;*.b)|*.a;*.b".
std::string openFileFilter(const i18n::StringService& strings);

}  // namespace velvara::core
