#pragma once
// The names of the temporary files the program writes beside a file before
// renaming them over it. A temporary's name fits wherever the file's own name
// fits: it is "<name>.tmp-" and six letters or digits of its own while that
// stays within the longest name the folder holds; else the name is cut short
// and marked with a hash of the whole name, "<start of name>~<8 hex
// digits>.tmp-" and the six. So the temporaries of one file are told from
// those of every other file by their names alone.
#include <cstddef>
#include <string>
#include <string_view>

namespace velvara::files {

// The letters or digits of its own at the end of every temporary's name.
inline constexpr std::size_t kTemporaryTagLength = 6;

// What the names of the temporaries of the file called name begin with, in a
// folder whose names hold at most longest bytes.
std::string temporaryNamePrefix(std::string_view name, std::size_t longest);

// Whether candidate is the name of a temporary of the file called name: one
// made with temporaryNamePrefix, or "<name>.tmp<digits>-<digits>" as earlier
// versions named them.
bool isTemporaryNameOf(std::string_view candidate, std::string_view name, std::size_t longest);

}  // namespace velvara::files
