#pragma once
// The registry file's format. Every name and every value's bytes are written
// with their length in front, so any byte (line breaks, zero bytes) survives:
//
//   velvara registry 1\n
//   k <length>:<key path>\n                      one line per key, parents first
//   v <length>:<name> <type> <length>:<data>\n   the values of the key above
//   end\n
//
// The closing line makes a file cut short at any point unreadable rather
// than silently smaller.
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry/KeyTree.h"

namespace velvara::registry {

std::string serializeStore(const Key& root);

// The tree the text describes, or nothing when the text is not exactly a
// file of this format.
std::optional<Key> parseStore(std::string_view text);

}  // namespace velvara::registry
