#pragma once
// Where the user's documents and the running program live.
#include <string>

namespace velvara::shell {

// The XDG documents folder: XDG_DOCUMENTS_DIR from user-dirs.dirs in
// $XDG_CONFIG_HOME (else ~/.config), else $HOME/Documents; "" without a home.
std::string documentsFolder();

// The user's cache folder: $XDG_CACHE_HOME when it is an absolute path, else
// $HOME/.cache; "" without a home.
std::string cacheFolder();

// The folder of the running executable.
std::string programFolder();

// The running executable's file name without its extension.
std::string programName();

}  // namespace velvara::shell
