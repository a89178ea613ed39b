#pragma once
// "urls.txt": the remembered web addresses, one a line.
#include <string>
#include <string_view>
#include <vector>

#include "core/helpers/KeyedCollection.h"

namespace velvara::core {

// Every line trimmed of blanks and normalised (a "www." address gets
// "http://", "\\" becomes "//" in web addresses); empty lines are left out.
std::vector<std::string> parseUrlList(std::string_view bytes);

// Every non-empty entry, in the collection's order, as one line each.
std::string formatUrlList(const KeyedCollection<std::string>& urlHistory);

// Adds url (item = key = url) unless an entry with that key, in any letter
// case, is present already.
void rememberUrl(KeyedCollection<std::string>& urlHistory, const std::string& url);

}  // namespace velvara::core
